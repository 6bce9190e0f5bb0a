// Runner for GUI tests: starts wx on the (virtual) display, runs every test inside an
// active event loop, then shuts wx down. Tests pump events with PumpEvents().
#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/wx.h>

#include "support/gui_test_support.h"

namespace {
class GuiTestApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};
}  // namespace

wxIMPLEMENT_APP_NO_MAIN(GuiTestApp);

/// A failed wx assertion fails the running test instead of opening a dialog that
/// would hang the headless run.
static void FailTestOnAssert(const wxString& file, int line, const wxString& func,
                             const wxString& cond, const wxString& msg) {
  ADD_FAILURE_AT(file.utf8_str(), line)
      << "wx assertion " << cond.utf8_str() << " in " << func.utf8_str() << ": " << msg.utf8_str();
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  wxApp::GTKAllowDiagnosticsControl();
  wxApp::GTKSuppressDiagnostics();
  wxSetAssertHandler(FailTestOnAssert);
  if (!wxEntryStart(argc, argv)) {
    fprintf(stderr, "cannot start wx (no display?)\n");
    return 1;
  }
  // After the start: wxEntryStart drops any earlier target, and a message left for the
  // GUI log target would open a modal box at exit that nobody answers.
  delete wxLog::SetActiveTarget(new wxLogStderr);
  wxTheApp->CallOnInit();
  int rc = 0;
  {
    wxEventLoop loop;
    wxEventLoopActivator activate(&loop);
    rc = RUN_ALL_TESTS();
  }
  wxTheApp->OnExit();
  wxEntryCleanup();
  return rc;
}
