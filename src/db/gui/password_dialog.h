#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

class wxChoice;
class wxTextCtrl;

namespace tablora {

class Prompts;

/// "输入密码": the kind of database and its password, for a data-link connection or an
/// MS Access file. Confirming without a kind tells the user and stays open.
class PasswordDialog : public wxDialog {
 public:
  static constexpr int kKindId = 1090;
  static constexpr int kPasswordId = 1048;

  /// `kindNames` (code page 936) fill the kind list; `kind` is preselected.
  PasswordDialog(wxWindow* parent, Prompts& prompts, const std::vector<std::string>& kindNames,
                 int kind);
  int kind() const;
  std::string password() const;  ///< code page 936

 private:
  void OnOk();

  Prompts& prompts_;
  wxChoice* kind_;
  wxTextCtrl* password_;
};

}  // namespace tablora
