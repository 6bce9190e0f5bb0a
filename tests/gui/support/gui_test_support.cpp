#include "support/gui_test_support.h"

#include <wx/app.h>
#include <wx/listbox.h>
#include <wx/time.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace tablora::testing {

void PumpEvents(int milliseconds) {
  const wxLongLong end = wxGetLocalTimeMillis() + milliseconds;
  do {
    wxTheApp->Yield(true);
    wxMilliSleep(5);
  } while (wxGetLocalTimeMillis() < end);
  wxTheApp->Yield(true);
}

bool WaitFor(const std::function<bool()>& done, int milliseconds) {
  const wxLongLong end = wxGetLocalTimeMillis() + milliseconds;
  while (!done() && wxGetLocalTimeMillis() < end) PumpEvents(10);
  return done();
}

void Press(wxWindow& dialog, int id) {
  wxCommandEvent click(wxEVT_BUTTON, id);
  click.SetEventObject(dialog.FindWindow(id));
  dialog.FindWindow(id)->GetEventHandler()->ProcessEvent(click);
}

void Pick(wxListBox* list, const wxString& text) {
  const int i = list->FindString(text);
  ASSERT_NE(i, wxNOT_FOUND) << text;
  list->SetSelection(i);
  wxCommandEvent e(wxEVT_LISTBOX, list->GetId());
  e.SetEventObject(list);
  e.SetInt(i);
  e.SetString(text);
  list->GetEventHandler()->ProcessEvent(e);
}

void Click(wxPoint at, int button) {
  wxUIActionSimulator sim;
  sim.MouseMove(at);
  PumpEvents(60);
  sim.MouseClick(button);
  PumpEvents(150);
}

void Click(wxWindow* window) {
  ASSERT_TRUE(window != nullptr && window->IsShownOnScreen());
  const wxRect r = window->GetScreenRect();
  Click(wxPoint(r.x + r.width / 2, r.y + r.height / 2));
}

}  // namespace tablora::testing
