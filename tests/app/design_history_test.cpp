#include "app/design_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "app/script_design_session.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace tablora {
namespace {

const char kSample[] = TABLORA_SOURCE_DIR "/resources/samples/erp70.sql";

/// The 70-table sample opened in a session without windows; saves go to a temporary folder.
class DesignUndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.settings = LoadSettingsFile(TABLORA_SOURCE_DIR "/resources");
    app_.settings.programFolder = TABLORA_SOURCE_DIR "/resources";
    session_ = std::make_unique<ScriptDesignSession>(app_, prompts_);
    ASSERT_TRUE(session_->OpenScript(kSample));
    ASSERT_EQ(design().tableCount(), 70);
  }

  Design& design() { return *session_->design(); }
  DesignHistory& history() { return *session_->history(); }

  /// The script the design saves as, with every window's rectangle and full height and
  /// the display styles (which a script does not hold).
  std::string Saved() {
    const std::string path = folder_ / ("s" + std::to_string(saves_++) + ".sql");
    EXPECT_TRUE(session_->SaveScript(path));
    std::string bytes;
    EXPECT_TRUE(TextFile::ReadBytes(path, bytes));
    for (const auto& entry : design().entries()) {
      const TableWindowState& w = entry->window;
      bytes += "\n" + std::to_string(w.left) + "," + std::to_string(w.top) + "," +
               std::to_string(w.right) + "," + std::to_string(w.bottom) + "," +
               std::to_string(w.wholeBox);
    }
    const Settings& s = app_.settings;
    bytes += "\ntables " + std::to_string(design().tableCount());
    bytes += "\nstyles " + std::to_string(s.currentHeaderStyle) + "," +
             std::to_string(s.currentColumnStyle) + "," + std::to_string(s.fitColumnWidths);
    return bytes;
  }

  void MoveWindow(int table, int dx, int dy) {
    TableWindowState& w = design().entry(table).window;
    w.left += dx;
    w.right += dx;
    w.top += dy;
    w.bottom += dy;
    design().TableWindowChanged(table);
  }
  /// An applied change of the editor sheet: the name page's comment, then the SQL page.
  void EditComment(int table, const std::string& comment) {
    TableEditor& editor = design().editor(table);
    editor.ActivatePage(TableEditor::kNamePage);
    editor.CommentChanged(comment);
    editor.ActivatePage(TableEditor::kSqlPage);
  }
  void EditCell(int table, int row, int column, const std::string& text) {
    TableEditor& editor = design().editor(table);
    editor.ActivatePage(TableEditor::kDesignPage);
    editor.grid().SetCellText(row, column, text);
    editor.ActivatePage(TableEditor::kSqlPage);
  }

  testing::TempFolder folder_;
  int saves_ = 0;
  AppState app_;
  testing::ScriptedPrompts prompts_;
  std::unique_ptr<ScriptDesignSession> session_;
};

using DesignRedoTest = DesignUndoTest;

TEST_F(DesignUndoTest, EachKindOfStepIsNamedAndUndoneAndRedoneExactly) {
  struct Case {
    const char* name;  ///< UTF-8; the step's name as the edit menu shows it
    std::function<void()> act;
  };
  const std::string first = design().definitions()[0].actualName;
  const std::string third = design().definitions()[2].actualName;
  const Case cases[] = {
      {"移动表 Address", [&] { MoveWindow(0, 40, 25); }},
      {"调整表大小 Address",
       [&] {
         design().entry(0).window.right += 30;
         design().TableWindowChanged(0);
       }},
      {"框全显示 Address",
       [&] {
         design().entry(0).window.wholeBox = true;
         design().TableWindowChanged(0);
       }},
      {"字体颜色 Address",
       [&] {
         design().entry(0).window.textColour = 0x0000FF;
         design().TableWindowChanged(0);
       }},
      {"背景颜色 Address",
       [&] {
         design().entry(0).window.bkColour = 0x00C0FF;
         design().TableWindowChanged(0);
       }},
      {"修改表 Address", [&] { EditComment(0, Cp936(u8"新的注释")); }},
      {"修改表 Address", [&] { EditCell(0, 1, 2, "AddrKey"); }},
      {"删除表 Address", [&] { design().RemoveTable(0); }},
      // The deletion above is still done: the new table is the 70th.
      {"新建表 新表70", [&] { design().AddTable(true, -1); }},
      {"修改表 Orders",
       [&] {
         design().editor(69).DisplayNameChanged("Orders");
         design().editor(69).ActivatePage(TableEditor::kSqlPage);
       }},
      {"排列",
       [&] {
         history().Begin(Cp936(u8"排列"));
         for (int i = 0; i < design().tableCount(); ++i) MoveWindow(i, 7, i);
         history().End();
       }},
      {"编辑分组 G",
       [&] {
         history().Begin(Cp936(u8"编辑分组 G"));
         for (int i : {0, 2}) {
           TableEditor& editor = design().editor(i);
           editor.ActivatePage(TableEditor::kNamePage);
           editor.GroupChanged("G");
           editor.ActivatePage(TableEditor::kSqlPage);
         }
         history().End();
       }},
      {"字段显示属性",
       [&] {
         app_.settings.currentColumnStyle = 2;
         app_.settings.fitColumnWidths = !app_.settings.fitColumnWidths;
         history().StylesChanged();
       }},
  };
  ASSERT_EQ(first, "Address");
  ASSERT_NE(third, first);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string before = Saved();
    EXPECT_FALSE(session_->modified());
    c.act();
    EXPECT_TRUE(session_->modified());
    ASSERT_TRUE(history().CanUndo());
    EXPECT_EQ(TextCodec::Cp936ToUtf8(history().UndoName()), c.name);
    const std::string after = Saved();
    ASSERT_NE(after, before);

    ASSERT_TRUE(session_->Undo());
    EXPECT_EQ(TextCodec::Cp936ToUtf8(history().RedoName()), c.name);
    EXPECT_TRUE(session_->modified());  // the save above holds the changed design
    EXPECT_EQ(Saved(), before);
    ASSERT_TRUE(session_->Redo());
    EXPECT_EQ(Saved(), after);
    EXPECT_FALSE(history().CanRedo());
  }
}

TEST_F(DesignUndoTest, TheChangedMarkFollowsTheHistoryBackToTheSavedState) {
  EXPECT_FALSE(history().CanUndo());
  MoveWindow(3, 10, 0);
  MoveWindow(4, 10, 0);
  ASSERT_TRUE(session_->modified());
  ASSERT_TRUE(session_->Undo());
  EXPECT_TRUE(session_->modified());
  ASSERT_TRUE(session_->Undo());
  EXPECT_FALSE(session_->modified());
  EXPECT_FALSE(session_->Undo());
  ASSERT_TRUE(session_->Redo());
  EXPECT_TRUE(session_->modified());

  // Saved here: the mark moves; a new step after an undo drops the steps undone, and the
  // saved state with them.
  Saved();
  EXPECT_FALSE(session_->modified());
  ASSERT_TRUE(session_->Undo());
  MoveWindow(5, 0, 10);
  EXPECT_FALSE(history().CanRedo());
  ASSERT_TRUE(session_->Undo());
  EXPECT_TRUE(session_->modified());

  // A change the history does not see (names typed, not yet applied) marks the design
  // changed until the next save, undo or redo.
  Saved();
  const std::size_t steps = history().size();
  design().editor(6).DisplayNameChanged("typing");
  EXPECT_TRUE(session_->modified());
  EXPECT_EQ(history().size(), steps);
}

TEST_F(DesignUndoTest, OpeningStartsANewHistoryAndTheOldestStepsGoPastTheLimit) {
  EXPECT_GE(history().limit(), 1000u);
  history().SetLimit(3);
  std::vector<int> lefts;
  for (int i = 0; i < 5; ++i) lefts.push_back(design().entry(i).window.left);
  for (int i = 0; i < 5; ++i) MoveWindow(i, 5, 5);
  EXPECT_EQ(history().size(), 3u);
  int undone = 0;
  while (session_->Undo()) ++undone;
  EXPECT_EQ(undone, 3);
  // The saved state went with the oldest steps: no undo reaches it now.
  EXPECT_TRUE(session_->modified());
  for (int i = 0; i < 5; ++i) EXPECT_EQ(design().entry(i).window.left, lefts[i] + (i < 2 ? 5 : 0));

  prompts_.yesNoAnswers = {true};                     // replace the design
  prompts_.yesNoCancelAnswers = {Answer::kNo};        // do not save the changes
  ASSERT_TRUE(session_->OpenScript(kSample));
  EXPECT_FALSE(history().CanUndo());
  EXPECT_FALSE(history().CanRedo());
  EXPECT_FALSE(session_->modified());
}

TEST_F(DesignUndoTest, ANewTableLetGoAsMadeLeavesNoStep) {
  MoveWindow(0, 1, 1);
  const std::size_t steps = history().size();
  const int added = design().AddTable(true, -1);
  EXPECT_EQ(history().size(), steps + 1);
  design().RemoveTable(added);
  EXPECT_EQ(history().size(), steps);
  EXPECT_EQ(TextCodec::Cp936ToUtf8(history().UndoName()), "移动表 Address");
}

// Random changes of every kind; undoing them all gives the first design byte for byte,
// redoing them all the last.
TEST_F(DesignRedoTest, RandomChangesUndoneAllAndRedoneAllGiveTheFirstAndLastDesign) {
  for (const unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::string first = Saved();
    int steps = 0;
    for (int op = 0; op < 60; ++op) {
      const int count = design().tableCount();
      const int t = pick(count);
      switch (pick(9)) {
        case 0: MoveWindow(t, pick(50) - 10, pick(50)); break;
        case 1:
          design().entry(t).window.bottom += 1 + pick(40);
          design().TableWindowChanged(t);
          break;
        case 2:
          design().entry(t).window.bkColour = random() & 0xFFFFFF;
          design().TableWindowChanged(t);
          break;
        case 3: EditComment(t, "c" + std::to_string(op)); break;
        case 4: EditCell(t, 1, 7, "note " + std::to_string(op)); break;
        case 5:
          if (count > 1) design().RemoveTable(t);
          break;
        case 6: {
          const int added = design().AddTable(true, -1);
          design().editor(added).DisplayNameChanged("new_" + std::to_string(op));
          design().editor(added).ActivatePage(TableEditor::kSqlPage);
          break;
        }
        case 7:
          history().Begin("arrange");
          for (int i = 0; i < count; i += 3) MoveWindow(i, 3, 0);
          history().End();
          break;
        case 8:
          app_.settings.currentHeaderStyle = 1 + pick(4);
          history().StylesChanged();
          break;
      }
      ++steps;
    }
    const std::string last = Saved();
    int undone = 0;
    while (session_->Undo()) ++undone;
    EXPECT_LE(undone, 2 * steps);
    EXPECT_EQ(Saved(), first);
    while (session_->Redo()) --undone;
    EXPECT_EQ(undone, 0);
    EXPECT_EQ(Saved(), last);
    // The next seed starts from here with a new history.
    history().Reset();
  }
}

}  // namespace
}  // namespace tablora
