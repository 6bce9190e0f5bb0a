#include "app/gui/dialog_keys.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "app/gui/dialog_colours.h"

namespace tablora {

bool DialogKeys::LeavesEnterToDialog(const wxWindow* focus) {
  if (focus == nullptr) return false;
  if (const auto* text = wxDynamicCast(focus, wxTextCtrl)) {
    return !text->IsMultiLine() && !text->HasFlag(wxTE_PROCESS_ENTER);
  }
  if (const auto* combo = wxDynamicCast(focus, wxComboBox)) {
    return !combo->HasFlag(wxTE_PROCESS_ENTER);
  }
  return wxDynamicCast(focus, wxChoice) || wxDynamicCast(focus, wxListBox) ||
         wxDynamicCast(focus, wxCheckBox) || wxDynamicCast(focus, wxRadioButton) ||
         wxDynamicCast(focus, wxSpinCtrl);
}

bool DialogKeys::PressDefault(const wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if ((key != WXK_RETURN && key != WXK_NUMPAD_ENTER) || event.HasAnyModifiers()) return false;
  // The window the key came to: the focus as the desktop sees it.
  auto* focus = wxDynamicCast(event.GetEventObject(), wxWindow);
  if (focus == nullptr || !LeavesEnterToDialog(focus)) return false;
  auto* dialog = wxDynamicCast(wxGetTopLevelParent(focus), wxDialog);
  if (dialog == nullptr || !DialogColours::IsOwnDialog(dialog)) return false;
  auto* button = wxDynamicCast(dialog->GetDefaultItem(), wxButton);
  if (button == nullptr || !button->IsEnabled() || !button->IsShownOnScreen()) return false;
  wxCommandEvent click(wxEVT_BUTTON, button->GetId());
  click.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(click);
  return true;
}

}  // namespace tablora
