#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

#include "gen/order_by_builder.h"

class wxCheckBox;
class wxListBox;
class wxStaticText;

namespace tablora {

/// Dialog "Order by": orders fields ascending or descending into an ORDER BY text.
class OrderByDialog : public wxDialog {
 public:
  enum {
    kSourceId = 1010,
    kOrderId = 1011,
    kAscId = 1012,
    kBackId = 1013,
    kAllAscId = 1014,
    kClearId = 1015,
    kDescId = 1016,
    kResetId = 1017,
    kAllDescId = 1018,
    kChosenOnlyId = 1144,
    kHideAscId = 1145,
    kResultId = 1142
  };
  OrderByDialog(wxWindow* parent, std::vector<std::string> allFields,
                std::vector<std::string> chosenFields);
  /// "ORDER BY ..." or "" after OK.
  std::string result() const { return builder_.Result(); }

 private:
  void ShowOrder();

  OrderByBuilder builder_;
  wxListBox* source_;
  wxListBox* order_;
  wxCheckBox* chosenOnly_;
  wxCheckBox* hideAsc_;
  wxStaticText* result_;
};

}  // namespace tablora
