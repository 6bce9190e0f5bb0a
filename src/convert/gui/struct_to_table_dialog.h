#pragma once

#include <wx/dialog.h>

#include <string>

class wxTextCtrl;

namespace tablora {

/// Dialog 167 "C++结构转成表结构设置": the structure code, a paste button, "转换" (OK) and
/// "退出" (cancel). Control ids are the resource's.
class StructToTableDialog : public wxDialog {
 public:
  enum { kPaste = 1160, kCode = 1163 };

  explicit StructToTableDialog(wxWindow* parent);

  /// The code in the box, code page 936 with CR LF line ends.
  std::string code() const;

 private:
  wxTextCtrl* code_;
};

}  // namespace tablora
