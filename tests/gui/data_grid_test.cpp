#include "ui/gui/data_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/scrolbar.h>
#include <wx/settings.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "base/text_codec.h"
#include "support/gui_test_support.h"
#include "ui/gui/drop_list.h"
#include "ui/gui/grid_renderer.h"
#include "ui/gui/in_place_list.h"
#include "ui/gui/title_tip.h"

namespace tablora {
namespace {

using testing::PumpEvents;

struct EditRecord {
  wxEventType type;
  int code;
  int row;
  int column;
  std::string text;
  int key;
};

/// A frame holding a 10 x 5 editable grid: row 0 and column 0 fixed, body columns 90
/// pixels wide, headers in Chinese. Every edit event the grid sends is recorded.
class DataGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new wxFrame(nullptr, wxID_ANY, "grid", wxPoint(0, 0), wxSize(560, 330));
    grid = new DataGrid(frame, wxID_ANY);
    GridModel& model = grid->Model();
    model.SetRowCount(10);
    model.SetColumnCount(5);
    model.SetFixedRowCount(1);
    model.SetFixedColumnCount(1);
    const char* headers[] = {u8"序号", u8"字段名称", u8"实际名称", u8"数据类型", u8"说明"};
    for (int c = 0; c < 5; ++c) {
      model.SetCell(0, c, kMaskText | kMaskFormat, Cp936(headers[c]),
                    kFormatCenter | kFormatWordBreak);
      model.SetColumnWidth(c, c == 0 ? 40 : 100);
    }
    model.SetRowHeight(0, 24);
    for (int r = 1; r < 10; ++r) model.SetCellText(r, 0, std::to_string(r));
    grid->SetEditable(true);
    frame->Bind(EVT_GRID_END_EDIT, [this](GridEditEvent& e) { Record(e); });
    frame->Bind(EVT_GRID_BEGIN_EDIT, [this](GridEditEvent& e) { Record(e); });
    grid->ModelChanged();
    frame->Show();
    frame->Raise();
    PumpEvents(300);
  }

  void TearDown() override {
    frame->Destroy();
    PumpEvents(100);
  }

  void Record(GridEditEvent& e) {
    events.push_back({e.GetEventType(), e.code, e.row, e.column, e.text, e.key});
  }

  wxPoint CellCentre(int row, int column) const {
    const wxRect rect = grid->CellRect(CellId{row, column});
    return grid->ClientToScreen(wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2));
  }

  void Click(int row, int column, int modifiers = 0) {
    sim.MouseMove(CellCentre(row, column));
    PumpEvents(50);
    if (modifiers) sim.KeyDown(0, modifiers);
    sim.MouseClick();
    if (modifiers) sim.KeyUp(0, modifiers);
    PumpEvents(100);
  }

  /// Pumps events until `done` holds or `milliseconds` pass; a loaded machine may need
  /// longer than the usual pauses.
  static bool PumpUntil(const std::function<bool()>& done, int milliseconds = 1000) {
    const wxLongLong end = wxGetLocalTimeMillis() + milliseconds;
    while (!done() && wxGetLocalTimeMillis() < end) PumpEvents(20);
    return done();
  }

  void DoubleClick(int row, int column) {
    // GTK drops a double-click that follows another one too closely.
    static wxLongLong last = 0;
    const wxLongLong wait = last + 450 - wxGetLocalTimeMillis();
    if (wait > 0) PumpEvents(static_cast<int>(wait.GetValue()));
    sim.MouseMove(CellCentre(row, column));
    PumpEvents(50);
    sim.MouseDblClick();
    PumpEvents(100);
    PumpUntil([this] { return grid->IsEditing(); }, 600);
    last = wxGetLocalTimeMillis();
  }

  void Key(int key, int modifiers = 0) {
    const bool editing = grid->IsEditing();
    sim.Char(key, modifiers);
    PumpEvents(150);
    if (editing && (key == WXK_RETURN || key == WXK_TAB || key == WXK_ESCAPE)) {
      PumpUntil([this] { return !grid->IsEditing(); });
    }
  }

  void Type(const char* text) {
    sim.Text(text);
    PumpEvents(150);
  }

  wxTextCtrl* TextEditor() const { return dynamic_cast<wxTextCtrl*>(grid->Editor()); }
  std::string Text(int row, int column) const { return grid->Model().GetCellText(row, column); }

  wxFrame* frame = nullptr;
  DataGrid* grid = nullptr;
  wxUIActionSimulator sim;
  std::vector<EditRecord> events;
};

TEST_F(DataGridTest, DoubleClickEditEndedByEnterKeepsTheTextAndNotifies) {
  grid->Model().SetCellText(2, 2, "old");
  DoubleClick(2, 2);
  ASSERT_TRUE(grid->IsEditing());
  ASSERT_NE(TextEditor(), nullptr);
  EXPECT_EQ(TextEditor()->GetId(), 8);
  EXPECT_EQ(TextEditor()->GetValue(), "old");
  EXPECT_EQ(TextEditor()->GetInsertionPoint(), 3) << "mouse start: caret at the end";
  Type("new");
  Key(WXK_RETURN);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(Text(2, 2), "oldnew");
  EXPECT_TRUE(grid->Model().Cell(2, 2)->state & kCellModified);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].type, EVT_GRID_END_EDIT);
  EXPECT_EQ(events[0].code, -106);
  EXPECT_EQ(events[0].row, 2);
  EXPECT_EQ(events[0].column, 2);
  EXPECT_EQ(events[0].text, "oldnew");
  EXPECT_EQ(events[0].key, WXK_RETURN);
  EXPECT_EQ(grid->Model().FocusCell(), (CellId{2, 2})) << "Enter stays on the cell";
  EXPECT_TRUE(grid->HasFocus());
}

TEST_F(DataGridTest, EditorTakesItsAlignmentFromTheCellFormat) {
  grid->Model().SetCell(2, 1, kMaskFormat, "", kFormatCenter | kFormatVCenter | kFormatSingleLine);
  grid->Model().SetCell(2, 2, kMaskFormat, "", kFormatRight | kFormatVCenter | kFormatSingleLine);
  DoubleClick(2, 1);
  ASSERT_NE(TextEditor(), nullptr);
  EXPECT_TRUE(TextEditor()->HasFlag(wxTE_CENTRE));
  Key(WXK_ESCAPE);
  DoubleClick(2, 2);
  ASSERT_NE(TextEditor(), nullptr);
  EXPECT_TRUE(TextEditor()->HasFlag(wxTE_RIGHT));
  Key(WXK_ESCAPE);
  DoubleClick(2, 3);
  ASSERT_NE(TextEditor(), nullptr);
  EXPECT_FALSE(TextEditor()->HasFlag(wxTE_RIGHT) || TextEditor()->HasFlag(wxTE_CENTRE));
  Key(WXK_ESCAPE);
}

TEST_F(DataGridTest, TypedCharacterReplacesTheTextAndTabMovesRight) {
  grid->Model().SetCellText(3, 1, "old");
  Click(3, 1);
  EXPECT_EQ(grid->Model().FocusCell(), (CellId{3, 1}));
  Type("x");
  ASSERT_NE(TextEditor(), nullptr);
  EXPECT_EQ(TextEditor()->GetValue(), "x");
  Type("y");
  Key(WXK_TAB);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(Text(3, 1), "xy");
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].key, WXK_TAB);
  EXPECT_EQ(grid->Model().FocusCell(), (CellId{3, 2}));
}

TEST_F(DataGridTest, EscapeRestoresTheTextTheCellHadWhenEditingBegan) {
  grid->Model().SetCellText(4, 2, "keep");
  DoubleClick(4, 2);
  ASSERT_TRUE(grid->IsEditing());
  Type("zz");
  EXPECT_EQ(TextEditor()->GetValue(), "keepzz");
  Key(WXK_ESCAPE);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(Text(4, 2), "keep");
  EXPECT_FALSE(grid->Model().Cell(4, 2)->state & kCellModified);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].text, "keep");
  EXPECT_EQ(events[0].key, WXK_ESCAPE);
}

TEST_F(DataGridTest, ArrowsEndOnlyEditsStartedByAKeyOrWithCtrl) {
  grid->Model().SetCellText(2, 1, "ab");
  DoubleClick(2, 1);
  ASSERT_TRUE(grid->IsEditing());
  Key(WXK_LEFT);
  EXPECT_TRUE(grid->IsEditing()) << "a mouse-started edit keeps the arrow for its caret";
  EXPECT_EQ(TextEditor()->GetInsertionPoint(), 1);
  Key(WXK_DOWN, wxMOD_CONTROL);
  EXPECT_FALSE(grid->IsEditing()) << "Ctrl+arrow ends any edit";
  EXPECT_EQ(grid->Model().FocusCell(), (CellId{3, 1}));

  Key(WXK_RETURN);
  ASSERT_TRUE(grid->IsEditing()) << "Enter starts an edit";
  Type("q");
  Key(WXK_DOWN);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(Text(3, 1), "q");
  EXPECT_EQ(grid->Model().FocusCell(), (CellId{4, 1}));
}

TEST_F(DataGridTest, BackspaceAndSpaceStartEditsAsTheirRulesSay) {
  grid->Model().SetCellText(2, 3, "abc");
  Click(2, 3);
  Key(WXK_BACK);
  ASSERT_NE(TextEditor(), nullptr);
  EXPECT_EQ(TextEditor()->GetValue(), "ab");
  Key(WXK_RETURN);
  EXPECT_EQ(Text(2, 3), "ab");
  Key(' ');
  ASSERT_NE(TextEditor(), nullptr);
  long from = 0;
  long to = 0;
  TextEditor()->GetSelection(&from, &to);
  EXPECT_EQ(from, 0);
  EXPECT_EQ(to, 2) << "Space selects the whole text";
  Type("z");
  Key(WXK_RETURN);
  EXPECT_EQ(Text(2, 3), "z");
}

TEST_F(DataGridTest, ClickingElsewhereEndsTheEditWithItsText) {
  DoubleClick(2, 2);
  ASSERT_TRUE(grid->IsEditing());
  Type("left");
  Click(5, 3);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(Text(2, 2), "left");
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].key, 0) << "ended by focus loss";
  EXPECT_EQ(grid->Model().FocusCell(), (CellId{5, 3}));
}

TEST_F(DataGridTest, FixedAndReadOnlyCellsAndNonEditableGridsDoNotEdit) {
  grid->Model().Cell(2, 2)->state |= kCellReadOnly;
  DoubleClick(2, 2);
  EXPECT_FALSE(grid->IsEditing());
  DoubleClick(0, 2);
  EXPECT_FALSE(grid->IsEditing());
  grid->SetEditable(false);
  DoubleClick(3, 3);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_TRUE(events.empty());
}

TEST_F(DataGridTest, EditorGrowsToTheRightWhileTyping) {
  DoubleClick(2, 1);
  ASSERT_NE(TextEditor(), nullptr);
  const int before = TextEditor()->GetSize().x;
  Type("a rather long text for a narrow cell");
  EXPECT_GT(TextEditor()->GetSize().x, before);
  EXPECT_LE(TextEditor()->GetRect().GetRight(), grid->GetClientSize().x);
  Key(WXK_RETURN);
}

TEST_F(DataGridTest, DropDownListIsFilledFromTheProvider) {
  std::vector<int> asked;
  grid->SetListProvider([&asked](int column) -> std::optional<std::vector<std::string>> {
    asked.push_back(column);
    if (column != 3) return std::nullopt;
    return std::vector<std::string>{"int", "varchar", Cp936(u8"日期")};
  });
  grid->Model().SetCellText(2, 3, "varchar");
  DoubleClick(2, 3);
  auto* list = dynamic_cast<InPlaceList*>(grid->Editor());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->GetCount(), 3u);
  EXPECT_EQ(list->GetString(2), wxString::FromUTF8(u8"日期"));
  EXPECT_EQ(list->GetSelection(), 1) << "the item equal to the cell text";
  EXPECT_EQ(list->GetPosition(), grid->CellRect(CellId{2, 3}).GetPosition());
  EXPECT_GE(list->GetSize().x, InPlaceList::WidthForItems(*list, list->GetStrings()));
  list->SetSelection(2);
  Key(WXK_RETURN);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(Text(2, 3), Cp936(u8"日期"));
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].key, WXK_RETURN);

  grid->Model().SetCellText(3, 3, "money");
  DoubleClick(3, 3);
  list = dynamic_cast<InPlaceList*>(grid->Editor());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->GetValue(), "money") << "a text that is no item is shown as it is";
  Key(WXK_ESCAPE);
  EXPECT_EQ(Text(3, 3), "money");

  DoubleClick(2, 2);
  EXPECT_NE(TextEditor(), nullptr) << "a column without a list gets a plain edit";
  Key(WXK_ESCAPE);

  DoubleClick(4, 3);
  list = dynamic_cast<InPlaceList*>(grid->Editor());
  ASSERT_NE(list, nullptr);
  list->SetSelection(0);
  Key(WXK_TAB);
  EXPECT_FALSE(grid->IsEditing()) << "Tab ends the list";
  EXPECT_EQ(Text(4, 3), "int");
  EXPECT_EQ(grid->Model().FocusCell(), (CellId{4, 4}));

  DoubleClick(5, 3);
  list = dynamic_cast<InPlaceList*>(grid->Editor());
  ASSERT_NE(list, nullptr);
  list->SetSelection(1);
  Click(7, 1);
  EXPECT_FALSE(grid->IsEditing()) << "losing the focus ends the list";
  EXPECT_EQ(Text(5, 3), "varchar");
  EXPECT_EQ(events.back().row, 5);
  EXPECT_EQ(events.back().key, 0);
  EXPECT_EQ(asked, (std::vector<int>{3, 3, 2, 3, 3}));
}

TEST_F(DataGridTest, AMouseUserOpensTheListByItsArrowAndPicksAnItem) {
  const std::vector<std::string> types = {
      "bigint", "binary", "bit",   "char",           "date",    "datetime", "decimal",
      "float",  "image",  "nchar", "ntext",          "numeric", "real",     "smallint",
      "int",    "money",  "text",  Cp936(u8"日期"), "varchar", "xml"};
  grid->SetListProvider([&types](int column) -> std::optional<std::vector<std::string>> {
    if (column != 3) return std::nullopt;
    return types;
  });
  grid->Model().SetCellText(2, 3, "int");
  auto clickAt = [this](wxWindow* window, const wxRect& rect) {
    sim.MouseMove(
        window->ClientToScreen(wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2)));
    PumpEvents(50);
    sim.MouseClick();
  };

  DoubleClick(2, 3);
  auto* list = dynamic_cast<InPlaceList*>(grid->Editor());
  ASSERT_NE(list, nullptr);
  const wxRect cell = grid->CellRect(CellId{2, 3});
  EXPECT_EQ(list->GetRect().y, cell.y);
  EXPECT_EQ(list->GetSize().y, cell.height) << "the closed list covers its row only";
  clickAt(list, list->ArrowRect());
  ASSERT_TRUE(PumpUntil([list] { return list->IsListShown(); }, 3000)) << "the arrow opens it";
  PumpEvents(200);
  EXPECT_TRUE(grid->IsEditing()) << "the open list does not end the edit";
  EXPECT_EQ(wxWindow::FindFocus(), list->TextPart());
  DropList* items = list->List();
  EXPECT_EQ(items->GetScreenPosition().y, grid->ClientToScreen(cell.GetBottomLeft()).y + 1);
  EXPECT_EQ(items->ShownItems(), 12);
  EXPECT_EQ(items->Highlight(), 14) << "the cell's item is highlighted";
  EXPECT_EQ(items->TopItem(), 3) << "and shown as the last of the twelve";
  ASSERT_TRUE(items->ItemRect(6).height > 0);
  clickAt(items, items->ItemRect(6));
  ASSERT_TRUE(PumpUntil([this] { return !grid->IsEditing(); }, 3000)) << "a picked item ends it";
  EXPECT_EQ(Text(2, 3), "decimal");
  EXPECT_TRUE(grid->HasFocus());
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].text, "decimal");

  // The grid goes on working: a plain edit by double-click, then the list again, scrolled
  // by its scroll bar to the items past the first twelve.
  DoubleClick(3, 2);
  ASSERT_NE(TextEditor(), nullptr);
  Type("ok");
  Key(WXK_RETURN);
  EXPECT_EQ(Text(3, 2), "ok");
  DoubleClick(4, 3);
  list = dynamic_cast<InPlaceList*>(grid->Editor());
  ASSERT_NE(list, nullptr);
  clickAt(list, list->ArrowRect());
  ASSERT_TRUE(PumpUntil([list] { return list->IsListShown(); }, 3000));
  items = list->List();
  EXPECT_EQ(items->TopItem(), 0) << "an empty cell starts at the top";
  auto* bar = dynamic_cast<wxScrollBar*>(items->GetChildren().front());
  ASSERT_NE(bar, nullptr);
  const wxRect track = bar->GetRect();
  clickAt(items, wxRect(track.x, track.GetBottom() - 12, track.width, 8));
  ASSERT_TRUE(PumpUntil([items] { return items->TopItem() > 0; }, 3000)) << "the bar scrolls";
  EXPECT_TRUE(grid->IsEditing());
  const int last = items->TopItem() + items->ShownItems() - 1;
  clickAt(items, items->ItemRect(last));
  ASSERT_TRUE(PumpUntil([this] { return !grid->IsEditing(); }, 3000));
  EXPECT_EQ(Text(4, 3), types[last]);
  EXPECT_GT(last, items->ShownItems() - 1);
}

TEST_F(DataGridTest, CopyAndPasteGoThroughTheClipboard) {
  grid->Model().SetCellText(1, 1, "a");
  grid->Model().SetCellText(2, 1, "c");
  grid->Model().SetCellText(2, 2, "d");
  Click(1, 1);
  Click(2, 2, wxMOD_SHIFT);
  EXPECT_EQ(grid->Model().SelectedRange(), (CellRange{1, 1, 2, 2}));
  Key('c', wxMOD_CONTROL);
  wxString copied;
  {
    wxClipboardLocker lock;
    ASSERT_FALSE(!lock);
    wxTextDataObject data;
    ASSERT_TRUE(wxTheClipboard->GetData(data));
    copied = data.GetText();
  }
  EXPECT_EQ(copied, "a\t \nc\td");

  {
    wxClipboardLocker lock;
    wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(u8"1, 名称\n3")));
  }
  PumpEvents(100);
  Click(5, 2);
  Key('v', wxMOD_CONTROL);
  EXPECT_EQ(Text(5, 2), "1");
  EXPECT_EQ(Text(5, 3), Cp936(u8"名称"));
  EXPECT_EQ(Text(6, 2), "3");
  ASSERT_EQ(events.size(), 6u);
  EXPECT_EQ(events[0].type, EVT_GRID_BEGIN_EDIT);
  EXPECT_EQ(events[0].code, -105);
  EXPECT_EQ(events[1].type, EVT_GRID_END_EDIT);
  EXPECT_EQ(events[1].code, -106);
  EXPECT_EQ(events[3].row, 5);
  EXPECT_EQ(events[3].column, 3);
  EXPECT_EQ(events[3].text, Cp936(u8"名称"));

  // A copied row pastes back as it was, commas inside its cells included.
  const std::string row[] = {"dbo.f(1,2)", Cp936(u8"主键"), Cp936(u8"是")};
  for (int c = 0; c < 3; ++c) grid->Model().SetCellText(7, c + 1, row[c]);
  grid->Refresh();
  Click(7, 1);
  Click(7, 3, wxMOD_SHIFT);
  Key('c', wxMOD_CONTROL);
  Click(8, 1);
  Key('v', wxMOD_CONTROL);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(Text(8, c + 1), c < 3 ? row[c] : "") << c;
}

TEST_F(DataGridTest, CutEmptiesTheSelectionAfterCopyingIt) {
  grid->Model().SetCellText(3, 2, "gone");
  Click(3, 2);
  Key('x', wxMOD_CONTROL);
  EXPECT_EQ(Text(3, 2), "");
  wxClipboardLocker lock;
  wxTextDataObject data;
  ASSERT_TRUE(wxTheClipboard->GetData(data));
  EXPECT_EQ(data.GetText(), "gone");
}

TEST_F(DataGridTest, RowMenuInsertsAndDeletesTheSelectedRow) {
  std::vector<std::pair<int, wxString>> shown;
  grid->SetMenuPresenter([&shown](wxMenu& menu, const wxPoint&) {
    for (const wxMenuItem* item : menu.GetMenuItems())
      shown.emplace_back(item->GetId(), item->GetItemLabel());
  });
  for (int r = 1; r < 10; ++r) grid->Model().SetCellText(r, 1, "r" + std::to_string(r));
  grid->Model().SetRowHeight(3, 33);

  sim.MouseMove(CellCentre(3, 2));
  PumpEvents(50);
  sim.MouseClick(wxMOUSE_BTN_RIGHT);
  PumpEvents(100);
  EXPECT_TRUE(shown.empty()) << "no selection: no menu";

  Click(3, 2);
  sim.MouseClick(wxMOUSE_BTN_RIGHT);
  PumpEvents(100);
  EXPECT_TRUE(shown.empty()) << "selection right of column 1: no menu";

  Click(3, 1);
  sim.MouseClick(wxMOUSE_BTN_RIGHT);
  PumpEvents(100);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0],
            std::make_pair(int(DataGrid::kIdDeleteRow), wxString::FromUTF8(u8"删除行(&D)")));
  EXPECT_EQ(shown[1],
            std::make_pair(int(DataGrid::kIdInsertRow), wxString::FromUTF8(u8"插入行(&I)")));

  wxCommandEvent insert(wxEVT_MENU, DataGrid::kIdInsertRow);
  grid->GetEventHandler()->ProcessEvent(insert);
  EXPECT_EQ(grid->Model().GetRowCount(), 11);
  EXPECT_EQ(Text(3, 1), "");
  EXPECT_EQ(Text(4, 1), "r3");
  EXPECT_EQ(grid->Model().GetRowHeight(3), 33) << "the new row takes the height of its row";

  Click(5, 1);
  wxCommandEvent remove(wxEVT_MENU, DataGrid::kIdDeleteRow);
  grid->GetEventHandler()->ProcessEvent(remove);
  EXPECT_EQ(grid->Model().GetRowCount(), 10);
  EXPECT_EQ(Text(4, 1), "r3");
  EXPECT_EQ(Text(5, 1), "r5");
}

TEST_F(DataGridTest, ScrollBarsAndWheelFollowTheScrollRules) {
  GridModel& model = grid->Model();
  model.SetRowCount(60);
  grid->ModelChanged();
  PumpEvents(100);
  const wxSize client = grid->GetClientSize();
  EXPECT_EQ(grid->GetScrollRange(wxVERTICAL), model.ContentHeight() - model.FixedRowsHeight());
  EXPECT_EQ(grid->GetScrollThumb(wxVERTICAL), client.y - model.FixedRowsHeight());
  // The columns fit: nothing to scroll sideways.
  EXPECT_LE(grid->GetScrollRange(wxHORIZONTAL), std::max(1, grid->GetScrollThumb(wxHORIZONTAL)));
  grid->ScrollTo(100, 0);
  EXPECT_EQ(grid->GetScrollOffset(), wxPoint(0, 0));

  wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
  wheel.m_wheelRotation = -120;
  wheel.m_wheelDelta = 120;
  wheel.m_linesPerAction = 3;
  wheel.SetEventObject(grid);
  grid->GetEventHandler()->ProcessEvent(wheel);
  EXPECT_EQ(grid->GetScrollOffset().y, 3 * 20) << "three rows of 20 pixels";

  grid->SetWheelScrollLines(-1);
  grid->GetEventHandler()->ProcessEvent(wheel);
  EXPECT_EQ(grid->GetScrollOffset().y, 60 + client.y - model.FixedRowsHeight()) << "one page";
  wheel.m_wheelRotation = 240;
  grid->GetEventHandler()->ProcessEvent(wheel);
  EXPECT_EQ(grid->GetScrollOffset().y, 0);
}

TEST_F(DataGridTest, KeyboardNavigationScrollsTheFocusCellIntoView) {
  grid->Model().SetRowCount(60);
  grid->ModelChanged();
  Click(1, 1);
  Key(WXK_END, wxMOD_CONTROL);
  EXPECT_EQ(grid->Model().FocusCell(), (CellId{59, 4}));
  const wxRect rect = grid->CellRect(CellId{59, 4});
  EXPECT_LE(rect.GetBottom(), grid->GetClientSize().y - 1);
  EXPECT_GE(rect.y, grid->Model().FixedRowsHeight());
  Key(WXK_HOME, wxMOD_CONTROL);
  EXPECT_EQ(grid->Model().FocusCell(), (CellId{1, 1}));
  EXPECT_EQ(grid->GetScrollOffset(), wxPoint(0, 0));
}

TEST_F(DataGridTest, TitleTipShowsTheWholeTextOfATruncatedCell) {
  if (!wxTheApp->IsActive()) GTEST_SKIP() << "the application has no focus on this display";
  const std::string longText = Cp936(u8"一个很长的字段说明文字，放不下");
  grid->Model().SetCellText(2, 4, longText);
  grid->Model().SetCellText(3, 4, "short");
  sim.MouseMove(CellCentre(3, 4));
  PumpEvents(100);
  EXPECT_FALSE(grid->GetTitleTip()->IsShownTip()) << "the text fits";
  sim.MouseMove(CellCentre(2, 4));
  PumpEvents(150);
  ASSERT_TRUE(grid->GetTitleTip()->IsShownTip());
  EXPECT_EQ(grid->GetTitleTip()->Text(), " " + to_wx(longText) + " ");
  const wxRect cell = grid->CellRect(CellId{2, 4});
  EXPECT_EQ(grid->GetTitleTip()->GetScreenPosition(), grid->ClientToScreen(cell.GetPosition()));
  EXPECT_EQ(grid->GetTitleTip()->GetSize().y, cell.height);
  EXPECT_GT(grid->GetTitleTip()->GetSize().x, cell.width);
  sim.MouseMove(CellCentre(5, 2));
  PumpEvents(150);
  EXPECT_FALSE(grid->GetTitleTip()->IsShownTip()) << "leaving the cell hides it";
  sim.MouseMove(CellCentre(2, 4));
  PumpEvents(150);
  ASSERT_TRUE(grid->GetTitleTip()->IsShownTip());
  sim.MouseClick();
  PumpEvents(150);
  EXPECT_FALSE(grid->GetTitleTip()->IsShownTip()) << "a click hides it";
  EXPECT_EQ(grid->Model().FocusCell(), (CellId{2, 4})) << "and reaches the grid";
}

/// The contrast ratio of two colours by their relative luminance (1 to 21).
double Contrast(const wxColour& a, const wxColour& b) {
  auto luminance = [](const wxColour& c) {
    auto channel = [](int v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.Red()) + 0.7152 * channel(c.Green()) + 0.0722 * channel(c.Blue());
  };
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(DataGridTest, TitleTipTextIsReadableOnItsBackground) {
  if (!wxTheApp->IsActive()) GTEST_SKIP() << "the application has no focus on this display";
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  const std::string longText = Cp936(u8"一个很长的字段说明文字，放不下");
  grid->Model().SetCellText(2, 4, longText);
  grid->Model().SetCellText(4, 4, longText);
  grid->Model().Cell(4, 4)->textColour = Rgb{255, 255, 0};
  grid->Model().Cell(4, 4)->backColour = Rgb{0, 0, 128};
  for (const int row : {2, 4}) {
    sim.MouseMove(CellCentre(5, 1));
    PumpEvents(100);
    sim.MouseMove(CellCentre(row, 4));
    ASSERT_TRUE(PumpUntil([this] { return grid->GetTitleTip()->IsShownTip(); })) << row;
    PumpEvents(300);
    // The screen as a user sees it, tip included.
    const wxString file = wxString::Format("%s/data_grid_title_tip_%d.png", TABLORA_BUILD_DIR, row);
    const wxRect area(frame->GetScreenPosition(), frame->GetSize());
    const wxString command = wxString::Format("import -window root -crop %dx%d+%d+%d %s",
                                              area.width, area.height, area.x, area.y, file);
    ASSERT_EQ(wxExecute(command, wxEXEC_SYNC | wxEXEC_NODISABLE), 0) << command;
    wxImage shot(file);
    ASSERT_TRUE(shot.IsOk());
    // Inside the tip's border: the commonest colour is the background, the ink the rest.
    const wxRect tip(grid->GetTitleTip()->GetScreenPosition() - area.GetPosition() + wxPoint(2, 2),
                     grid->GetTitleTip()->GetSize() - wxSize(4, 4));
    std::map<unsigned long, int> counts;
    for (int y = tip.y; y <= tip.GetBottom(); ++y)
      for (int x = tip.x; x <= tip.GetRight(); ++x)
        ++counts[wxColour(shot.GetRed(x, y), shot.GetGreen(x, y), shot.GetBlue(x, y)).GetRGB()];
    const auto commonest = std::max_element(counts.begin(), counts.end(),
                                            [](auto& a, auto& b) { return a.second < b.second; });
    wxColour back;
    back.SetRGB(commonest->first);
    int inked = 0;
    double best = 1;
    for (const auto& [rgb, count] : counts) {
      wxColour colour;
      colour.SetRGB(rgb);
      const double contrast = Contrast(colour, back);
      best = std::max(best, contrast);
      if (contrast >= 3) inked += count;
    }
    EXPECT_GE(best, 7.0) << "row " << row << ": text against " << back.GetAsString();
    EXPECT_GT(inked, 100) << "row " << row << ": the text is drawn";
    sim.MouseMove(CellCentre(5, 1));
    ASSERT_TRUE(PumpUntil([this] { return !grid->GetTitleTip()->IsShownTip(); }));
  }
}

TEST_F(DataGridTest, DraggingAHeaderEdgeResizesColumnsAndRows) {
  const wxRect header = grid->CellRect(CellId{0, 2});
  sim.MouseMove(grid->ClientToScreen(wxPoint(header.GetRight() + 1, header.y + 5)));
  PumpEvents(50);
  sim.MouseDown();
  PumpEvents(50);
  sim.MouseMove(grid->ClientToScreen(wxPoint(header.GetRight() + 41, header.y + 5)));
  PumpEvents(50);
  sim.MouseUp();
  PumpEvents(100);
  EXPECT_EQ(grid->Model().GetColumnWidth(2), 140);
  EXPECT_EQ(grid->Model().GetColumnWidth(1), 100);
  EXPECT_FALSE(grid->Model().SelectedRange().IsValid()) << "a resize selects nothing";

  const wxRect rowHeader = grid->CellRect(CellId{3, 0});
  sim.MouseMove(grid->ClientToScreen(wxPoint(rowHeader.x + 10, rowHeader.GetBottom() + 1)));
  PumpEvents(50);
  sim.MouseDown();
  PumpEvents(50);
  sim.MouseMove(grid->ClientToScreen(wxPoint(rowHeader.x + 10, rowHeader.GetBottom() + 16)));
  PumpEvents(50);
  sim.MouseUp();
  PumpEvents(100);
  EXPECT_EQ(grid->Model().GetRowHeight(3), 35);

  grid->SetColumnResize(false);
  const wxRect again = grid->CellRect(CellId{0, 1});
  sim.MouseMove(grid->ClientToScreen(wxPoint(again.GetRight() + 1, again.y + 5)));
  PumpEvents(50);
  sim.MouseDown();
  sim.MouseMove(grid->ClientToScreen(wxPoint(again.GetRight() + 30, again.y + 5)));
  sim.MouseUp();
  PumpEvents(100);
  EXPECT_EQ(grid->Model().GetColumnWidth(1), 100) << "resizing switched off";
}

TEST_F(DataGridTest, AKeyPressHidesTheTitleTip) {
  if (!wxTheApp->IsActive()) GTEST_SKIP() << "the application has no focus on this display";
  grid->Model().SetCellText(2, 4, "a text far too long for its narrow cell");
  Click(5, 1);
  sim.MouseMove(CellCentre(2, 4));
  PumpEvents(150);
  ASSERT_TRUE(grid->GetTitleTip()->IsShownTip());
  Key(WXK_DOWN);
  EXPECT_FALSE(grid->GetTitleTip()->IsShownTip());
  EXPECT_EQ(grid->Model().FocusCell(), (CellId{6, 1})) << "the key still reaches the grid";
}

/// A grid whose column 0 is an ordinary column: typing there drives column 1.
TEST_F(DataGridTest, ColumnOneFollowsTheTextTypedIntoColumnZero) {
  grid->Model().SetFixedColumnCount(0);
  grid->Model().SetCellText(2, 0, "");
  grid->Model().SetCellText(2, 1, "us");
  grid->Model().SetCellText(3, 1, "other");
  grid->ModelChanged();
  Click(2, 0);
  Type("u");
  EXPECT_EQ(Text(2, 1), "us") << "longer than the typed text: left alone";
  Type("ser");
  EXPECT_EQ(Text(2, 1), "user");
  Key(WXK_RETURN);
  EXPECT_EQ(Text(2, 0), "user");
  Click(3, 0);
  Type("name");
  Key(WXK_RETURN);
  EXPECT_EQ(Text(3, 1), "other");
}

TEST_F(DataGridTest, ScreenshotOfAGridBeingEdited) {
  GridModel& model = grid->Model();
  const char* rows[][4] = {
      {u8"用户编号", "user_id", "int", u8"主键"},
      {u8"用户名称", "user_name", "varchar(50)", u8"登录名，不能重复的很长的说明"},
      {u8"创建日期", "created", "datetime", ""}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) model.SetCellText(r + 1, c + 1, Cp936(rows[r][c]));
  grid->ModelChanged();
  auto save = [this](const char* name) {
    PumpEvents(300);
    // ImageMagick reads the X server's screen as it is now; the windows stay enabled so
    // that the editor keeps the focus.
    const wxRect area(frame->GetScreenPosition(), frame->GetSize());
    const wxString command =
        wxString::Format("import -window root -crop %dx%d+%d+%d %s/%s", area.width, area.height,
                         area.x, area.y, TABLORA_BUILD_DIR, name);
    EXPECT_EQ(wxExecute(command, wxEXEC_SYNC | wxEXEC_NODISABLE), 0) << command;
  };
  Click(1, 1);
  Click(2, 3, wxMOD_SHIFT);
  save("data_grid_selection.png");
  DoubleClick(2, 2);
  ASSERT_TRUE(grid->IsEditing());
  Type("_x");
  TextEditor()->AppendText(wxString::FromUTF8(u8"（登录名）"));
  EXPECT_GT(TextEditor()->GetSize().x, grid->CellRect(CellId{2, 2}).width);
  save("data_grid_editing.png");
  ASSERT_TRUE(grid->IsEditing()) << "taking the picture must not end the edit";
  Key(WXK_RETURN);
  EXPECT_EQ(Text(2, 2), "user_name_x" + Cp936(u8"（登录名）"));

  grid->SetListProvider([](int column) -> std::optional<std::vector<std::string>> {
    if (column != 3) return std::nullopt;
    return std::vector<std::string>{"bigint", "datetime", "int", "nvarchar", "varchar"};
  });
  DoubleClick(3, 3);
  auto* list = dynamic_cast<InPlaceList*>(grid->Editor());
  ASSERT_NE(list, nullptr);
  const wxRect arrow = list->ArrowRect();
  sim.MouseMove(list->ClientToScreen(wxPoint(arrow.x + arrow.width / 2, arrow.height / 2)));
  PumpEvents(50);
  sim.MouseClick();
  ASSERT_TRUE(PumpUntil([list] { return list->IsListShown(); }, 3000));
  const wxRect item = list->List()->ItemRect(2);
  sim.MouseMove(list->List()->ClientToScreen(wxPoint(item.x + 20, item.y + item.height / 2)));
  save("data_grid_drop_down.png");
  Key(WXK_ESCAPE);
  Key(WXK_ESCAPE);
}

}  // namespace
}  // namespace tablora

namespace tablora {
namespace {

/// Draws models into a memory bitmap and reads pixels back: what a table window or a
/// printout gets from the renderer without any grid window.
class GridRendererTest : public ::testing::Test {
 protected:
  GridRendererTest() {
    model.SetRowCount(3);
    model.SetColumnCount(3);
    GridColours& colours = model.Colours();
    colours.cellBack = {255, 255, 255};
    colours.cellText = {0, 0, 0};
    colours.gridBack = {128, 128, 128};
    colours.fixedBack = {200, 200, 160};
    colours.fixedText = {0, 0, 0};
    colours.gridLine = {192, 192, 192};
    for (int c = 0; c < 3; ++c) model.SetColumnWidth(c, 60);
  }

  wxImage Draw(int scrollX = 0, int scrollY = 0, wxSize size = wxSize(240, 100)) {
    wxBitmap bitmap(size.x, size.y, 24);
    {
      wxMemoryDC dc(bitmap);
      GridDrawOptions options;
      options.font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
      GridRenderer(model, options).Draw(dc, size, scrollX, scrollY);
    }
    return bitmap.ConvertToImage();
  }

  static wxColour At(const wxImage& image, int x, int y) {
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
  }

  /// Bounding box of the pixels darker than mid grey inside `area`.
  static wxRect InkBox(const wxImage& image, const wxRect& area) {
    int left = area.GetRight() + 1, right = -1, top = area.GetBottom() + 1, bottom = -1;
    for (int y = area.y; y <= area.GetBottom(); ++y) {
      for (int x = area.x; x <= area.GetRight(); ++x) {
        if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 100) {
          left = std::min(left, x);
          right = std::max(right, x);
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
      }
    }
    return right < 0 ? wxRect() : wxRect(wxPoint(left, top), wxPoint(right, bottom));
  }

  GridModel model;
};

const wxColour kLine(192, 192, 192);
const wxColour kWhite(255, 255, 255);
const wxColour kGridBack(128, 128, 128);

TEST_F(GridRendererTest, CellsGridLinesAndTheAreaOutsideTheCells) {
  const wxImage image = Draw();
  EXPECT_EQ(At(image, 10, 10), kWhite);
  EXPECT_EQ(At(image, 59, 10), kLine) << "right edge of column 0";
  EXPECT_EQ(At(image, 10, 19), kLine) << "bottom edge of row 0";
  EXPECT_EQ(At(image, 119, 50), kLine);
  EXPECT_EQ(At(image, 200, 10), kGridBack) << "right of the last column";
  EXPECT_EQ(At(image, 10, 80), kGridBack) << "below the last row";
}

TEST_F(GridRendererTest, MergedBlocksDrawOneCellWithTheOwnersText) {
  model.SetCellText(0, 0, "title");
  ASSERT_TRUE(model.MergeBlock(0, 0, 0, 2, 1));
  model.SetCell(0, 0, kMaskFormat, "", kFormatCenter | kFormatWordBreak);
  const wxImage image = Draw();
  EXPECT_EQ(At(image, 59, 10), kWhite) << "no line inside the block";
  EXPECT_EQ(At(image, 179, 10), kLine) << "the block's own right edge";
  const wxRect ink = InkBox(image, wxRect(0, 0, 179, 19));
  ASSERT_FALSE(ink.IsEmpty());
  // Centred across all three columns (180 pixels), not within the first one.
  EXPECT_NEAR(ink.x + ink.width / 2, 90, 3);
}

TEST_F(GridRendererTest, AlignmentAndWordBreakFollowTheCellFormat) {
  model.SetRowHeight(1, 60);
  model.SetCell(0, 0, kMaskText | kMaskFormat, "ab",
                kFormatRight | kFormatVCenter | kFormatSingleLine);
  model.SetCell(0, 1, kMaskText | kMaskFormat, "ab",
                kFormatLeft | kFormatVCenter | kFormatSingleLine);
  model.SetCell(1, 2, kMaskText | kMaskFormat, "aaaa bbbb cccc", kFormatWordBreak);
  model.SetCell(1, 1, kMaskText | kMaskFormat, "aaaa bbbb cccc",
                kFormatSingleLine | kFormatVCenter);
  const wxImage image = Draw();
  const wxRect right = InkBox(image, wxRect(0, 0, 59, 19));
  const wxRect left = InkBox(image, wxRect(60, 0, 59, 19));
  EXPECT_GT(right.x - 0, 20) << "right-aligned text sits at the right";
  EXPECT_LT(left.x - 60, 6) << "left-aligned text sits at the left";
  const wxRect wrapped = InkBox(image, wxRect(120, 20, 59, 59));
  const wxRect single = InkBox(image, wxRect(60, 20, 59, 59));
  EXPECT_GT(wrapped.height, 2 * single.height) << "three lines against one";
  EXPECT_LT(wrapped.y + 10, single.y) << "broken text starts at the top, single lines are centred";
}

TEST_F(GridRendererTest, CellFixedAndSelectedColours) {
  model.SetFixedRowCount(1);
  model.Cell(1, 1)->backColour = Rgb{255, 0, 0};
  model.Cell(2, 2)->state |= kCellSelected;
  const wxImage image = Draw();
  EXPECT_EQ(At(image, 10, 10), wxColour(200, 200, 160)) << "fixed row";
  EXPECT_EQ(At(image, 70, 30), wxColour(255, 0, 0)) << "the cell's own colour";
  EXPECT_EQ(At(image, 130, 50), wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
}

TEST_F(GridRendererTest, FixedRowsStayWhileTheBodyScrolls) {
  model.SetRowCount(6);
  model.SetFixedRowCount(1);
  model.Cell(0, 0)->backColour = Rgb{0, 0, 255};
  model.Cell(3, 0)->backColour = Rgb{0, 255, 0};
  const wxImage still = Draw();
  EXPECT_EQ(At(still, 10, 65), wxColour(0, 255, 0)) << "row 3 at 60..79";
  const wxImage scrolled = Draw(0, 40);
  EXPECT_EQ(At(scrolled, 10, 10), wxColour(0, 0, 255)) << "the fixed row stays";
  EXPECT_EQ(At(scrolled, 10, 25), wxColour(0, 255, 0)) << "row 3 moved up by 40";
}

}  // namespace
}  // namespace tablora
