// The drop-down cells of the table editor's column grid, driven by keys, clicks and the
// wheel in the real program.
#include <gtest/gtest.h>
#include <wx/bookctrl.h>
#include <wx/display.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>

#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/table_window_commands.h"
#include "app_test_support.h"
#include "base/gui/wx_text.h"
#include "base/text_codec.h"
#include "model/design.h"
#include "support/scripted_prompts.h"
#include "typed_characters.h"
#include "ui/gui/data_grid.h"
#include "ui/gui/drop_list.h"
#include "ui/gui/in_place_list.h"
#include "ui/gui/table_editor_sheet.h"

namespace tablora::testing {
namespace {

namespace fs = std::filesystem;

// Columns of the editor's grid.
constexpr int kType = 3;
constexpr int kNullable = 4;
constexpr int kPrimaryKey = 8;

/// A new table's editor sheet on its column grid, over an MS SQL Server design.
class TableEditorLists : public ::testing::Test {
 protected:
  void SetUp() override {
    kindBefore = Frame().appState().databaseKind;
    Frame().appState().databaseKind = kSqlServer;
    OpenEmptyDesign(prompts);
    prompts.databaseKinds = {kSqlServer};
    Frame().tableCommands().NewTable();
    ASSERT_TRUE(WaitFor([&] {
      TableEditorSheet* s = Frame().designWindow().Sheet(0);
      return s != nullptr && s->IsShown();
    }));
    sheet = Frame().designWindow().Sheet(0);
    sheet->GetBookCtrl()->SetSelection(1);
    sheet->Raise();
    grid = sheet->grid();
    ASSERT_TRUE(WaitFor([&] { return grid->IsShownOnScreen() && grid->GetClientSize().y > 100; }));
  }
  void TearDown() override {
    if (grid != nullptr && grid->IsEditing()) grid->EndEdit();
    Frame().SetPrompts(nullptr);
    Frame().SetSession(nullptr);
    Frame().appState().databaseKind = kindBefore;
    Frame().appState().designHasContent = false;
  }

  wxRect CellOnScreen(int row, int column) {
    grid->EnsureVisible({row, column});
    grid->Update();
    const wxRect cell = grid->CellRect({row, column});
    return wxRect(grid->ClientToScreen(cell.GetPosition()), cell.GetSize());
  }
  /// A single click: the cell is selected and the grid takes the keys.
  void SelectCell(int row, int column) {
    Click(CellOnScreen(row, column).GetPosition() + wxPoint(8, 6));
    ASSERT_TRUE(WaitFor([&] { return grid->Model().FocusCell() == CellId{row, column}; }));
  }
  InPlaceList* OpenList() {
    WaitFor([&] { return dynamic_cast<InPlaceList*>(grid->Editor()) != nullptr; });
    return dynamic_cast<InPlaceList*>(grid->Editor());
  }
  /// Opens the drop-down of a cell by a double-click and its list by the arrow, or by F4
  /// when the arrow may lie past the screen's edge.
  DropList* OpenItems(int row, int column, bool byKey = false) {
    PumpEvents(450);  // GTK takes a double-click too close to another as a triple click
    sim.MouseMove(CellOnScreen(row, column).GetPosition() + wxPoint(8, 6));
    PumpEvents(60);
    sim.MouseDblClick();
    InPlaceList* list = OpenList();
    if (list == nullptr) return nullptr;
    if (byKey) {
      sim.Char(WXK_F4);
    } else {
      const wxRect arrow = list->ArrowRect();
      Click(list->ClientToScreen(arrow.GetPosition() + wxPoint(arrow.width / 2, arrow.height / 2)));
    }
    if (!WaitFor([&] { return list->IsListShown(); })) return nullptr;
    PumpEvents(100);
    return list->List();
  }
  void Shot(const std::string& name) {
    PumpEvents(200);
    const fs::path shots = fs::path(TABLORA_BUILD_DIR) / "screenshots";
    fs::create_directories(shots);
    const std::string command = "import -window root " + (shots / (name + ".png")).string();
    EXPECT_EQ(std::system(command.c_str()), 0) << name;
  }
  std::string Cell(int row, int column) { return grid->Model().GetCellText(row, column); }

  int kindBefore = kSqlServer;
  ScriptedPrompts prompts;
  wxUIActionSimulator sim;
  TableEditorSheet* sheet = nullptr;
  DataGrid* grid = nullptr;
};

TEST_F(TableEditorLists, TheKeyThatOpensAListCellIsItsFirstCharacter) {
  const struct {
    int row;
    int column;
    const char* typed;  // ASCII keys, or one character no key carries
    int endKey;
    const char* cell;
  } cases[] = {
      {1, kType, "datetime", WXK_RETURN, "datetime"},
      {2, kType, "varchar(50)", WXK_TAB, "varchar(50)"},  // free text beside the items
      {1, kNullable, "s", WXK_RETURN, u8"是"},           // the first letter of its reading
      {2, kNullable, "F", WXK_TAB, u8"否"},
      {3, kNullable, "sf", WXK_RETURN, u8"否"},  // a later letter replaces the item
      {1, kPrimaryKey, u8"是", WXK_RETURN, u8"是"},
      {2, kPrimaryKey, u8"否", WXK_RETURN, u8"否"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    SelectCell(c.row, c.column);
    const wxString typed = wxString::FromUTF8(c.typed);
    if (typed.IsAscii()) {
      sim.Text(c.typed);
    } else {
      TypeCharacter(static_cast<unsigned>(typed[0].GetValue()));
    }
    ASSERT_TRUE(WaitFor([&] { return grid->IsEditing(); }));
    InPlaceList* list = OpenList();
    ASSERT_NE(list, nullptr) << "a list column opens a drop-down";
    WaitFor([&] { return from_wx(list->GetValue()) == Cp936(c.cell); }, 1500);
    if (c.row == 1 && c.column == kPrimaryKey) Shot("primary_key_list_typed");  // 是 readable
    sim.Char(c.endKey);
    ASSERT_TRUE(WaitFor([&] { return !grid->IsEditing(); }));
    EXPECT_EQ(Cell(c.row, c.column), Cp936(c.cell));
  }
}

TEST_F(TableEditorLists, TheTypeListShowsTwelveTypesScrollsThreeANotchAndJumpsToATypedLetter) {
  const wxRect cell = CellOnScreen(1, kType);
  DropList* items = OpenItems(1, kType);
  ASSERT_NE(items, nullptr);
  auto* list = dynamic_cast<InPlaceList*>(grid->Editor());
  EXPECT_EQ(list->GetCount(), 35u);
  EXPECT_EQ(items->ShownItems(), 12);
  EXPECT_EQ(items->GetScreenPosition().y, cell.GetBottom() + 1) << "below its cell";
  EXPECT_EQ(items->ItemRect(11).GetBottom() + 2, items->GetClientSize().y) << "twelve rows fill it";
  Shot("type_list_twelve_items");

  // The wheel (X buttons 4 and 5: the simulator has none) moves three types a notch.
  const wxRect over = items->GetScreenRect();
  sim.MouseMove(over.x + over.width / 3, over.y + over.height / 2);
  PumpEvents(60);
  for (const auto& [button, top] : {std::pair{"5", 3}, {"5", 6}, {"4", 3}}) {
    ASSERT_EQ(std::system((std::string("xdotool click ") + button).c_str()), 0);
    EXPECT_TRUE(WaitFor([&, top = top] { return items->TopItem() == top; })) << button;
  }
  // A typed letter replaces the selected text and leads to the first type with it.
  sim.Char('v');
  EXPECT_TRUE(WaitFor([&] { return items->Highlight() == 32; })) << "varbinary";
  EXPECT_GT(items->ItemRect(32).height, 0) << "scrolled into view";
  EXPECT_EQ(list->GetValue(), "v") << "the typed text stays as typed";
  sim.Char(WXK_ESCAPE);
  ASSERT_TRUE(WaitFor([&] { return !list->IsListShown(); }));
  sim.Char(WXK_ESCAPE);
  ASSERT_TRUE(WaitFor([&] { return !grid->IsEditing(); }));
  EXPECT_EQ(Cell(1, kType), "") << "Escape keeps the cell as it was";
}

TEST_F(TableEditorLists, ListsInTheScreensBottomRightCornerOpenAboveAndStayOnTheScreen) {
  // The sheet in the corner, its last columns past the screen's right edge.
  const wxRect screen = wxDisplay(0u).GetClientArea();
  const wxRect primaryKey = CellOnScreen(1, kPrimaryKey);
  const wxPoint sheetAt = sheet->GetScreenPosition();
  const int right = screen.GetRight() - (primaryKey.x + primaryKey.width / 2 - sheetAt.x);
  sheet->Move(right, screen.GetBottom() - sheet->GetSize().y + 1);
  ASSERT_TRUE(WaitFor([&] { return sheet->GetScreenPosition().x == right; }));
  // The lowest row the grid shows whole.
  int row = 1;
  while (grid->CellRect({row + 1, kPrimaryKey}).GetBottom() < grid->GetClientSize().y) ++row;

  for (const int column : {kPrimaryKey, kType}) {
    SCOPED_TRACE(column);
    const wxRect cell = CellOnScreen(row, column);
    DropList* items = OpenItems(row, column, true);
    ASSERT_NE(items, nullptr);
    auto* list = dynamic_cast<InPlaceList*>(grid->Editor());
    const wxRect shown = items->GetScreenRect();
    EXPECT_TRUE(screen.Contains(shown)) << shown.x << "," << shown.y << " " << shown.width;
    EXPECT_EQ(shown.GetBottom() + 1, list->GetScreenRect().y) << "above its cell";
    EXPECT_EQ(items->ShownItems(), column == kType ? 12 : 2);
    EXPECT_LE(list->GetRect().GetRight(), grid->GetClientSize().x - 1)
        << "the closed drop-down keeps its arrow inside the grid";
    EXPECT_EQ(list->GetScreenRect().GetBottom(), cell.GetBottom());
    Shot(column == kType ? "type_list_at_screen_corner" : "primary_key_list_at_screen_corner");
    sim.Char(WXK_ESCAPE);
    sim.Char(WXK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !grid->IsEditing(); }));
  }
}

}  // namespace
}  // namespace tablora::testing
