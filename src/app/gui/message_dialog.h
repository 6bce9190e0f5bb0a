#pragma once

#include <wx/dialog.h>

namespace tablora {

/// The program's own message box: the text, then 确定, 是/否 or 是/否/取消, in the dialog
/// colours (applied by the application when the box opens).
class MessageDialog : public wxDialog {
 public:
  enum Buttons { kOk, kYesNo, kYesNoCancel };

  /// An empty caption shows "Tablora".
  MessageDialog(wxWindow* parent, const wxString& text, const wxString& caption, Buttons buttons);
  /// ShowModal answers wxID_OK, wxID_YES, wxID_NO or wxID_CANCEL.

 private:
  void OnButton(wxCommandEvent& event);
};

}  // namespace tablora
