#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

class wxRadioButton;

namespace tablora {

/// "请选择数据库类型": one radio button per database kind of the settings (at most 10, ids
/// 1170 to 1179; the rest hidden), the current kind checked. ShowModal answers wxID_OK
/// ("确定") or wxID_CANCEL ("退出").
class DatabaseKindDialog : public wxDialog {
 public:
  static constexpr int kFirstKindId = 1170;
  static constexpr int kSlots = 10;

  /// `kindNames` are code page 936; `currentKind` is checked when it is listed.
  DatabaseKindDialog(wxWindow* parent, const std::vector<std::string>& kindNames, int currentKind);
  /// The index of the first checked button, or -1 when none is checked.
  int chosenKind() const;

 private:
  std::vector<wxRadioButton*> buttons_;
};

}  // namespace tablora
