#include "app/gui/dialog_colours.h"

#include <wx/checkbox.h>
#include <wx/colordlg.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/fontdlg.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/printdlg.h>
#include <wx/radiobox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/window.h>

#include "base/settings.h"

namespace tablora {

namespace {
wxColour ToWx(const Rgb& rgb) { return wxColour(rgb.red, rgb.green, rgb.blue); }

bool TakesDialogColours(wxWindow* window) {
  return wxDynamicCast(window, wxStaticText) || wxDynamicCast(window, wxCheckBox) ||
         wxDynamicCast(window, wxRadioButton) || wxDynamicCast(window, wxRadioBox) ||
         wxDynamicCast(window, wxStaticBox) || wxDynamicCast(window, wxPanel);
}
}  // namespace

DialogColours DialogColours::FromSettings(const Settings& settings) {
  return DialogColours(ToWx(Settings::ParseColour(settings.dialogBkColor)),
                       ToWx(Settings::ParseColour(settings.dialogTextColor)));
}

bool DialogColours::IsOwnDialog(const wxWindow* dialog) {
  return dialog != nullptr && !dynamic_cast<const wxFileDialogBase*>(dialog) &&
         !dynamic_cast<const wxDirDialogBase*>(dialog) &&
         !dynamic_cast<const wxColourDialog*>(dialog) &&
         !dynamic_cast<const wxFontDialogBase*>(dialog) &&
         !dynamic_cast<const wxPrintDialogBase*>(dialog) &&
         !dynamic_cast<const wxPageSetupDialogBase*>(dialog) &&
         !dynamic_cast<const wxMessageDialogBase*>(dialog);
}

void DialogColours::Apply(wxWindow* dialog) const {
  if (dialog == nullptr || !background_.IsOk()) return;
  dialog->SetBackgroundColour(background_);
  dialog->SetForegroundColour(text_);
  for (wxWindow* child : dialog->GetChildren()) {
    if (child->IsTopLevel()) continue;
    if (TakesDialogColours(child)) {
      child->SetBackgroundColour(background_);
      child->SetForegroundColour(text_);
      Apply(child);
    }
  }
  dialog->Refresh();
}

}  // namespace tablora
