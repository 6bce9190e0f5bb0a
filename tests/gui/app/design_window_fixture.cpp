#include "design_window_fixture.h"

#include <wx/app.h>
#include <wx/dialog.h>

#include <cstdlib>
#include <filesystem>

#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app_test_support.h"
#include "base/document_titles.h"
#include "model/design.h"
#include "ui/gui/design_canvas.h"

namespace tablora::testing {

void DesignWindowFixture::SetUp() {
  saved = Frame().appState().settings;
  Frame().appState().designHasContent = false;
}

void DesignWindowFixture::TearDown() {
  for (wxWindow* w : wxTopLevelWindows) {
    auto* dialog = dynamic_cast<wxDialog*>(w);
    if (dialog != nullptr && dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
  }
  Frame().SetPrompts(nullptr);
  Frame().SetSession(nullptr);
  Frame().appState().settings = saved;
  Frame().appState().designHasContent = false;
}

DesignCanvas* DesignWindowFixture::Canvas() { return Frame().designWindow().Canvas(); }

Design& DesignWindowFixture::TheDesign() { return *Frame().session()->design(); }

wxPoint DesignWindowFixture::Screen(int x, int y) {
  return Canvas()->ClientToScreen(Canvas()->ToClient({x, y}));
}

void DesignWindowFixture::OpenScriptFile(const std::string& path, int count) {
  Frame().FindView(DocumentTitles::DesignView());
  ASSERT_TRUE(Frame().session()->OpenScript(path));
  Frame().appState().designHasContent = true;
  Frame().RefreshDesignViews();
  ASSERT_TRUE(WaitFor(
      [&] { return Canvas()->surface() != nullptr && Canvas()->surface()->Count() == count; },
      15000));  // generous: the machine is shared
  Canvas()->Update();
  PumpEvents(100);
}

void DesignWindowFixture::Shot(const std::string& name) {
  wxYield();
  const std::filesystem::path shots = std::filesystem::path(TABLORA_BUILD_DIR) / "screenshots";
  std::filesystem::create_directories(shots);
  const std::string command = "import -window root " + (shots / (name + ".png")).string();
  EXPECT_EQ(std::system(command.c_str()), 0) << name;
}

}  // namespace tablora::testing
