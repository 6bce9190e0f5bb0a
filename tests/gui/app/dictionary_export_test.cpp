// The data dictionary from the file menu and from the command line of the window program:
// the dialog, the file dialog and the design's picture in the document.
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <cstdio>
#include <filesystem>

#include "app/command_table.h"
#include "app/gui/command_ids.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app_test_support.h"
#include "base/document_titles.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "doc/gui/dictionary_dialog.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/gui/design_canvas.h"

namespace tablora::testing {
namespace {

namespace fs = std::filesystem;

std::string Output(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

std::string Read(const fs::path& path) {
  std::string bytes;
  EXPECT_TRUE(TextFile::ReadBytes(path.string(), bytes)) << path;
  return bytes;
}

void Click(wxWindow* window) {
  const wxRect rect = window->GetScreenRect();
  wxUIActionSimulator sim;
  sim.MouseMove(rect.GetLeft() + rect.GetWidth() / 2, rect.GetTop() + rect.GetHeight() / 2);
  PumpEvents(60);
  sim.MouseClick();
  PumpEvents(120);
}

/// What the dialog offered and what a test chooses in it.
struct DialogRun {
  int format = 0;
  int group = 0;
  const char* title = nullptr;  ///< typed over the proposed title; nullptr keeps it
  std::vector<std::string> groupItems = {};
  std::string proposedTitle = {};
};

/// Runs the menu command, fills the dialog as `run` says and presses OK.
bool ExportThroughTheMenu(DialogRun& run, const std::string& shot = "") {
  bool seen = false;
  int tries = 0;
  std::function<void()> poll = [&] {
    for (wxWindow* window : wxTopLevelWindows) {
      auto* dialog = dynamic_cast<DictionaryDialog*>(window);
      if (dialog == nullptr || !dialog->IsModal()) continue;
      seen = true;
      dialog->Raise();
      PumpEvents(200);
      if (!shot.empty()) {
        fs::create_directories(fs::path(TABLORA_BUILD_DIR) / "screenshots");
        std::system(("import -window root " + std::string(TABLORA_BUILD_DIR) + "/screenshots/" +
                     shot + ".png").c_str());
      }
      auto* group = wxDynamicCast(dialog->FindWindow(DictionaryDialog::kGroupId), wxChoice);
      for (const wxString& item : group->GetStrings()) run.groupItems.push_back(item.utf8_string());
      auto* title = wxDynamicCast(dialog->FindWindow(DictionaryDialog::kTitleId), wxTextCtrl);
      run.proposedTitle = title->GetValue().utf8_string();
      wxDynamicCast(dialog->FindWindow(DictionaryDialog::kFormatId), wxChoice)
          ->SetSelection(run.format);
      group->SetSelection(run.group);
      if (run.title != nullptr) {
        Click(title);
        title->SelectAll();
        wxUIActionSimulator().Text(run.title);
        PumpEvents(200);
      }
      Click(dialog->FindWindow(wxID_OK));
      if (dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
      return;
    }
    if (++tries < 50) Later(poll, 100);
  };
  Later(poll);
  EXPECT_TRUE(Frame().IsCommandEnabled(cmd::kExportDictionary));
  wxCommandEvent event(wxEVT_MENU, ToWxId(cmd::kExportDictionary));
  event.SetEventObject(&Frame());
  Frame().GetEventHandler()->ProcessEvent(event);
  PumpEvents(50);
  return seen;
}

TEST(DictionaryExportGui, FromTheFileMenuWithThePictureOfTheDesignAndFromTheCommandLine) {
  ScriptedPrompts prompts;
  OpenEmptyDesign(prompts);
  TempFolder dir;
  const fs::path design = dir.path() / "shop.sql";
  fs::copy_file(fs::path(TABLORA_SOURCE_DIR) / "tests/data/writer_sample.sql", design);
  Frame().FindView(DocumentTitles::DesignView());
  ASSERT_TRUE(Frame().session()->OpenScript(design.string()));
  Frame().appState().designHasContent = true;
  Frame().RefreshDesignViews();
  DesignCanvas* canvas = Frame().designWindow().Canvas();
  ASSERT_TRUE(WaitFor([&] { return canvas->surface() && canvas->surface()->Count() == 4; }));

  // A PDF of one group under a typed title: the picture shows the whole design.
  prompts.saveFiles.push_back((dir.path() / "sales.pdf").string());
  DialogRun pdf{3, 2, "Sales dictionary"};
  ASSERT_TRUE(ExportThroughTheMenu(pdf, "dictionary_dialog"));
  EXPECT_EQ(pdf.groupItems,
            (std::vector<std::string>{u8"全部分组", u8"其他表", u8"销售", u8"基础"}));
  EXPECT_EQ(pdf.proposedTitle, u8"shop 数据字典");
  ASSERT_EQ(prompts.fileDialogs.size(), 1u);
  EXPECT_EQ(TextCodec::Cp936ToUtf8(prompts.fileDialogs[0].title), u8"导出数据字典");
  EXPECT_EQ(prompts.fileDialogs[0].filters, std::vector<std::string>{"pdf"});
  EXPECT_EQ(prompts.fileDialogs[0].proposedName, "shop.pdf");
  const std::string pages = Output("pdftotext -q " + (dir.path() / "sales.pdf").string() + " -");
  EXPECT_EQ(pages.rfind("Sales dictionary", 0), 0u) << pages;
  const std::size_t picture = pages.find(u8"\f关系图");
  ASSERT_NE(picture, std::string::npos) << pages;
  const std::string picturePage = pages.substr(picture, pages.find('\f', picture + 1) - picture);
  EXPECT_NE(picturePage.find(u8"邮箱"), std::string::npos) << "a column of t_user: " << picturePage;
  EXPECT_EQ(pages.find(u8"实际名称: t_user"), std::string::npos) << "only the group's tables";
  EXPECT_NE(pages.find(u8"实际名称: t_order_item"), std::string::npos);

  // HTML of every group: the picture inline above the tables.
  prompts.saveFiles.push_back((dir.path() / "all.html").string());
  DialogRun html{0, 0, nullptr};
  ASSERT_TRUE(ExportThroughTheMenu(html));
  const std::string page = Read(dir.path() / "all.html");
  const std::size_t svg = page.find("<svg");
  ASSERT_NE(svg, std::string::npos);
  EXPECT_LT(svg, page.find("<main>"));
  EXPECT_NE(page.find(u8"订单明细", svg), std::string::npos);
  EXPECT_NE(page.find(u8"<title>shop 数据字典</title>"), std::string::npos);
  EXPECT_TRUE(prompts.messages.empty()) << TextCodec::Cp936ToUtf8(prompts.messages.front());

  // The window program writes it and exits: Markdown with its picture beside it.
  const fs::path md = dir.path() / "cli.md";
  const std::string command = std::string(TABLORA_BUILD_DIR) + "/tablora --export-doc " +
                              md.string() + u8" --group 基础 " + design.string() + " 2>&1";
  EXPECT_EQ(Output(command), "");
  const std::string text = Read(md);
  EXPECT_NE(text.find(u8"![关系图](cli.svg)"), std::string::npos) << text;
  EXPECT_NE(text.find(u8"### 用户 (t\\_user)"), std::string::npos) << text;
  EXPECT_EQ(text.find("t\\_order"), std::string::npos) << text;
  EXPECT_NE(Read(dir.path() / "cli.svg").find(u8"订单明细"), std::string::npos);
  Frame().SetSession(nullptr);
  Frame().SetPrompts(nullptr);
  Frame().appState().designHasContent = false;
}

}  // namespace
}  // namespace tablora::testing
