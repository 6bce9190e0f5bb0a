// Starts the real application object under the (virtual) display, runs every test inside
// an active event loop, then closes the main window and shuts wx down.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <wx/evtloop.h>
#include <wx/timer.h>
#include <wx/wx.h>

#include "app/gui/document_frame.h"
#include "app/gui/main_frame.h"
#include "app/gui/subsystem_hooks.h"
#include "app/gui/tablora_app.h"
#include "app/gui/work_box.h"
#include "app_test_support.h"

wxIMPLEMENT_APP_NO_MAIN(tablora::TabloraApp);

namespace tablora::testing {

MainFrame& Frame() {
  MainFrame* frame = wxGetApp().mainFrame();
  if (frame == nullptr) {
    fprintf(stderr, "the main window is gone\n");
    abort();
  }
  return *frame;
}

void Later(std::function<void()> action, int delayMilliseconds) {
  // A one-shot timer fires inside modal loops as well.
  auto* timer = new wxTimer;
  timer->Bind(wxEVT_TIMER, [timer, action](wxTimerEvent&) {
    action();
    wxTheApp->CallAfter([timer] { delete timer; });
  });
  timer->StartOnce(delayMilliseconds);
}

void CloseAllDocuments() {
  for (int attempt = 0; attempt < 50 && !Frame().documents().empty(); ++attempt) {
    Frame().documents().back()->Close(true);
    PumpEvents(30);
  }
  if (!Frame().documents().empty()) ADD_FAILURE() << "a document window did not close";
}

void ResetToOneDesignWindow() {
  CloseAllDocuments();
  Frame().NewDocument();
  PumpEvents(50);
}

void OpenEmptyDesign(Prompts& prompts) {
  ResetToOneDesignWindow();
  Frame().SetSession(CreateDesignSession(Frame()));
  Frame().SetPrompts(&prompts);
  if (!Frame().IsWorkBoxShown()) Frame().workBox().bar()->Show();
  Frame().SendSizeEvent();
  Frame().Raise();
  PumpEvents(50);
}

bool RecordingSession::OpenScript(const std::string& target) {
  opened.push_back(target);
  if (!openSucceeds) return false;
  path = target.empty() ? chosenOpenPath : target;
  isModified = false;
  return true;
}

bool RecordingSession::SaveScript(const std::string& target) {
  saved.push_back(target);
  if (saveLog != nullptr) saveLog->push_back(target);
  if (!saveSucceeds) return false;
  path = target.empty() ? chosenSavePath : target;
  isModified = false;
  return true;
}

namespace {

/// No test inherits what another left on the main window: scripted prompts die with their
/// test (a test that stops at a failed assertion skips its own clean-up).
class ResetBetweenTests : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override {
    if (MainFrame* frame = wxGetApp().mainFrame()) frame->SetPrompts(nullptr);
  }
};

}  // namespace

}  // namespace tablora::testing

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(
      new tablora::testing::ResetBetweenTests);
  // The recent-file list must not touch the real user's configuration.
  char home[] = "/tmp/tablora_app_test_XXXXXX";
  if (mkdtemp(home) == nullptr) return 1;
  setenv("HOME", home, 1);
  wxApp::GTKAllowDiagnosticsControl();
  wxApp::GTKSuppressDiagnostics();
  if (!wxEntryStart(argc, argv)) {
    fprintf(stderr, "cannot start wx (no display?)\n");
    return 1;
  }
  // After the start: wxEntryStart drops any earlier target, and a message left for the
  // GUI log target would open a modal box at exit that nobody answers.
  delete wxLog::SetActiveTarget(new wxLogStderr);
  if (!wxTheApp->CallOnInit()) {
    fprintf(stderr, "the program did not start\n");
    return 1;
  }
  int rc = 0;
  {
    wxEventLoop loop;
    wxEventLoopActivator activate(&loop);
    tablora::testing::PumpEvents(300);
    rc = RUN_ALL_TESTS();
    if (tablora::MainFrame* frame = wxGetApp().mainFrame()) {
      frame->SetSession(nullptr);
      frame->Close(true);
      tablora::testing::PumpEvents(100);
    }
  }
  wxTheApp->OnExit();
  wxEntryCleanup();
  return rc;
}
