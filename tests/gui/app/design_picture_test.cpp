// The design's picture, its printed pages and the design view's scale, driven through the real
// program: placement without stored positions, whole windows, pages, fit to page, zoom.
#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/print.h>
#include <wx/uiaction.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include "app/command_table.h"
#include "app/gui/command_ids.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/subsystem_hooks.h"
#include "app/gui/table_window_commands.h"
#include "app/gui/work_box.h"
#include "app_test_support.h"
#include "design_window_fixture.h"
#include "base/document_titles.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "model/design.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/design_picture.h"
#include "ui/gui/design_printout.h"
#include "ui/gui/print_setup_dialog.h"
#include "ui/picture_pages.h"

namespace tablora::testing {
namespace {

namespace fs = std::filesystem;

/// A script of `count` tables t0, t1, ... with `columns` int columns each, no stored layout.
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

class DesignPictureTest : public DesignWindowFixture {
 protected:
  void SetUp() override {
    DesignWindowFixture::SetUp();
    // The window as the program opens it.
    Frame().SetSize(wxSize(1024, 720));
    OpenEmptyDesign(prompts);
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    ASSERT_TRUE(WaitFor([&] { return Canvas() != nullptr && Canvas()->IsShownOnScreen(); }));
    PumpEvents(100);
  }
  TableSurface& Surface() { return *Canvas()->surface(); }

  /// Opens `path` as the open command does and waits until its first window is fitted.
  void OpenFile(const std::string& path, int count) {
    OpenScriptFile(path, count);
    ASSERT_TRUE(WaitFor([&] { return !Surface().Window(0).fitDirty; }));
  }
  void Open(int count, int columns) {
    const std::string path = (dir / "open.sql").string();
    ASSERT_TRUE(TextFile::WriteBytes(path, Script(count, columns)));
    OpenFile(path, count);
  }
  void RunCommand(int id) {
    wxCommandEvent command(wxEVT_MENU, ToWxId(id));
    Frame().GetEventHandler()->ProcessEvent(command);
    PumpEvents(50);
  }
  /// "打印设置": chooses full size or fit to page by a click on its button, then Enter.
  void ChoosePrintScale(bool fit) {
    WhenModal<PrintSetupDialog>([&](PrintSetupDialog& dialog) {
      if (fit) Shot("print_setup");
      Click(dialog.FindWindow(fit ? PrintSetupDialog::kFitId : PrintSetupDialog::kFullSizeId));
      sim.Char(WXK_RETURN);
    });
    ASSERT_TRUE(Frame().IsCommandEnabled(cmd::kPrintSetup));
    RunCommand(cmd::kPrintSetup);
  }

  wxUIActionSimulator sim;
  TempFolder folder;
  fs::path dir = folder.path();
};

TEST_F(DesignPictureTest,
       AnExportedDesignWithoutStoredPositionsIsPlacedAsTheProgramWindowPlacesIt) {
  // Forty tables opened in the window at its first size...
  Open(40, 25);
  EXPECT_GT(TheDesign().tablesPerRow(), 1);
  const DesignPicture shown(Surface(), Frame().appState());
  // ...and the same script exported by the program that shows no window.
  const std::string png = (dir / "export.png").string();
  const std::string command = std::string(TABLORA_BUILD_DIR) + "/tablora --export " + png + " " +
                              (dir / "open.sql").string() + " 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  wxImage image;
  ASSERT_TRUE(image.LoadFile(wxString::FromUTF8(png), wxBITMAP_TYPE_PNG));
  EXPECT_EQ(image.GetWidth(), shown.width());
  EXPECT_EQ(image.GetHeight(), shown.height());
  EXPECT_LT(image.GetWidth(), image.GetHeight()) << "rows of a few tables each, not one row";
  // The picture is written in bands of rows: every window is where the layout puts it, its
  // frame's inner corner in its colour, white above it.
  ASSERT_GT(image.GetHeight(), 5000) << "more than one band";
  for (const PictureRect& r : shown.layout().rects()) {
    const int x = static_cast<int>(r.x) + 3;
    const int y = static_cast<int>(r.y);
    EXPECT_EQ(image.GetRed(x, y + 3), 128) << r.x << "," << r.y;
    EXPECT_EQ(image.GetGreen(x, y + 3), 255) << r.x << "," << r.y;
    if (y > 0) {
      EXPECT_EQ(image.GetGreen(x, y - 1) + image.GetRed(x, y - 1), 510) << r.y;
    }
  }
}

TEST_F(DesignPictureTest, PicturesThatCannotBeWrittenSayWhy) {
  Open(2, 3);
  ASSERT_TRUE(WaitFor([&] { return !Surface().Window(1).fitDirty; }));
  const struct {
    const char* name;
    std::string file;
    bool huge;
    const char* message;
  } cases[] = {
      {"missing folder", "/nonexistent-folder/design.png", false,
       u8"无法写入文件: /nonexistent-folder/design.png\n"},
      {"beyond the PNG format", (dir / "huge.png").string(), true,
       u8"PNG图片的宽和高最多2147483647像素, 这个设计的图片有 "},
  };
  for (const auto& c : cases) {
    if (c.huge) {
      // A window moved as far down as a stored position can put it.
      const PixelRect rect = Surface().Rect(1);
      Surface().SetRect(1, {rect.x, INT_MAX - rect.height - 5, rect.width, rect.height});
    }
    std::string error;
    EXPECT_FALSE(DesignPicture::Export(c.file, Surface(), Frame().appState(), &error)) << c.name;
    EXPECT_EQ(TextCodec::Cp936ToUtf8(error).rfind(c.message, 0), 0u)
        << c.name << ": " << TextCodec::Cp936ToUtf8(error);
    EXPECT_FALSE(fs::exists(c.file)) << c.name;
  }
}

TEST_F(DesignPictureTest, PreviewShowsEveryPageAndFitToPageMakesOne) {
  OpenFile(std::string(TABLORA_SOURCE_DIR) + "/tests/data/reader_server_tools_70.sql", 70);
  wxPrintPreview* preview = Frame().tableCommands().ShowPrintPreview();
  ASSERT_NE(preview, nullptr);
  auto* printout = dynamic_cast<DesignPrintout*>(preview->GetPrintout());
  ASSERT_NE(printout, nullptr);
  // The pages are counted when the preview draws its first one.
  ASSERT_TRUE(WaitFor([&] { return printout->pageCount() > 0; }, 5000));
  const int pages = printout->pageCount();
  EXPECT_GT(pages, 1);
  EXPECT_EQ(preview->GetMaxPage(), pages);
  preview->SetZoom(45);  // a whole page in the preview window, for the screenshots
  for (int page : {1, 2, pages}) {
    ASSERT_TRUE(preview->SetCurrentPage(page));
    PumpEvents(300);
    Shot("print_preview_page_" + std::to_string(page));
  }
  preview->GetFrame()->Close(true);
  PumpEvents(100);

  // Every page, drawn on A4 at 96 per inch, shows some of a table window's green.
  DesignPrintout paper(&Surface(), Frame().appState());
  const wxSize a4(794, 1123);
  paper.SetPPIPrinter(96, 96);
  paper.SetPageSizePixels(a4.x, a4.y);
  paper.OnPreparePrinting();
  ASSERT_GT(paper.pageCount(), 1);
  for (int page = 1; page <= paper.pageCount(); ++page) {
    wxBitmap bitmap(a4.x, a4.y, 24);
    {
      wxMemoryDC dc(bitmap);
      dc.SetBackground(*wxWHITE_BRUSH);
      dc.Clear();
      paper.SetDC(&dc);
      ASSERT_TRUE(paper.OnPrintPage(page));
      paper.SetDC(nullptr);
    }
    const wxImage image = bitmap.ConvertToImage();
    int green = 0;
    for (int y = 0; y < a4.y; y += 4) {
      for (int x = 0; x < a4.x; x += 4) {
        if (image.GetRed(x, y) == 128 && image.GetGreen(x, y) == 255) ++green;
      }
    }
    EXPECT_GT(green, 100) << "page " << page;
  }
  EXPECT_FALSE(paper.OnPrintPage(paper.pageCount() + 1));

  // Fit to page, chosen in "打印设置": one page, drawn smaller.
  ChoosePrintScale(true);
  wxPrintPreview* fitted = Frame().tableCommands().ShowPrintPreview();
  ASSERT_NE(fitted, nullptr);
  auto* one = dynamic_cast<DesignPrintout*>(fitted->GetPrintout());
  ASSERT_NE(one, nullptr);
  ASSERT_TRUE(WaitFor([&] { return one->pageCount() > 0; }, 5000));
  EXPECT_EQ(one->pageCount(), 1);
  EXPECT_LT(one->pages().pages()[0].scale, 1.0);
  fitted->SetZoom(45);
  PumpEvents(300);
  Shot("print_preview_fit_to_page");
  fitted->GetFrame()->Close(true);
  PumpEvents(100);
  ChoosePrintScale(false);
  wxPrintPreview* again = Frame().tableCommands().ShowPrintPreview();
  ASSERT_NE(again, nullptr);
  auto* full = dynamic_cast<DesignPrintout*>(again->GetPrintout());
  ASSERT_TRUE(WaitFor([&] { return full->pageCount() > 0; }, 5000));
  EXPECT_EQ(full->pageCount(), pages);
  again->GetFrame()->Close(true);
  PumpEvents(100);

  // The same design in the view at half size, for the screenshots.
  Canvas()->SetZoom(50);
  Canvas()->Scroll(0, 0);
  PumpEvents(300);
  Shot("zoom_50_design_70");
  Canvas()->SetZoom(100);
}

TEST_F(DesignPictureTest, ZoomScalesDrawingClicksAndDragsAndIsNotSaved) {
  Open(2, 3);
  Surface().SetRect(0, {40, 40, Surface().Rect(0).width, Surface().Rect(0).height});
  Surface().SetRect(1, {400, 300, Surface().Rect(1).width, Surface().Rect(1).height});
  Canvas()->Refresh();
  const std::string atFull = (dir / "full.sql").string();
  ASSERT_TRUE(Frame().session()->SaveScript(atFull));

  // Keys and the wheel with Ctrl held, over the view.
  const wxPoint middle = Canvas()->ClientToScreen(wxPoint(300, 250));
  Click(middle);
  ASSERT_EQ(Canvas()->zoom(), 100);
  for (int press = 0; press < 4; ++press) {
    sim.Char('-', wxMOD_CONTROL);
    PumpEvents(60);
  }
  EXPECT_EQ(Canvas()->zoom(), 50);  // 90, 75, 67, 50
  sim.Char('+', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([&] { return Canvas()->zoom() == 67; }));
  sim.MouseMove(middle);
  PumpEvents(50);
  ASSERT_EQ(std::system("xdotool keydown ctrl click 5 keyup ctrl"), 0);
  EXPECT_TRUE(WaitFor([&] { return Canvas()->zoom() == 50; }));
  sim.Char('0', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([&] { return Canvas()->zoom() == 100; }));
  ASSERT_EQ(std::system("xdotool keydown ctrl click 5 click 5 click 5 click 5 keyup ctrl"), 0);
  ASSERT_TRUE(WaitFor([&] { return Canvas()->zoom() == 50; }));
  Canvas()->Scroll(0, 0);
  PumpEvents(100);
  Shot("zoom_50");

  // A click where window 1 is drawn at 50 % takes it; where it stands at 100 % is empty.
  Surface().BringToTop(0);
  const PixelRect one = Surface().Rect(1);
  // The middle of the window: its frame, which resizes, is widened at a small scale.
  const wxPoint inside(one.x + one.width / 2, one.y + one.height / 2);
  Click(Screen(inside.x, inside.y));
  EXPECT_EQ(Surface().ZOrder().back(), 1);
  Surface().BringToTop(0);
  Click(Canvas()->ClientToScreen(inside));
  EXPECT_EQ(Surface().ZOrder().back(), 0) << "nothing is drawn there at 50 %";

  // A drag of 30 x 20 screen pixels moves the window by 60 x 40 of the design.
  const wxPoint from = Screen(inside.x, inside.y);
  sim.MouseMove(from);
  PumpEvents(50);
  sim.MouseDown();
  PumpEvents(50);
  for (int step = 1; step <= 3; ++step) {
    sim.MouseMove(from + wxPoint(10 * step, 20 * step / 3));
    PumpEvents(30);
  }
  sim.MouseUp();
  PumpEvents(80);
  EXPECT_EQ(Surface().Rect(1).x, one.x + 60);
  EXPECT_EQ(Surface().Rect(1).y, one.y + 40);
  EXPECT_EQ(Surface().Rect(1).width, one.width);

  // The design keeps its own pixels: saved at 50 % it is the design saved at 100 %.
  const std::string atHalf = (dir / "half.sql").string();
  ASSERT_TRUE(Frame().session()->SaveScript(atHalf));
  Canvas()->SetZoom(100);
  const std::string atFullAgain = (dir / "full_again.sql").string();
  ASSERT_TRUE(Frame().session()->SaveScript(atFullAgain));
  std::string half;
  std::string fullAgain;
  ASSERT_TRUE(TextFile::ReadBytes(atHalf, half));
  ASSERT_TRUE(TextFile::ReadBytes(atFullAgain, fullAgain));
  EXPECT_EQ(half, fullAgain);

  // "适合窗口": the whole design in the view.
  ASSERT_TRUE(Frame().IsCommandEnabled(cmd::kZoomFit));
  Surface().SetRect(1, {2400, 1800, one.width, one.height});
  RunCommand(cmd::kZoomFit);
  const wxSize client = Canvas()->GetClientSize();
  EXPECT_LT(Canvas()->zoom(), 50);
  EXPECT_LE((Surface().Right() + 20) * Canvas()->zoom() / 100, client.x);
  EXPECT_LE((Surface().Bottom() + 20) * Canvas()->zoom() / 100, client.y);
  Canvas()->SetZoom(100);
}

}  // namespace
}  // namespace tablora::testing
