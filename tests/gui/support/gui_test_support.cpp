#include "support/gui_test_support.h"

#include <wx/app.h>
#include <wx/listbox.h>
#include <wx/time.h>
#include <wx/utils.h>

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

}  // namespace tablora::testing
