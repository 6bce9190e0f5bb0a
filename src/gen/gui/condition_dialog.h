#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

#include "gen/condition_builder.h"

class wxListBox;
class wxTextCtrl;
class wxButton;

namespace tablora {

/// Dialog "条件构造器": builds a WHERE text from field, operator and value choices.
class ConditionDialog : public wxDialog {
 public:
  enum {
    kAndId = 1115,
    kLeftId = 1116,
    kRightId = 1117,
    kCurrentId = 1118,
    kOperatorId = 1120,
    kSwitchId = 1121,
    kValueId = 1122,
    kResultId = 1123,
    kOrId = 1124,
    kStatementId = 1125,
    kResetId = 1017
  };
  /// `fields`: the entries of both field lists (code page 936); `statement`: the caller's
  /// statement, shown read-only.
  ConditionDialog(wxWindow* parent, const std::vector<std::string>& fields,
                  const std::string& statement);
  /// The valid WHERE text (or "") after OK.
  std::string result() const { return builder_.Result(); }
  ConditionBuilder& builder() { return builder_; }

 private:
  void ShowCondition();

  ConditionBuilder builder_;
  wxListBox* left_;
  wxListBox* right_;
  wxListBox* operators_;
  wxTextCtrl* value_;
  wxTextCtrl* current_;
  wxTextCtrl* shown_;
};

}  // namespace tablora
