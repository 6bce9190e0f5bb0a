#pragma once

#include <wx/dialog.h>

#include "base/prompts.h"
#include "ui/arrange_layout.h"

class wxCheckBox;
class wxRadioButton;
class wxTextCtrl;

namespace tablora {

/// "排列对话框": whole display, aligned rows, the order and the two numbers of arrange.
class ArrangeDialog : public wxDialog {
 public:
  enum Id {
    kWholeId = 1036,
    kAlignId = 1040,
    kByNameId = 1041,
    kByGroupId = 1042,
    kByRelationsId = 1043,
    kPerRowId = 1008,
    kWidthId = 1037,
  };

  /// `preset` gives the tables per row and the width; the options start clear and in
  /// list order. Messages go through `prompts`.
  ArrangeDialog(wxWindow* parent, Prompts& prompts, const ArrangeOptions& preset);

  /// The options taken by OK.
  const ArrangeOptions& options() const { return options_; }

 private:
  void OnOk(wxCommandEvent& event);

  Prompts& prompts_;
  ArrangeOptions options_;
  wxCheckBox* whole_ = nullptr;
  wxCheckBox* align_ = nullptr;
  wxRadioButton* byName_ = nullptr;
  wxRadioButton* byRelations_ = nullptr;
  wxTextCtrl* perRow_ = nullptr;
  wxTextCtrl* width_ = nullptr;
};

}  // namespace tablora
