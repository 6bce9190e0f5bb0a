#include "ui/gui/typing_undo.h"

#include <memory>

#include <wx/textctrl.h>

#include "ui/typing_history.h"

namespace tablora {

void AttachTypingUndo(wxTextCtrl* box) {
  auto history = std::make_shared<TypingHistory>();
  history->Reset(box->GetValue().utf8_string());
  box->Bind(wxEVT_SET_FOCUS, [box, history](wxFocusEvent& event) {
    history->Reset(box->GetValue().utf8_string());
    event.Skip();
  });
  // The text is taken before each key and before each undo: whatever changed it since
  // (a key, an input method, a paste) is one step.
  box->Bind(wxEVT_KEY_DOWN, [box, history](wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const int modifiers = event.GetModifiers();
    const bool undo = key == 'Z' && modifiers == wxMOD_CONTROL;
    const bool redo = (key == 'Y' && modifiers == wxMOD_CONTROL) ||
                      (key == 'Z' && modifiers == (wxMOD_CONTROL | wxMOD_SHIFT));
    history->Changed(box->GetValue().utf8_string());
    if (!undo && !redo) {
      event.Skip();
      return;
    }
    std::string text;
    if (!(undo ? history->Undo(text) : history->Redo(text))) return;
    box->SetValue(wxString::FromUTF8(text));
    box->SetInsertionPointEnd();
  });
}

}  // namespace tablora
