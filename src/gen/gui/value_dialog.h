#pragma once

#include <wx/dialog.h>

#include <string>

class wxCheckBox;
class wxRadioButton;
class wxTextCtrl;

namespace tablora {

class Prompts;

/// Dialog "输入要设置的值": a value typed as a number or a string, or the current time.
class ValueDialog : public wxDialog {
 public:
  enum { kValueId = 1028, kNowId = 1029, kNumberId = 1031, kStringId = 1032 };
  /// Messages go through `prompts`.
  ValueDialog(wxWindow* parent, Prompts& prompts);
  /// The value for the statement (code page 936), valid after OK.
  const std::string& value() const { return value_; }

 private:
  void OnOk(wxCommandEvent& event);

  Prompts& prompts_;
  wxTextCtrl* text_;
  wxCheckBox* now_;
  wxRadioButton* string_;
  std::string value_;
};

}  // namespace tablora
