#include "support/gui_test_support.h"

#include <wx/app.h>
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

}  // namespace tablora::testing
