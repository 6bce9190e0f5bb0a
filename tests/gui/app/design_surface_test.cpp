// The design view's table windows, the table editor sheet and the display styles, driven
// through the real program with mouse and keyboard.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/print.h>
#include <wx/propdlg.h>
#include <wx/scrolbar.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <regex>
#include <vector>

#include "app/command_table.h"
#include "app/gui/command_ids.h"
#include "app/gui/database_kind_dialog.h"
#include "app/gui/design_layout_commands.h"
#include "app/gui/document_frame.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/message_dialog.h"
#include "app/gui/subsystem_hooks.h"
#include "app/gui/table_window_commands.h"
#include "app/gui/wx_prompts.h"
#include "app_test_support.h"
#include "base/app_state.h"
#include "base/document_titles.h"
#include "base/gui/wx_text.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "gen/gui/options_dialog.h"
#include "gen/gui/statement_builder_dialog.h"
#include "model/design.h"
#include "model/script_opener.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/gui/colour_dialog.h"
#include "ui/gui/data_grid.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/design_picture.h"
#include "ui/gui/design_printout.h"
#include "ui/gui/display_style_sheet.h"
#include "ui/gui/drop_list.h"
#include "ui/gui/in_place_list.h"
#include "ui/gui/table_editor_sheet.h"
#include "ui/gui/title_tip.h"

namespace tablora::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadBytesOrEmpty(const std::string& path) {
  std::string bytes;
  TextFile::ReadBytes(path, bytes);
  return bytes;
}

/// A script of `count` tables t0, t1, ... with `columns` int columns each.
std::string Script(int count, int columns) {
  std::string text;
  for (int t = 0; t < count; ++t) {
    text += "CREATE TABLE [dbo].[t" + std::to_string(t) + "] (\r\n";
    for (int c = 0; c < columns; ++c) {
      text +=
          "\t[c" + std::to_string(c) + "] [int] NOT NULL" + (c + 1 < columns ? " ,\r\n" : "\r\n");
    }
    text += ") ON [PRIMARY]\r\nGO\r\n\r\n";
  }
  return text;
}

class DesignSurface : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = Frame().appState().settings;
    Frame().appState().settings.currentHeaderStyle = 2;  // 实际表名
    Frame().appState().settings.currentColumnStyle = 7;  // 实际列名 数据类型(数组大小)
    Frame().appState().settings.fitColumnWidths = false;  // the widths of the settings
    Frame().appState().designHasContent = false;
    ResetToOneDesignWindow();
    Frame().SetSession(CreateDesignSession(Frame()));
    Frame().SetPrompts(&prompts);
    Frame().Raise();
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    PumpEvents(50);
  }
  void TearDown() override {
    Frame().SetPrompts(nullptr);
    Frame().SetSession(nullptr);
    Frame().appState().settings = saved;
    Frame().appState().designHasContent = false;
    if (Frame().GetRect() != frameRect) Frame().SetSize(frameRect);
  }

  /// Opens the business sample with its columns fitted to their texts, in style `field`
  /// with both names in the titles, on a main window of 1600 x 1000 when the display
  /// holds one (the screenshots are for the record).
  void OpenBusinessSample(int field) {
    frameRect = Frame().GetRect();
    const wxSize display = wxGetDisplaySize();
    if (display.x >= 1600 && display.y >= 1000) {
      Frame().SetSize(0, 0, 1600, 1000);
      PumpEvents(200);
    }
    Settings& settings = Frame().appState().settings;
    settings.fitColumnWidths = true;
    settings.currentHeaderStyle = 3;  // 名称表名(实际表名)
    settings.currentColumnStyle = field;
    ASSERT_TRUE(OpenQuietly(std::string(TABLORA_SOURCE_DIR) + "/resources/samples/erp70.sql"));
    ASSERT_TRUE(WaitFor([&] { return AllFitted(70); }, 10000));
  }

  DesignCanvas* Canvas() { return Frame().designWindow().Canvas(); }
  Design& TheDesign() { return *Frame().session()->design(); }
  TableSurface& Surface() { return *Canvas()->surface(); }
  /// True once `count` windows are there and fitted (those out of sight only measured).
  bool AllFitted(int count) {
    if (Canvas()->surface() == nullptr || Surface().Count() != count) return false;
    for (int i = 0; i < count; ++i) {
      if (Surface().Window(i).fitDirty) return false;
    }
    return true;
  }
  /// The pairs of windows that overlap, "a/b ...".
  std::string Overlaps() {
    std::string out;
    for (int a = 0; a < Surface().Count(); ++a) {
      for (int b = a + 1; b < Surface().Count(); ++b) {
        const PixelRect ra = Surface().Rect(a);
        const PixelRect rb = Surface().Rect(b);
        if (ra.x < rb.right() && rb.x < ra.right() && ra.y < rb.bottom() && rb.y < ra.bottom())
          out += std::to_string(a) + "/" + std::to_string(b) + " ";
      }
    }
    return out;
  }
  std::vector<PixelRect> Rects() {
    std::vector<PixelRect> rects;
    for (int i = 0; i < Surface().Count(); ++i) rects.push_back(Surface().Rect(i));
    return rects;
  }
  /// Chooses field style `index` (0-based) and "列宽适应内容" in the display-style sheet by
  /// clicks, when its menu command shows it.
  void ChooseStyleLater(int index, bool fit) {
    Later(
        [this, index, fit] {
          auto* sheet = ModalDialog<DisplayStyleSheet>();
          if (sheet == nullptr) return;
          sheet->fieldChoice()->SetSelection(index);
          wxCommandEvent pick(wxEVT_CHOICE, sheet->fieldChoice()->GetId());
          pick.SetInt(index);
          sheet->fieldChoice()->GetEventHandler()->ProcessEvent(pick);
          if (sheet->fitCheck()->GetValue() != fit) Click(sheet->fitCheck());
          Click(sheet->FindWindow(wxID_OK));
        },
        300);
  }

  /// Opens a script of `count` tables and waits until their windows are fitted.
  void Open(int count, int columns) {
    const std::string path = (dir / "open.sql").string();
    ASSERT_TRUE(TextFile::WriteBytes(path, Script(count, columns)));
    ASSERT_TRUE(OpenQuietly(path));
    Canvas()->Update();
    ASSERT_TRUE(WaitFor([&] {
      return Canvas()->surface() != nullptr && Surface().Count() == count &&
             !Surface().Window(0).fitDirty;
    }));
  }
  /// Opens a script as the open command does, without adding it to the recent files
  /// (the other tests of this program count them).
  bool OpenQuietly(const std::string& path) {
    Frame().FindView(DocumentTitles::DesignView());
    if (!Frame().session()->OpenScript(path)) return false;
    Frame().appState().designHasContent = true;
    Frame().RefreshDesignViews();
    return true;
  }
  /// Screen point of a surface point.
  wxPoint Screen(int x, int y) { return Canvas()->ClientToScreen(Canvas()->ToClient({x, y})); }
  /// The colour on the screen at a surface point, "r,g,b" (read from a screenshot).
  std::string PixelAt(int x, int y) {
    Canvas()->Refresh();
    Canvas()->Update();
    PumpEvents(100);
    const wxPoint p = Screen(x, y);
    const std::string shot = (dir / "pixel.png").string();
    const std::string command = "import -window root -crop 1x1+" + std::to_string(p.x) + "+" +
                                std::to_string(p.y) + " " + shot;
    if (std::system(command.c_str()) != 0) return "no screenshot";
    wxImage image;
    if (!image.LoadFile(wxString::FromUTF8(shot), wxBITMAP_TYPE_PNG)) return "unreadable";
    return std::to_string(image.GetRed(0, 0)) + "," + std::to_string(image.GetGreen(0, 0)) + "," +
           std::to_string(image.GetBlue(0, 0));
  }
  void Drag(wxPoint from, wxPoint to) {
    sim.MouseMove(from);
    PumpEvents(50);
    sim.MouseDown();
    PumpEvents(50);
    const int steps = 4;
    for (int i = 1; i <= steps; ++i) {
      sim.MouseMove(from + (to - from) * i / steps);
      PumpEvents(30);
    }
    sim.MouseUp();
    PumpEvents(80);
  }

  /// A left click on the middle of a screen rectangle.
  void ClickAt(const wxRect& screen) {
    sim.MouseMove(screen.x + screen.width / 2, screen.y + screen.height / 2);
    PumpEvents(60);
    sim.MouseClick();
    PumpEvents(120);
  }
  void ClickOn(wxWindow* window) {
    ASSERT_NE(window, nullptr);
    ClickAt(window->GetScreenRect());
  }
  /// Clicks the tab of page `page` of the sheet's book (found by hit-testing its tab row).
  void ClickOnTab(wxPropertySheetDialog& sheet, int page) {
    wxBookCtrlBase* book = sheet.GetBookCtrl();
    const wxRect pageRect = book->GetPage(0)->GetRect();
    for (int y = 2; y < pageRect.y; y += 3) {
      for (int x = 2; x < book->GetClientSize().x; x += 4) {
        if (book->HitTest(wxPoint(x, y)) != page) continue;
        ClickAt(wxRect(book->ClientToScreen(wxPoint(x + 6, y + 3)), wxSize(1, 1)));
        return;
      }
    }
    ADD_FAILURE() << "no tab for page " << page;
  }
  void DoubleClickCell(DataGrid& grid, int row, int column) {
    // GTK takes a double-click that follows another one too closely as a triple click.
    PumpEvents(450);
    const wxRect cell = grid.CellRect({row, column});
    ASSERT_FALSE(cell.IsEmpty()) << "cell " << row << "," << column << " is scrolled away";
    sim.MouseMove(
        grid.ClientToScreen(cell.GetPosition() + wxPoint(cell.width / 2, cell.height / 2)));
    PumpEvents(60);
    sim.MouseDblClick();
    PumpEvents(120);
  }
  /// Opens the cell's drop-down by its arrow and clicks `item` (code page 936), scrolling
  /// the list by clicks on its scroll bar until the item shows.
  void PickFromList(DataGrid& grid, int row, int column, const std::string& item) {
    DoubleClickCell(grid, row, column);
    ASSERT_TRUE(WaitFor([&] { return dynamic_cast<InPlaceList*>(grid.Editor()) != nullptr; }))
        << "no drop-down in " << row << "," << column;
    auto* list = dynamic_cast<InPlaceList*>(grid.Editor());
    const int index = list->GetStrings().Index(to_wx(item));
    ASSERT_NE(index, wxNOT_FOUND) << item;
    ClickAt(
        wxRect(list->ClientToScreen(list->ArrowRect().GetPosition()), list->ArrowRect().GetSize()));
    ASSERT_TRUE(WaitFor([&] { return list->IsListShown(); })) << "the arrow opens the list";
    DropList* items = list->List();
    // The wheel over the list (X buttons 4 and 5; the simulator has no wheel).
    const wxRect listRect = items->GetScreenRect();
    sim.MouseMove(listRect.x + listRect.width / 3, listRect.y + listRect.height / 2);
    PumpEvents(60);
    for (int notches = 0; items->ItemRect(index).height == 0 && notches < 40; ++notches) {
      const std::string button = items->TopItem() > index ? "4" : "5";
      ASSERT_EQ(std::system(("xdotool click " + button).c_str()), 0);
      PumpEvents(60);
    }
    const wxRect shown = items->ItemRect(index);
    ASSERT_GT(shown.height, 0) << item << " never scrolled into view";
    ClickAt(wxRect(items->ClientToScreen(shown.GetPosition()), shown.GetSize()));
    ASSERT_TRUE(WaitFor([&] { return !grid.IsEditing(); })) << "a picked item ends the edit";
  }
  void Shot(const std::string& name) {
    wxYield();
    const fs::path shots = fs::path(TABLORA_BUILD_DIR) / "screenshots";
    fs::create_directories(shots);
    const std::string command = "import -window root " + (shots / (name + ".png")).string();
    EXPECT_EQ(std::system(command.c_str()), 0) << name;
  }

  Settings saved;
  wxRect frameRect = Frame().GetRect();
  ScriptedPrompts prompts;
  wxUIActionSimulator sim;
  TempFolder folder;  ///< fresh for each test
  fs::path dir = folder.path();
};

TEST_F(DesignSurface, NewTableThroughCtrlNFilledByMouseInTheSheetShowsInItsWindow) {
  // The real kind chooser, answered by clicks: MS SQL Server instead of the checked kind.
  const int kindBefore = Frame().appState().databaseKind;
  Frame().appState().databaseKind = kAccess;
  Frame().SetPrompts(nullptr);
  bool chooserSeen = false;
  Later(
      [&] {
        auto* chooser = ModalDialog<DatabaseKindDialog>();
        if (chooser == nullptr) return;
        chooserSeen = true;
        EXPECT_EQ(chooser->chosenKind(), kAccess) << "the current kind comes checked";
        Shot("kind_chooser");
        ClickOn(chooser->FindWindow(DatabaseKindDialog::kFirstKindId + kSqlServer));
        Later([&] { ClickOn(ModalDialog<DatabaseKindDialog>()->FindWindow(wxID_OK)); }, 300);
      },
      800);
  const wxRect client = Canvas()->GetScreenRect();
  sim.MouseMove(client.GetLeft() + client.GetWidth() / 2, client.GetTop() + client.GetHeight() / 2);
  Canvas()->SetFocus();
  PumpEvents(100);
  sim.Char('N', wxMOD_CONTROL);
  const bool sheetShown = WaitFor(
      [&] {
        TableEditorSheet* sheet = Frame().designWindow().Sheet(0);
        return sheet != nullptr && sheet->IsShown();
      },
      8000);
  Frame().SetPrompts(&prompts);
  const int chosenKind = Frame().appState().databaseKind;
  Frame().appState().databaseKind = kindBefore;
  ASSERT_TRUE(sheetShown);
  EXPECT_TRUE(chooserSeen);
  EXPECT_EQ(chosenKind, kSqlServer);
  Frame().appState().databaseKind = kSqlServer;
  EXPECT_TRUE(Frame().appState().designHasContent);
  TableEditorSheet& sheet = *Frame().designWindow().Sheet(0);
  EXPECT_EQ(sheet.GetTitle(), wxString::FromUTF8(u8"表属性对话框"));
  ASSERT_EQ(sheet.GetBookCtrl()->GetPageCount(), 3u);

  // The display name typed key by key; the actual name follows.
  ClickOn(sheet.displayNameBox());
  sim.Text("t_order");
  ASSERT_TRUE(WaitFor([&] { return sheet.displayNameBox()->GetValue() == "t_order"; }));
  EXPECT_EQ(sheet.actualNameBox()->GetValue(), "t_order");
  EXPECT_EQ(TheDesign().editor(0).names().actualName, "t_order");

  // Two columns: the names typed, the type and yes/no columns picked from their lists by mouse.
  ClickOnTab(sheet, 1);
  ASSERT_TRUE(WaitFor([&] { return sheet.GetBookCtrl()->GetSelection() == 1; }));
  DataGrid& grid = *sheet.grid();
  const auto typeInto = [&](int row, int column, const char* text) {
    DoubleClickCell(grid, row, column);
    ASSERT_TRUE(WaitFor([&] { return grid.IsEditing(); }));
    sim.Text(text);
    sim.Char(WXK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !grid.IsEditing(); }));
  };
  typeInto(1, 1, "id");
  PickFromList(grid, 1, 3, "int");
  PickFromList(grid, 1, 5, Cp936(u8"是"));  // identity
  typeInto(2, 1, "note");
  PickFromList(grid, 2, 3, "varchar");
  PickFromList(grid, 2, 4, Cp936(u8"是"));  // nullable
  const auto& rows = TheDesign().editor(0).grid();
  EXPECT_EQ(rows.GetCellText(1, 1), "id");
  EXPECT_EQ(rows.GetCellText(1, 3), "int");
  EXPECT_EQ(rows.GetCellText(1, 5), Cp936(u8"是"));
  EXPECT_EQ(rows.GetCellText(2, 3), "varchar");
  EXPECT_EQ(rows.GetCellText(2, 4), Cp936(u8"是"));
  EXPECT_TRUE(grid.HasFocus()) << "the grid takes further keys";

  // The SQL page, chosen by its tab, builds the text; closing applies it and hides the sheet.
  ClickOnTab(sheet, 2);
  ASSERT_TRUE(WaitFor([&] { return sheet.GetBookCtrl()->GetSelection() == 2; }));
  const wxString sql = sheet.sqlBox()->GetValue();
  EXPECT_TRUE(sql.Contains("CREATE TABLE [dbo].[t_order]")) << sql;
  EXPECT_TRUE(sql.Contains("[id] [int] IDENTITY")) << sql;
  EXPECT_TRUE(sql.Contains("[note] [varchar] NULL")) << sql;
  sheet.Close();
  ASSERT_TRUE(WaitFor([&] { return !sheet.IsShown(); }));
  ASSERT_EQ(TheDesign().definitions().size(), 1u);
  ASSERT_EQ(TheDesign().definitions()[0].columns.size(), 2u);
  EXPECT_FALSE(TheDesign().definitions()[0].columns[0].identity.empty());
  EXPECT_TRUE(TheDesign().definitions()[0].columns[1].nullable);

  // The window shows the columns in the current style: actual name, then type.
  Canvas()->Refresh();
  ASSERT_TRUE(WaitFor([&] {
    return Surface().Window(0).grid.GetRowCount() == 3 && !Surface().Window(0).fitDirty;
  }));
  const GridModel& shown = Surface().Window(0).grid;
  EXPECT_EQ(shown.GetCellText(0, 0), "t_order");
  EXPECT_EQ(shown.GetCellText(1, 0), "id");
  EXPECT_EQ(shown.GetCellText(1, 1), "int");
  EXPECT_EQ(shown.GetCellText(2, 0), "note");
  EXPECT_EQ(shown.GetCellText(2, 1), "varchar");
}

TEST_F(DesignSurface, TypedSqlWithoutATableIsKeptWithAMessage) {
  prompts.databaseKinds = {kSqlServer};
  Frame().tableCommands().NewTable();
  TableEditorSheet& sheet = *Frame().designWindow().Sheet(0);
  sheet.displayNameBox()->SetValue("t");  // a change event like typing
  sheet.GetBookCtrl()->SetSelection(2);
  PumpEvents(50);
  sheet.sqlBox()->SetValue("select 1");
  sheet.ApplyText();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(TextCodec::Cp936ToUtf8(prompts.messages[0]), u8"不是表的SQL脚本文件!");
  EXPECT_EQ(sheet.sqlBox()->GetValue(), "select 1");
  sheet.Close();
  PumpEvents(50);
  EXPECT_TRUE(sheet.IsShown());
  EXPECT_EQ(prompts.messages.size(), 2u);
  sheet.Hide();
}

TEST_F(DesignSurface, DragMovesByTheMouseDeltaAndPutsTheWindowOnTop) {
  Open(2, 3);
  Surface().SetRect(0, {20, 20, Surface().Rect(0).width, Surface().Rect(0).height});
  Surface().SetRect(1, {60, 40, Surface().Rect(1).width, Surface().Rect(1).height});
  TheDesign().entry(0).window.bkColour = 0x000000FF;  // red
  TheDesign().entry(1).window.bkColour = 0x00FF0000;  // blue
  Canvas()->TableChanged(0);
  Canvas()->TableChanged(1);
  EXPECT_TRUE(WaitFor([&] { return !Surface().Window(1).fitDirty; }));
  ASSERT_EQ(Surface().HitTest(70, 50).table, 1);
  EXPECT_EQ(PixelAt(64, 44), "0,0,255");

  const PixelRect before = Surface().Rect(0);
  Drag(Screen(before.x + 30, before.y + 10), Screen(before.x + 30 + 37, before.y + 10 + 23));
  const PixelRect after = Surface().Rect(0);
  EXPECT_EQ(after.x, before.x + 37);
  EXPECT_EQ(after.y, before.y + 23);
  EXPECT_EQ(Surface().ZOrder().back(), 0);
  EXPECT_EQ(Surface().HitTest(after.x + 5, after.y + 5).table, 0);
  // Where the two overlap, window 0's colour is drawn now.
  EXPECT_EQ(PixelAt(after.x + 4, after.y + 4), "255,0,0");
}

TEST_F(DesignSurface, TheRightEdgeResizesAndDoubleClickTogglesTheWholeBox) {
  Open(1, 20);
  const PixelRect start = Surface().Rect(0);
  EXPECT_EQ(start.height, Frame().appState().settings.tableWinHeight);
  sim.MouseMove(Screen(start.x + start.width - 1, start.y + 40));
  PumpEvents(80);
  EXPECT_EQ(Surface().HitTest(start.x + start.width - 1, start.y + 40).zone, SurfaceZone::kRight);
  Drag(Screen(start.x + start.width - 1, start.y + 40),
       Screen(start.x + start.width + 49, start.y + 40));
  EXPECT_EQ(Surface().Rect(0).width, start.width + 50);
  EXPECT_EQ(Surface().Rect(0).height, start.height);

  const wxPoint inside = Screen(start.x + 20, start.y + 30);
  PumpEvents(600);  // the resize's press must not pair with the next one
  sim.MouseMove(inside);
  PumpEvents(50);
  sim.MouseDblClick();
  ASSERT_TRUE(WaitFor([&] { return Surface().Window(0).wholeBox; }));
  EXPECT_EQ(Surface().Rect(0).height, Surface().Window(0).grid.ContentHeight() + 5);
  EXPECT_GT(Surface().Rect(0).height, start.height);
  PumpEvents(1000);  // beyond the double-click time: the next press is not a triple click
  sim.MouseDblClick();
  ASSERT_TRUE(WaitFor([&] { return !Surface().Window(0).wholeBox; }));
  EXPECT_EQ(Surface().Rect(0).height, start.height);
}

TEST_F(DesignSurface, AStyleChangeRebuildsEveryWindowAndIsWrittenToTheSettings) {
  Open(3, 2);
  const std::string ini = (dir / "Tablora.ini").string();
  Frame().appState().settings.settingsPath = ini;
  const int drawsBefore = Canvas()->drawCount();
  ASSERT_EQ(Surface().Window(2).grid.GetColumnCount(), 2);
  Later(
      [] {
        for (wxWindow* w : wxTopLevelWindows) {
          auto* sheet = dynamic_cast<DisplayStyleSheet*>(w);
          if (sheet == nullptr || !sheet->IsModal()) continue;
          sheet->fieldChoice()->SetSelection(
              4);  // 名称列名 实际列名 数据类型(数组大小) 是否为空 ...
          wxCommandEvent pick(wxEVT_CHOICE, sheet->fieldChoice()->GetId());
          pick.SetInt(4);
          sheet->fieldChoice()->GetEventHandler()->ProcessEvent(pick);
          sheet->EndModal(wxID_OK);
        }
      },
      300);
  ASSERT_TRUE(Frame().IsCommandEnabled(cmd::kDisplayStyles));
  wxCommandEvent command(wxEVT_MENU, ToWxId(cmd::kDisplayStyles));
  Frame().GetEventHandler()->ProcessEvent(command);
  EXPECT_EQ(Frame().appState().settings.currentColumnStyle, 5);
  ASSERT_TRUE(WaitFor([&] {
    for (int i = 0; i < 3; ++i) {
      if (Surface().Window(i).grid.GetColumnCount() != 7 || Surface().Window(i).fitDirty)
        return false;
    }
    return true;
  }));
  // Wider, the windows moved apart: those still in sight were drawn again.
  const wxPoint origin = Canvas()->ToSurface({0, 0});
  const wxSize client = Canvas()->GetClientSize();
  const std::size_t shown = Surface().VisibleIn({origin.x, origin.y, client.x, client.y}).size();
  EXPECT_GE(shown, 2u);
  EXPECT_GE(Canvas()->drawCount(), drawsBefore + static_cast<int>(shown));
  EXPECT_NE(ReadBytesOrEmpty(ini).find("DefaultType=5"), std::string::npos);
}

TEST_F(DesignSurface, SaveThenOpenRestoresPositionsAndColours) {
  Open(3, 2);
  Surface().SetRect(1, {333, 222, Surface().Rect(1).width, Surface().Rect(1).height});
  TheDesign().entry(2).window.bkColour = 0x00123456;
  TheDesign().entry(2).window.textColour = 0x00654321;
  const std::string path = (dir / "saved.sql").string();
  ASSERT_TRUE(Frame().session()->SaveScript(path));
  Frame().SetSession(CreateDesignSession(Frame()));
  ASSERT_TRUE(OpenQuietly(path));
  ASSERT_TRUE(WaitFor([&] { return Canvas()->surface() && Surface().Count() == 3; }));
  EXPECT_EQ(Surface().Rect(1).x, 333);
  EXPECT_EQ(Surface().Rect(1).y, 222);
  EXPECT_EQ(TheDesign().entry(2).window.bkColour, 0x00123456u);
  EXPECT_EQ(TheDesign().entry(2).window.textColour, 0x00654321u);
  ASSERT_TRUE(WaitFor([&] { return !Surface().Window(2).fitDirty; }));
  EXPECT_EQ(Surface().Window(2).grid.Colours().cellBack, (Rgb{0x56, 0x34, 0x12}));
}

TEST_F(DesignSurface, TheWindowMenuListsEveryCommandAndRunsTheGeneratorsForItsTable) {
  Open(2, 2);
  std::unique_ptr<wxMenu> menu = Canvas()->BuildTableMenu(1);
  std::vector<std::pair<int, bool>> items;
  for (wxMenuItem* item : menu->GetMenuItems()) {
    if (!item->IsSeparator())
      items.push_back({item->GetId() + DesignCanvas::kMenuIdBase, item->IsEnabled()});
  }
  ASSERT_EQ(items.size(), TableMenuCommands().size());
  EXPECT_EQ(menu->FindItem(32833 - DesignCanvas::kMenuIdBase)->GetItemLabel(),
            wxString::FromUTF8(u8"保存创建表的SQL语句(&M)"));
  std::vector<int> enabled;
  for (const auto& [id, on] : items) {
    if (on) enabled.push_back(id);
  }
  EXPECT_EQ(enabled, (std::vector<int>{32772, 32779, 32805, 32816, 32810, 32775, 32776, 32781,
                                       32815, 32813, 32814, 32784, 32801, 32829, 32830, 32832,
                                       32831, 32819, 32820, 32827, 32833, 32850}));

  // A statement command opens a builder on the window's table.
  Frame().tableCommands().RunTableCommand(32830, 1);
  PumpEvents(100);
  StatementBuilderDialog* builder = nullptr;
  for (wxWindow* w : wxTopLevelWindows) {
    if (auto* d = dynamic_cast<StatementBuilderDialog*>(w)) builder = d;
  }
  ASSERT_NE(builder, nullptr);
  EXPECT_EQ(builder->shownStatement(), "DELETE FROM t1");
  builder->Destroy();

  // The three generators, each chosen from the window's popup menu (opened by a right
  // click on the window) by its mnemonic key, write their files for table 1 only.
  Frame().appState().settings.programFolder = dir.string();
  const PixelRect window1 = Surface().Rect(1);
  struct Generated {
    char key;
    std::string file;
    std::string holds;
  };
  for (const Generated& g : std::vector<Generated>{{'c', "t1.h", "typedef struct"},
                                                   {'j', "T1.java", "public class t1"},
                                                   {'d', "t1.hpp", "class"}}) {
    prompts.saveFiles.push_back((dir / g.file).string());
    // The menu runs its own loop, where the test's timers do not fire: once it opens, another
    // process types the key (and Escape, should the key not have closed it; that process is
    // ended once the file is there). Once the menu closes, the generator asks for its
    // options: a timer answers OK.
    const std::string pidFile = (dir / "keys.pid").string();
    const std::string keys = "(sleep 1; xdotool key " + std::string(1, g.key) +
                             "; sleep 6; xdotool key Escape) >/dev/null 2>&1 & echo $! >" + pidFile;
    int menusOpened = 0;
    auto optionsSeen = std::make_shared<bool>(false);
    auto answer = std::make_shared<std::function<void()>>();
    const wxLongLong giveUp = wxGetLocalTimeMillis() + 15000;
    *answer = [answer, giveUp, optionsSeen] {
      if (auto* d = ModalDialog<OptionsDialog>()) {
        *optionsSeen = true;
        d->EndModal(wxID_OK);
      } else if (wxGetLocalTimeMillis() < giveUp) {
        Later(*answer, 100);
      }
    };
    const auto typeKey = [&](wxMenuEvent& event) {
      if (++menusOpened == 1) {
        EXPECT_EQ(std::system(keys.c_str()), 0);
      }
      event.Skip();
    };
    const auto answerOptions = [&](wxMenuEvent& event) {
      Later(*answer, 100);
      event.Skip();
    };
    Canvas()->Bind(wxEVT_MENU_OPEN, typeKey);
    Canvas()->Bind(wxEVT_MENU_CLOSE, answerOptions);
    sim.MouseMove(Screen(window1.x + 20, window1.y + 30));
    PumpEvents(80);
    sim.MouseClick(wxMOUSE_BTN_RIGHT);
    const bool wrote = WaitFor([&] { return fs::exists(dir / g.file); }, 12000);
    if (const int typist = std::atoi(ReadBytesOrEmpty(pidFile).c_str()); typist > 0) {
      kill(typist, SIGKILL);
    }
    Canvas()->Unbind(wxEVT_MENU_OPEN, typeKey);
    Canvas()->Unbind(wxEVT_MENU_CLOSE, answerOptions);
    ASSERT_TRUE(wrote) << g.file;
    EXPECT_EQ(menusOpened, 1);
    EXPECT_TRUE(*optionsSeen) << g.file;
    const std::string text = ReadBytesOrEmpty((dir / g.file).string());
    EXPECT_NE(text.find(g.holds), std::string::npos) << g.file << ":\n" << text;
    EXPECT_NE(text.find("c0"), std::string::npos) << g.file;
    EXPECT_EQ(text.find("t0"), std::string::npos) << g.file;
    EXPECT_EQ(text.find("T0"), std::string::npos) << g.file;
    PumpEvents(100);
  }
  EXPECT_TRUE(prompts.saveFiles.empty());
  EXPECT_EQ(prompts.fileDialogs.back().proposedName, "t1.hpp");

  // One table's script, proposed under its own name; the design keeps its path.
  const std::string designPath = Frame().session()->currentPath();
  prompts.saveFiles.push_back((dir / "one.txt").string());
  Frame().tableCommands().RunTableCommand(32833, 1);
  const std::string one = ReadBytesOrEmpty((dir / "one.txt").string());
  EXPECT_NE(one.find("[t1]"), std::string::npos);
  EXPECT_EQ(one.find("[t0]"), std::string::npos);
  EXPECT_EQ(prompts.fileDialogs.back().proposedName, "t1.txt");
  EXPECT_EQ(Frame().session()->currentPath(), designPath);
}

std::string CommandOutput(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

TEST_F(DesignSurface, PicturesOfTheWholeDesignInEveryFormat) {
  const std::string path = (dir / "chinese.sql").string();
  ASSERT_TRUE(
      TextFile::WriteBytes(path, Cp936(u8"CREATE TABLE [dbo].[用户表] (\r\n\t[编号] [int] NOT "
                                       u8"NULL\r\n) ON [PRIMARY]\r\nGO\r\n\r\n") +
                                     Script(2, 25)));
  ASSERT_TRUE(OpenQuietly(path));
  ASSERT_TRUE(WaitFor([&] { return Canvas()->surface() && Surface().Count() == 3; }));
  ASSERT_TRUE(WaitFor([&] {
    return !Surface().Window(0).fitDirty && !Surface().Window(1).fitDirty &&
           !Surface().Window(2).fitDirty;
  }));
  const std::string png = (dir / "design.png").string();
  const std::string pdf = (dir / "design.pdf").string();
  const std::string svg = (dir / "design.svg").string();
  std::string error;
  for (const std::string& file : {png, pdf, svg}) {
    EXPECT_TRUE(DesignPicture::Export(file, Surface(), Frame().appState(), &error))
        << file << error;
  }
  // The three windows share the first row; the two of 25 columns are cut on the surface and
  // drawn whole: as tall as their rows, without the scroll bar's width.
  ASSERT_EQ(Surface().Rect(2).y, 0);
  int right = 0;
  int bottom = 0;
  for (int i = 0; i < 3; ++i) {
    const GridModel& grid = Surface().Window(i).grid;
    right = std::max(right, Surface().Rect(i).x + grid.ContentWidth() + 5);
    bottom = std::max(bottom, grid.ContentHeight() + 5);
  }
  ASSERT_GT(bottom, Surface().Bottom());
  wxImage image;
  ASSERT_TRUE(image.LoadFile(wxString::FromUTF8(png), wxBITMAP_TYPE_PNG));
  EXPECT_EQ(image.GetWidth(), right + 10);
  EXPECT_EQ(image.GetHeight(), bottom + 10);
  // A window's background at its top-left inside corner, white outside every window.
  const PixelRect first = Surface().Rect(0);
  EXPECT_EQ(image.GetRed(first.x + 3, first.y + 3), 128);
  EXPECT_EQ(image.GetGreen(first.x + 3, first.y + 3), 255);
  EXPECT_EQ(image.GetRed(image.GetWidth() - 2, 2), 255);
  EXPECT_EQ(image.GetBlue(image.GetWidth() - 2, 2), 255);

  // The PDF holds real text: every table name, the Chinese one too.
  const std::string text = CommandOutput("pdftotext -layout " + pdf + " -");
  EXPECT_NE(text.find(u8"用户表"), std::string::npos) << text;
  EXPECT_NE(text.find("t0"), std::string::npos) << text;
  EXPECT_NE(text.find("t1"), std::string::npos) << text;
  const std::size_t lastRow = text.find("c24");
  ASSERT_NE(lastRow, std::string::npos) << "cut windows are drawn whole";
  EXPECT_NE(text.find("c24", lastRow + 3), std::string::npos) << "both of them";
  const std::string svgText = ReadBytesOrEmpty(svg);
  EXPECT_NE(svgText.find("<svg"), std::string::npos);
  EXPECT_NE(svgText.find("t0"), std::string::npos);
  // Each window's grid is clipped where the window is drawn, not at the picture's corner
  // (a clip at the corner leaves every other window an empty box).
  const std::regex clipRect(R"re(<rect id="cliprect\d+" x="(-?\d+)" y="(-?\d+)")re");
  std::vector<wxPoint> clips;
  for (std::sregex_iterator m(svgText.begin(), svgText.end(), clipRect), end; m != end; ++m) {
    clips.emplace_back(std::stoi((*m)[1]), std::stoi((*m)[2]));
  }
  for (int i = 0; i < 3; ++i) {
    const PixelRect r = Surface().Rect(i);
    const int width = Surface().Window(i).grid.ContentWidth() + 5;
    EXPECT_TRUE(std::any_of(clips.begin(), clips.end(), [&](const wxPoint& c) {
      return c.x > r.x && c.x < r.x + width && c.y > r.y && c.y < r.y + 30;
    })) << "window " << i << " has no clip of its own";
  }
  EXPECT_FALSE(
      DesignPicture::Export((dir / "design.bmp").string(), Surface(), Frame().appState(), &error));
  EXPECT_EQ(TextCodec::Cp936ToUtf8(error), u8"图片文件的扩展名应为 .png, .pdf 或 .svg");

  // The program itself: tablora --export FILE DESIGN.sql writes the picture and exits.
  const std::string cli = (dir / "cli.pdf").string();
  const int rc = std::system(
      (std::string(TABLORA_BUILD_DIR) + "/tablora --export " + cli + " " + path + " 2>/dev/null")
          .c_str());
  EXPECT_EQ(rc, 0);
  EXPECT_NE(CommandOutput("pdftotext " + cli + " -").find(u8"用户表"), std::string::npos);

  // A picture taller than 200 inches goes on PDF pages no larger than that, cut between
  // windows: the window moved far down is whole on the second page.
  int chinese = 0;
  while (chinese < 3 && TheDesign().definitions()[chinese].actualName != Cp936(u8"用户表"))
    ++chinese;
  ASSERT_LT(chinese, 3);
  const PixelRect moved = Surface().Rect(chinese);
  Surface().SetRect(chinese, {moved.x, 25000, moved.width, moved.height});
  const std::string tall = (dir / "tall.pdf").string();
  ASSERT_TRUE(DesignPicture::Export(tall, Surface(), Frame().appState(), &error)) << error;
  const std::string info = CommandOutput("pdfinfo -f 1 -l 2 " + tall);
  EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
  EXPECT_EQ(CommandOutput("pdftotext -f 1 -l 1 " + tall + " -").find(u8"用户表"),
            std::string::npos);
  EXPECT_NE(CommandOutput("pdftotext -f 2 -l 2 " + tall + " -").find(u8"用户表"),
            std::string::npos);
}

TEST_F(DesignSurface, PrintPreviewDrawsThePageScaledToThePaper) {
  Open(4, 3);
  wxPrintPreview* preview = Frame().tableCommands().ShowPrintPreview();
  ASSERT_NE(preview, nullptr);
  wxFrame* frame = preview->GetFrame();
  ASSERT_NE(frame, nullptr);
  auto* printout = dynamic_cast<DesignPrintout*>(preview->GetPrintout());
  ASSERT_NE(printout, nullptr);
  EXPECT_TRUE(WaitFor([&] { return printout->lastScale() > 0; }, 5000));
  // 96 design pixels make an inch: the preview page's pixels per design pixel are its
  // zoom of the printer's resolution.
  EXPECT_LT(printout->lastScale(), 10.0);
  frame->Close(true);
  PumpEvents(100);
}

TEST_F(DesignSurface, PrintedCellsKeepTheirLastCharacters) {
  // Windows are laid out with the screen's text widths; a printer draws the same text at
  // another scale, where it comes out wider (this text by about 9 % at 144 dpi), so the
  // name would need one more line than its row holds.
  const int bars = 32;
  std::string name;
  for (int i = 0; i < bars; ++i) name += i == 0 ? "|" : " |";
  const std::string path = (dir / "bars.sql").string();
  ASSERT_TRUE(TextFile::WriteBytes(path, "CREATE TABLE [dbo].[t] (\r\n\t[" + name +
                                             "] [int] NOT NULL\r\n) ON [PRIMARY]\r\nGO\r\n"));
  ASSERT_TRUE(OpenQuietly(path));
  ASSERT_TRUE(WaitFor([&] { return Canvas()->surface() && Surface().Count() == 1; }));
  ASSERT_TRUE(WaitFor([&] { return !Surface().Window(0).fitDirty; }));

  const double scale = 1.5;
  // The page's margins, in printer pixels.
  const int margin = static_cast<int>(DesignPrintout::kMarginMm / 25.4 * 96 * scale);
  const wxSize page((Surface().Right() + 20) * scale + 2 * margin + 2,
                    (Surface().Bottom() + 20) * scale + 2 * margin + 2);
  wxBitmap bitmap(page.x, page.y, 24);
  DesignPrintout printout(&Surface(), Frame().appState());
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    printout.SetDC(&dc);
    printout.SetPPIPrinter(144, 144);  // 1.5 printer pixels per design pixel
    printout.SetPageSizePixels(page.x, page.y);
    printout.OnPreparePrinting();
    ASSERT_EQ(printout.pageCount(), 1);
    ASSERT_TRUE(printout.OnPrintPage(1));
    printout.SetDC(nullptr);
  }
  EXPECT_DOUBLE_EQ(printout.lastScale(), scale);
  const wxImage image = bitmap.ConvertToImage();
  // The name cell (row 1, column 0) holds the text broken into lines: count the bars along
  // the middle of each line.
  const PixelRect client = Surface().ClientRect(0);
  const GridModel& grid = Surface().Window(0).grid;
  ASSERT_EQ(grid.GetCellText(1, 0), name);
  const int lineHeight = grid.GetRowHeight(0);
  const int lines = grid.GetRowHeight(1) / lineHeight;
  ASSERT_GT(lines, 1) << "the name is broken into lines";
  const int top = client.y + grid.GetRowHeight(0);
  const int left = margin + static_cast<int>(client.x * scale) + 2;
  const int right = margin + static_cast<int>((client.x + grid.GetColumnWidth(0)) * scale) - 3;
  int seen = 0;
  for (int line = 0; line < lines; ++line) {
    int most = 0;
    const int lineTop = top + line * lineHeight;
    for (int y = margin + (lineTop + lineHeight * 0.3) * scale;
         y < margin + (lineTop + lineHeight * 0.7) * scale; ++y) {
      int runs = 0;
      bool inInk = false;
      for (int x = left; x < right; ++x) {
        const bool ink = image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 384;
        if (ink && !inInk) ++runs;
        inInk = ink;
      }
      most = std::max(most, runs);
    }
    seen += most;
  }
  EXPECT_EQ(seen, bars);
}

/// One notch of the wheel under the pointer (X button 5; the simulator has no wheel).
void WheelDown() {
  ASSERT_EQ(std::system("xdotool click 5"), 0);
  PumpEvents(80);
}

TEST_F(DesignSurface, TheWheelScrollsTheWindowUnderThePointerElseTheView) {
  Open(2, 20);
  Surface().SetRect(1, {400, 20, Surface().Rect(1).width, Surface().Rect(1).height});
  Canvas()->SetScrollHeight(3000);
  ASSERT_TRUE(Surface().ScrollBars(0).vertical);
  const PixelRect rect = Surface().Rect(0);
  sim.MouseMove(Screen(rect.x + 30, rect.y + 60));
  PumpEvents(80);
  WheelDown();
  EXPECT_TRUE(WaitFor([&] { return Surface().Window(0).scrollY > 0; }));
  EXPECT_EQ(Canvas()->GetViewStart().y, 0);
  // Outside every window the view itself scrolls.
  sim.MouseMove(Screen(rect.x + 30, rect.y + rect.height + 60));
  PumpEvents(80);
  WheelDown();
  EXPECT_TRUE(WaitFor([&] { return Canvas()->GetViewStart().y > 0; }));
  EXPECT_EQ(Surface().Window(1).scrollY, 0);
}

TEST_F(DesignSurface, ACellCutByTheWindowsEdgeShowsItsWholeTextInATitleTip) {
  Open(1, 3);
  // Narrower than its columns: the type column (from 90 pixels on) is cut at the edge.
  Surface().SetRect(0, {20, 20, 110, Surface().Rect(0).height});
  Canvas()->Refresh();
  const PixelRect client = Surface().ClientRect(0);
  ASSERT_LT(client.width, 90 + 30);
  const SurfaceWindow& window = Surface().Window(0);
  const int rowMiddle = window.grid.GetRowHeight(0) + window.grid.GetRowHeight(1) / 2;
  sim.MouseMove(Screen(client.x + 20, client.y + rowMiddle));
  PumpEvents(50);
  EXPECT_FALSE(Canvas()->titleTip()->IsShownTip()) << "the name column is whole";
  sim.MouseMove(Screen(client.x + 92, client.y + rowMiddle));
  ASSERT_TRUE(WaitFor([&] { return Canvas()->titleTip()->IsShownTip(); }));
  EXPECT_EQ(Canvas()->titleTip()->Text(), " int ");  // padded with a blank each side
  sim.MouseMove(Screen(client.x + 20, client.y + rowMiddle));
  EXPECT_TRUE(WaitFor([&] { return !Canvas()->titleTip()->IsShownTip(); }));
}

TEST_F(DesignSurface, TheWindowsStyleCommandRebuildsOnlyThatWindow) {
  Open(3, 2);
  Frame().appState().settings.settingsPath = (dir / "Tablora.ini").string();
  Later(
      [] {
        for (wxWindow* w : wxTopLevelWindows) {
          auto* sheet = dynamic_cast<DisplayStyleSheet*>(w);
          if (sheet == nullptr || !sheet->IsModal()) continue;
          sheet->fieldChoice()->SetSelection(4);
          wxCommandEvent pick(wxEVT_CHOICE, sheet->fieldChoice()->GetId());
          pick.SetInt(4);
          sheet->fieldChoice()->GetEventHandler()->ProcessEvent(pick);
          sheet->EndModal(wxID_OK);
        }
      },
      300);
  Frame().tableCommands().RunTableCommand(table_cmd::kDisplayStyles, 1);
  ASSERT_TRUE(WaitFor([&] {
    return Surface().Window(1).grid.GetColumnCount() == 7 && !Surface().Window(1).fitDirty;
  }));
  EXPECT_EQ(Surface().Window(0).grid.GetColumnCount(), 2);
  EXPECT_EQ(Surface().Window(2).grid.GetColumnCount(), 2);
}

TEST_F(DesignSurface, FittedColumnsShowTheBusinessSampleWholeWithoutOverlaps) {
  OpenBusinessSample(2);  // 实际列名 数据类型(数组大小) 是否为空 主键(外键)
  Shot("business_sample_fitted");
  const std::vector<PixelRect> placed = Rects();
  Canvas()->ContentSizes();  // the cells of the windows out of sight too
  EXPECT_EQ(Rects(), placed) << "made in sight, a window keeps the size it was measured to";
  wxBitmap bitmap(1, 1);
  wxMemoryDC dc(bitmap);
  const CachedTextMeasurer measurer(dc, Canvas()->tableFont());
  const int line = measurer.TextExtent("x", false).height;
  // Every text whole on one line (no name is longer than the maximum width): the English
  // names, "uniqueidentifier" and "<pk,fk>" neither wrap nor lose their ends.
  std::string cut;
  for (int t = 0; t < 70; ++t) {
    const GridModel& grid = Surface().Window(t).grid;
    for (int r = 1; r < grid.GetRowCount(); ++r) {
      for (int c = 0; c < grid.GetColumnCount(); ++c) {
        const std::string text = grid.GetCellText(r, c);
        if (!text.empty() && measurer.TextExtent(text, false).width + 1 > grid.GetColumnWidth(c)) {
          cut += TextCodec::Cp936ToUtf8(text) + " ";
        }
      }
      if (grid.GetRowHeight(r) != line) cut += "(row " + std::to_string(r) + " wrapped) ";
    }
    if (Surface().ScrollBars(t).horizontal) cut += "(window " + std::to_string(t) + ") ";
  }
  EXPECT_EQ(cut, "");
  EXPECT_EQ(Overlaps(), "");
  // Wider than the cells the sample stored them in, the windows keep their rows, and those
  // of the first cell column their corners; the cells widen to the right.
  std::string bytes, text;
  ASSERT_TRUE(
      TextFile::ReadBytes(std::string(TABLORA_SOURCE_DIR) + "/resources/samples/erp70.sql", bytes));
  ASSERT_TRUE(ScriptOpener::DecodeFile(bytes, text));
  const std::vector<LayoutRecord> stored = ScriptOpener::ReadLayout(text).records;
  ASSERT_EQ(stored.size(), 70u);
  for (int t = 0; t < 70; ++t) {
    EXPECT_EQ(Surface().Rect(t).y, stored[t].top) << t;
    EXPECT_GE(Surface().Rect(t).x, stored[t].left) << t;
    if (stored[t].left == 0) {
      EXPECT_EQ(Surface().Rect(t).x, 0) << t;
    }
  }
}

TEST_F(DesignSurface, AColourChangeRepaintsWithoutResizingOrMovingAnyWindow) {
  OpenBusinessSample(2);
  // The window in the top-left corner made narrower by its right edge: scroll bars.
  const int table = Surface().HitTest(10, 10).table;
  ASSERT_GE(table, 0);
  const PixelRect start = Surface().Rect(table);
  Drag(Screen(start.right() - 1, start.y + 40), Screen(start.right() - 41, start.y + 40));
  ASSERT_EQ(Surface().Rect(table).width, start.width - 40);
  ASSERT_TRUE(Surface().ScrollBars(table).horizontal);
  const std::vector<PixelRect> before = Rects();
  // Every window light yellow, from the main menu ("<<全部表>>").
  Frame().layoutCommands().SetColourChooser([](wxWindow*, std::uint32_t& colour) {
    colour = 0x00C0FFFF;
    return true;
  });
  Later(
      [&] {
        ColourDialog* dialog = ModalDialog<ColourDialog>();
        if (dialog == nullptr) return;
        Click(dialog->chooseButton());
        Click(dialog->FindWindow(wxID_OK));
        Click(dialog->FindWindow(wxID_CANCEL));
      },
      600);
  wxCommandEvent command(wxEVT_MENU, ToWxId(cmd::kBackColour));
  Frame().GetEventHandler()->ProcessEvent(command);
  Frame().layoutCommands().SetColourChooser(nullptr);
  ASSERT_EQ(TheDesign().entry(table).window.bkColour, 0x00C0FFFFu);
  ASSERT_TRUE(WaitFor([&] { return AllFitted(70); }));
  EXPECT_EQ(PixelAt(start.x + 4, start.y + 4), "255,255,192");
  Shot("business_sample_recoloured");
  const std::vector<PixelRect> after = Rects();
  for (int i = 0; i < 70; ++i) EXPECT_EQ(after[i], before[i]) << i;
  EXPECT_TRUE(Surface().ScrollBars(table).horizontal);
}

TEST_F(DesignSurface, AStyleChangeWidensWindowsInPlaceAndMovesTheirNeighboursApart) {
  Settings& settings = Frame().appState().settings;
  settings.settingsPath = (dir / "Tablora.ini").string();
  OpenBusinessSample(1);  // 名称列名 数据类型(数组大小) 主键(外键)
  const std::vector<PixelRect> before = Rects();
  ASSERT_EQ(Overlaps(), "");
  // 名称列名(实际列名): every window wider.
  ChooseStyleLater(2, true);
  wxCommandEvent command(wxEVT_MENU, ToWxId(cmd::kDisplayStyles));
  Frame().GetEventHandler()->ProcessEvent(command);
  ASSERT_EQ(settings.currentColumnStyle, 3);
  ASSERT_TRUE(WaitFor([&] { return AllFitted(70); }, 10000));
  Shot("business_sample_restyled");
  std::vector<PixelRect> after = Rects();
  int leftmost = 0;
  for (int i = 0; i < 70; ++i) {
    EXPECT_GT(after[i].width, before[i].width) << i;
    EXPECT_GE(after[i].x, before[i].x) << i;
    EXPECT_EQ(after[i].y, before[i].y) << i;  // as tall as before: the rows stay
    // The windows of the first cell column keep their corners.
    if (before[i].x == 0) {
      EXPECT_EQ(after[i].x, 0) << i;
      ++leftmost;
    }
  }
  EXPECT_GT(leftmost, 0);
  EXPECT_EQ(Overlaps(), "");

  // "列宽适应内容" off: the widths of the settings, again without overlaps; the choice is
  // written to the settings file.
  ChooseStyleLater(2, false);
  Frame().GetEventHandler()->ProcessEvent(command);
  ASSERT_FALSE(settings.fitColumnWidths);
  ASSERT_TRUE(WaitFor([&] { return AllFitted(70); }, 10000));
  const int fixed = settings.StyleWordWidth(Cp936(u8"名称列名(实际列名)"));
  EXPECT_EQ(Surface().Window(0).grid.GetColumnWidth(0), fixed);
  EXPECT_EQ(Overlaps(), "");
  EXPECT_NE(ReadBytesOrEmpty(settings.settingsPath).find("FitColWidth=0"), std::string::npos);
}

TEST_F(DesignSurface, MovingResizingFullHeightAndColoursMarkTheDesignChangedALookDoesNot) {
  Open(2, 20);  // windows cut at their height, so that the full height is taller
  Surface().SetRect(1, {500, 20, Surface().Rect(1).width, Surface().Rect(1).height});
  Frame().layoutCommands().SetColourChooser([](wxWindow*, std::uint32_t& colour) {
    colour = 0x0000C0FF;
    return true;
  });
  const wxString plain = wxString::FromUTF8(u8"Tablora - 表视图");
  const std::string saved = (dir / "saved.sql").string();
  const auto inside = [&] { return Screen(Surface().Rect(0).x + 20, Surface().Rect(0).y + 30); };
  struct Step {
    const char* what;
    std::function<void()> act;
    bool changes;
  };
  const Step steps[] = {
      {"a click that moves nothing",
       [&] {
         sim.MouseMove(inside());
         PumpEvents(50);
         sim.MouseClick();
       },
       false},
      {"the editor sheet opened and closed by Escape",
       [&] {
         Frame().tableCommands().RunTableCommand(table_cmd::kProperties, 0);
         TableEditorSheet* sheet = nullptr;
         ASSERT_TRUE(WaitFor([&] {
           sheet = Frame().designWindow().Sheet(0);
           return sheet != nullptr && sheet->IsShown();
         }));
         ClickOnTab(*sheet, 2);  // the SQL page builds the text again
         ASSERT_TRUE(WaitFor([&] { return sheet->GetBookCtrl()->GetSelection() == 2; }));
         sim.Char(WXK_ESCAPE);
         ASSERT_TRUE(WaitFor([&] { return !sheet->IsShown(); }));
       },
       false},
      {"a drag", [&] { Drag(inside(), inside() + wxPoint(40, 25)); }, true},
      {"the right edge dragged",
       [&] {
         const PixelRect r = Surface().Rect(0);
         const wxPoint edge = Screen(r.x + r.width - 1, r.y + 40);
         Drag(edge, edge + wxPoint(30, 0));
       },
       true},
      {"a double-click: the full height",
       [&] {
         sim.MouseMove(inside());
         PumpEvents(50);
         sim.MouseDblClick();
         ASSERT_TRUE(WaitFor([&] { return Surface().Window(0).wholeBox; }));
       },
       true},
      {"a background colour from the window's menu",
       [&] {
         WhenModal<ColourDialog>([](ColourDialog& dialog) {
           Click(dialog.chooseButton());
           Click(dialog.FindWindow(wxID_OK));
           Click(dialog.FindWindow(wxID_CANCEL));
         });
         Frame().tableCommands().RunTableCommand(table_cmd::kBackColour, 0);
         EXPECT_EQ(TheDesign().entry(0).window.bkColour, 0x0000C0FFu);
       },
       true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    ASSERT_TRUE(Frame().session()->SaveScript(saved));
    ASSERT_TRUE(WaitFor([&] { return Frame().GetTitle() == plain; }));
    const PixelRect before = Surface().Rect(0);
    PumpEvents(600);  // no double-click with the step before
    step.act();
    PumpEvents(100);
    EXPECT_EQ(Frame().session()->modified(), step.changes);
    EXPECT_TRUE(WaitFor([&] { return Frame().GetTitle() == (step.changes ? plain + " *" : plain); }))
        << Frame().GetTitle();
    // Closing asks about the change.
    prompts.yesNoCancelAnswers = {Answer::kCancel};
    const std::size_t asked = prompts.questions.size();
    EXPECT_EQ(Frame().session()->ConfirmDiscard(prompts), !step.changes);
    EXPECT_EQ(prompts.questions.size(), asked + (step.changes ? 1 : 0));
    if (!step.changes) {
      EXPECT_EQ(Surface().Rect(0), before);
    }
  }
}

TEST_F(DesignSurface, CtrlOAndEnterOverAServerScriptSaveTheChangesBesideIt) {
  // The real question box, answered by the keyboard; the file dialogs are scripted.
  class RealQuestions : public ScriptedPrompts {
   public:
    Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
      questions.push_back(text);
      return WxPrompts(&Frame(), Frame().appState().settings).AskYesNoCancel(text, caption);
    }
  } answers;
  Frame().SetPrompts(&answers);
  std::string original;
  ASSERT_TRUE(TextFile::ReadBytes(TABLORA_SOURCE_DIR "/tests/data/reader_server_objects.sql", original));
  const std::string shop = (dir / "shop.sql").string();
  ASSERT_TRUE(TextFile::WriteBytes(shop, original));
  ASSERT_TRUE(OpenQuietly(shop));
  ASSERT_TRUE(WaitFor([&] { return Canvas()->surface() && Surface().Count() == 2; }));
  Canvas()->Update();
  ASSERT_TRUE(WaitFor([&] { return !Surface().Window(0).fitDirty; }));
  const PixelRect r = Surface().Rect(0);
  Drag(Screen(r.x + 20, r.y + 30), Screen(r.x + 80, r.y + 60));
  ASSERT_TRUE(Frame().session()->modified());

  answers.saveFiles = {(dir / "shop_1.sql").string()};
  wxString question;
  WhenModal<MessageDialog>([&](MessageDialog& box) {
    for (wxWindow* child : box.GetChildren()) {
      if (auto* label = dynamic_cast<wxStaticText*>(child)) question = label->GetLabel();
    }
    PumpEvents(200);
    Shot("save_question_over_server_script");
    sim.Char(WXK_RETURN);  // Yes is the default
  });
  const wxRect client = Canvas()->GetScreenRect();
  sim.MouseMove(client.x + client.width / 2, client.y + client.height - 10);
  PumpEvents(50);
  sim.Char('o', wxMOD_CONTROL);
  ASSERT_TRUE(WaitFor([&] { return !answers.fileDialogs.empty() && !question.empty(); }, 8000));
  PumpEvents(200);
  Frame().SetPrompts(&prompts);
  EXPECT_TRUE(question.Contains(
      wxString::FromUTF8(u8"此文件含有本程序不保存的内容(视图、存储过程等), 保存将丢失它们")))
      << question;
  ASSERT_GE(answers.fileDialogs.size(), 1u);
  EXPECT_EQ(answers.fileDialogs[0].proposedName, "shop_1.sql");
  EXPECT_EQ(answers.fileDialogs[0].startFolder, dir.string());
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(shop, bytes));
  EXPECT_EQ(bytes, original) << "the server's script is untouched";
  ASSERT_TRUE(TextFile::ReadBytes((dir / "shop_1.sql").string(), bytes));
  EXPECT_EQ(bytes.compare(0, 10, "/* TABLORA"), 0);
  EXPECT_FALSE(Frame().session()->modified());
  EXPECT_EQ(Frame().session()->currentPath(), (dir / "shop_1.sql").string());
}

}  // namespace
}  // namespace tablora::testing
