// The main menu's generator commands run through the real main window: the command event,
// the registered handler, the (scripted) file and folder dialogs and the real options
// dialog, answered while it is shown; the files written are compared byte for byte.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/wx.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "app/command_table.h"
#include "app/design_session.h"
#include "app/gui/command_ids.h"
#include "app/gui/main_frame.h"
#include "base/app_state.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "gen/gui/generator_commands.h"
#include "gen/gui/options_dialog.h"
#include "gen/sample_design.h"
#include "model/design.h"
#include "model/script_parser.h"
#include "support/gui_test_support.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;

/// A session that only lends its design to the generators.
class DesignOnlySession : public DesignSession {
 public:
  explicit DesignOnlySession(Design* design) : design_(design) {}
  bool OpenScript(const std::string&) override { return false; }
  bool SaveScript(const std::string&) override { return false; }
  std::string currentPath() const override { return {}; }
  bool modified() const override { return false; }
  std::vector<TableSummary> Tables() const override { return {}; }
  Design* design() override { return design_; }

 private:
  Design* design_;
};

std::string ReadBytes(const fs::path& path) {
  std::string bytes;
  EXPECT_TRUE(TextFile::ReadBytes(path.string(), bytes)) << path;
  return bytes;
}

std::string Fixture(const std::string& name) {
  return ReadBytes(fs::path(TABLORA_SOURCE_DIR) / "tests" / "data" / name);
}

/// Ticks `ids` in the options dialog once it is open, then presses OK (or Cancel).
void AnswerOptions(std::vector<int> ids, bool ok, int* dialogsSeen,
                   std::vector<bool>* shownBoxes = nullptr) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [=]() {
    OptionsDialog* dialog = nullptr;
    for (wxWindow* w : wxTopLevelWindows) {
      if (auto* d = dynamic_cast<OptionsDialog*>(w); d && d->IsModal()) dialog = d;
    }
    if (dialog == nullptr) {
      wxTheApp->CallAfter(*poll);
      return;
    }
    ++*dialogsSeen;
    if (shownBoxes != nullptr) {
      for (int id :
           {OptionsDialog::kPrefixId, OptionsDialog::kAccessorsId, OptionsDialog::kSkipTimeId}) {
        shownBoxes->push_back(dialog->FindWindow(id)->IsShown());
      }
    }
    for (int id : ids) wxDynamicCast(dialog->FindWindow(id), wxCheckBox)->SetValue(true);
    wxCommandEvent click(wxEVT_BUTTON, ok ? wxID_OK : wxID_CANCEL);
    dialog->FindWindow(ok ? wxID_OK : wxID_CANCEL)->GetEventHandler()->ProcessEvent(click);
  };
  wxTheApp->CallAfter(*poll);
}

class GenMainMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir / "beans");
    state.settings = testing::SampleTypeMaps();
    state.settings.programFolder = dir.string();
    design = std::make_unique<Design>(state, prompts, parser);
    frame = new MainFrame(state, nullptr);
    frame->SetPrompts(&prompts);
    RegisterGeneratorCommands(*frame, frame);
    frame->Show();
    testing::PumpEvents(100);
  }
  void TearDown() override {
    frame->Destroy();
    testing::PumpEvents(100);
  }

  void UseDesign(std::vector<TableDesign> tables) {
    design->definitions() = std::move(tables);
    frame->SetSession(std::make_unique<DesignOnlySession>(design.get()));
  }

  void RunMenuCommand(int id) {
    ASSERT_TRUE(frame->IsCommandEnabled(id)) << id;
    wxCommandEvent event(wxEVT_MENU, ToWxId(id));
    event.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(event);
    testing::PumpEvents(50);
  }

  testing::TempFolder folder;  ///< fresh for each test
  fs::path dir = folder.path();
  AppState state;
  testing::ScriptedPrompts prompts;
  ScriptParser parser{std::string(TABLORA_SOURCE_DIR) + "/resources"};
  std::unique_ptr<Design> design;
  MainFrame* frame = nullptr;
  int optionDialogs = 0;
};

TEST_F(GenMainMenu, CStructureOfAllTablesThroughTheMenu) {
  UseDesign(testing::SampleDesign());
  prompts.saveFiles.push_back((dir / "all.h").string());
  std::vector<bool> shown;
  AnswerOptions({OptionsDialog::kPrefixId}, true, &optionDialogs, &shown);
  RunMenuCommand(cmd::kGenCStruct);
  EXPECT_EQ(optionDialogs, 1);
  EXPECT_EQ(shown, (std::vector<bool>{true, false, false}));
  ASSERT_EQ(prompts.fileDialogs.size(), 1u);
  EXPECT_EQ(prompts.fileDialogs[0].defaultExtension, "h");
  EXPECT_EQ(ReadBytes(dir / "all.h"), Fixture("gen_c/design_prefix.h"));
  EXPECT_EQ(prompts.messages,
            std::vector<std::string>{Cp936(u8"已生成1个文件: ") + (dir / "all.h").string()});
}

TEST_F(GenMainMenu, CppClassesOfAllTablesThroughTheMenu) {
  UseDesign(testing::SampleDesign());
  prompts.saveFiles.push_back((dir / "all.hpp").string());
  std::vector<bool> shown;
  AnswerOptions({OptionsDialog::kPrefixId, OptionsDialog::kAccessorsId}, true, &optionDialogs,
                &shown);
  RunMenuCommand(cmd::kGenCppClass);
  EXPECT_EQ(shown, (std::vector<bool>{true, true, false}));
  EXPECT_EQ(ReadBytes(dir / "all.hpp"), Fixture("gen_cpp/design_prefix_accessors.hpp"));
}

TEST_F(GenMainMenu, JavaClassesOfAllTablesIntoTheChosenFolder) {
  UseDesign(testing::SampleDesign());
  prompts.folders.push_back((dir / "beans").string());
  std::vector<bool> shown;
  AnswerOptions({OptionsDialog::kAccessorsId, OptionsDialog::kSkipTimeId}, true, &optionDialogs,
                &shown);
  RunMenuCommand(cmd::kGenJavaClass);
  EXPECT_EQ(shown, (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(prompts.fileDialogs.empty());
  std::string user = ReadBytes(dir / "beans" / "TUser.java");
  // The fixture's copyright year is 2026; the menu command writes the current year.
  const std::size_t year = user.find("Copyright (c) ") + 14;
  ASSERT_NE(year, std::string::npos + 14);
  user.replace(year, 4, "2026");
  EXPECT_EQ(user, Fixture("gen_java/TUser_as.java"));
  EXPECT_TRUE(fs::exists(dir / "beans" / "TEmpty.java"));
  EXPECT_TRUE(fs::exists(dir / "beans" / "TLog.java"));
  EXPECT_EQ(prompts.messages, std::vector<std::string>{Cp936(u8"已生成3个文件: ") +
                                                       (dir / "beans").string()});
}

TEST_F(GenMainMenu, TheEncodingBoxWritesUtf8) {
  UseDesign(testing::SampleDesign());
  prompts.saveFiles.push_back((dir / "all.h").string());
  AnswerOptions({OptionsDialog::kPrefixId, OptionsDialog::kUtf8Id}, true, &optionDialogs);
  RunMenuCommand(cmd::kGenCStruct);
  EXPECT_EQ(optionDialogs, 1);
  EXPECT_EQ(ReadBytes(dir / "all.h"), TextCodec::Cp936ToUtf8(Fixture("gen_c/design_prefix.h")));
}

TEST_F(GenMainMenu, CommandsWaitForADesign) {
  for (int id : {cmd::kGenCStruct, cmd::kGenJavaClass, cmd::kGenCppClass}) {
    EXPECT_FALSE(frame->IsCommandEnabled(id)) << id;
  }
  UseDesign({});
  for (int id : {cmd::kGenCStruct, cmd::kGenJavaClass, cmd::kGenCppClass}) {
    EXPECT_TRUE(frame->IsCommandEnabled(id)) << id;
  }
}

TEST_F(GenMainMenu, CancelledOptionsAndEmptyDesignWriteNothing) {
  UseDesign(testing::SampleDesign());
  prompts.saveFiles.push_back((dir / "never.h").string());
  AnswerOptions({OptionsDialog::kPrefixId}, false, &optionDialogs);
  RunMenuCommand(cmd::kGenCStruct);
  EXPECT_EQ(optionDialogs, 1);
  EXPECT_FALSE(fs::exists(dir / "never.h"));

  UseDesign({});
  RunMenuCommand(cmd::kGenCppClass);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], Cp936(u8"没有数据!"));
  EXPECT_EQ(prompts.fileDialogs.size(), 1u);  // only the cancelled C command asked
}

}  // namespace
}  // namespace tablora
