#pragma once

#include <wx/dialog.h>

namespace tablora {

/// The program's own message box: the text, then 确定, 是/否, 是/否/取消 or an action and
/// 关闭, in the dialog colours (applied by the application when the box opens).
class MessageDialog : public wxDialog {
 public:
  enum Buttons { kOk, kYesNo, kYesNoCancel, kOffer };

  /// An empty caption shows "Tablora"; `action` labels the first button of kOffer.
  MessageDialog(wxWindow* parent, const wxString& text, const wxString& caption, Buttons buttons,
                const wxString& action = {});
  /// ShowModal answers wxID_OK, wxID_YES, wxID_NO or wxID_CANCEL; kOffer answers wxID_YES
  /// for the action and wxID_NO for 关闭 (and Escape).

 private:
  void OnButton(wxCommandEvent& event);
};

}  // namespace tablora
