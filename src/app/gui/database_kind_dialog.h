#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

class wxListBox;

namespace tablora {

/// "请选择数据库类型": lists the settings' database kinds (at most 10) with the current
/// one selected. ShowModal answers wxID_OK or wxID_CANCEL.
class DatabaseKindDialog : public wxDialog {
 public:
  /// `kindNames` are code page 936; `currentKind` is preselected when it is listed.
  DatabaseKindDialog(wxWindow* parent, const std::vector<std::string>& kindNames, int currentKind);
  /// The chosen kind (index into the list), or -1 when none is selected.
  int chosenKind() const;

 private:
  wxListBox* list_;
};

}  // namespace tablora
