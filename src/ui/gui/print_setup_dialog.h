#pragma once

#include <wx/cmndata.h>
#include <wx/dialog.h>

class wxRadioButton;

namespace tablora {

/// What printing keeps for the whole run: the paper and printer chosen last, and whether a
/// design is printed on one page (fit to page) or at full size over as many pages as it needs.
struct PrintChoice {
  wxPrintData paper;
  bool fitToPage = false;
};

/// "打印设置": full size over several pages or fit to one page, and the paper (the system's
/// page setup) behind "纸张设置(&P)...".
class PrintSetupDialog : public wxDialog {
 public:
  enum { kFullSizeId = 1101, kFitId = 1102, kPaperId = 1103 };

  PrintSetupDialog(wxWindow* parent, const PrintChoice& choice);
  /// The choice as the dialog holds it (taken on OK).
  PrintChoice choice() const;

 private:
  void OnPaper(wxCommandEvent& event);
  PrintChoice choice_;
  wxRadioButton* fullSize_ = nullptr;
  wxRadioButton* fit_ = nullptr;
};

}  // namespace tablora
