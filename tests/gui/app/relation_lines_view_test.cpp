// Relationship lines through the real program: the pictures it exports with and without
// them, the view command that turns them off and on, the tip over a line and the
// double-click that opens the referencing column.
#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <regex>

#include "app/command_table.h"
#include "app/gui/command_ids.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app_test_support.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "design_window_fixture.h"
#include "model/design.h"
#include "support/temp_folder.h"
#include "ui/gui/data_grid.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/table_editor_sheet.h"

namespace tablora::testing {
namespace {

namespace fs = std::filesystem;

const std::string kShop = std::string(TABLORA_SOURCE_DIR) + "/resources/samples/shop20.sql";

std::string Output(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

/// Runs the program's picture export; true when it exits with 0.
bool Export(const std::string& file, const std::string& script, const std::string& extra = "") {
  const std::string command = std::string(TABLORA_BUILD_DIR) + "/tablora --export " + file + " " +
                              extra + " " + script + " 2>/dev/null";
  return std::system(command.c_str()) == 0;
}

wxImage Load(const std::string& png) {
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  wxImage image;
  EXPECT_TRUE(image.LoadFile(wxString::FromUTF8(png), wxBITMAP_TYPE_PNG)) << png;
  return image;
}

struct Box {
  int x, y, width, height;
};

TEST(RelationPictures, LinesOffLeavesExactlyThePictureWithoutTheLinesAndTheSvgNamesBoth) {
  TempFolder folder;
  const fs::path dir = folder.path();
  const std::string with = (dir / "with.png").string();
  const std::string without = (dir / "without.png").string();
  const std::string svg = (dir / "with.svg").string();
  ASSERT_TRUE(Export(with, kShop));
  ASSERT_TRUE(Export(without, kShop, "--no-relations"));
  ASSERT_TRUE(Export(svg, kShop));
  const wxImage lines = Load(with);
  const wxImage none = Load(without);

  // The SVG: a group per window whose first rectangle is its frame, a path per key.
  const std::string text = Output("cat " + svg);
  EXPECT_EQ(Output("xmllint --noout " + svg + " 2>&1"), "") << "well-formed";
  const std::regex group(
      R"re(<g class="table" data-table="([^"]+)">\n<rect x="(\d+)" y="(\d+)" width="(\d+)" height="(\d+)")re");
  std::map<std::string, Box> windows;
  for (std::sregex_iterator m(text.begin(), text.end(), group), end; m != end; ++m) {
    windows[(*m)[1]] = {std::stoi((*m)[2]), std::stoi((*m)[3]), std::stoi((*m)[4]),
                        std::stoi((*m)[5])};
  }
  ASSERT_EQ(windows.size(), 20u);
  EXPECT_TRUE(windows.count("dbo.employee") == 1) << "OWNER.NAME";
  const std::regex path(
      R"re(<path class="relation" data-from="([^"]+)" data-to="([^"]+)" data-key="([^"]*)" d="([^"]+)")re");
  int count = 0;
  // The pixels the lines and their end marks may cover.
  std::vector<bool> drawn(static_cast<std::size_t>(none.GetWidth()) * none.GetHeight(), false);
  const auto mark = [&](int x0, int y0, int x1, int y1) {
    for (int y = std::min(y0, y1) - 3; y <= std::max(y0, y1) + 3; ++y) {
      for (int x = std::min(x0, x1) - 3; x <= std::max(x0, x1) + 3; ++x) {
        if (x >= 0 && y >= 0 && x < none.GetWidth() && y < none.GetHeight()) {
          drawn[y * none.GetWidth() + x] = true;
        }
      }
    }
  };
  const std::regex ends(R"re(<path class="relation(?:-end)?" [^>]*d="([^"]+)")re");
  const std::regex command(R"re(([ML]) (\d+) (\d+))re");
  for (std::sregex_iterator m(text.begin(), text.end(), ends), end; m != end; ++m) {
    const std::string d = (*m)[1];
    int x = 0, y = 0;
    for (std::sregex_iterator c(d.begin(), d.end(), command), e; c != e; ++c) {
      const int nx = std::stoi((*c)[2]), ny = std::stoi((*c)[3]);
      if ((*c)[1] == "L") mark(x, y, nx, ny);
      x = nx, y = ny;
    }
  }
  const std::regex ring(R"re(<circle class="relation-end" cx="(\d+)" cy="(\d+)" r="(\d+)")re");
  for (std::sregex_iterator m(text.begin(), text.end(), ring), end; m != end; ++m) {
    const int x = std::stoi((*m)[1]), y = std::stoi((*m)[2]), r = std::stoi((*m)[3]);
    mark(x - r, y - r, x + r, y + r);
  }
  for (std::sregex_iterator m(text.begin(), text.end(), path), end; m != end; ++m, ++count) {
    const std::string d = (*m)[4];
    ASSERT_TRUE(std::regex_match(d, std::regex(R"(M \d+ \d+( L \d+ \d+)+)"))) << d;
    std::vector<int> v;
    const std::regex number(R"(\d+)");
    for (std::sregex_iterator n(d.begin(), d.end(), number), e; n != e; ++n)
      v.push_back(std::stoi(n->str()));
    for (std::size_t i = 2; i + 1 < v.size(); i += 2) {
      EXPECT_TRUE(v[i] == v[i - 2] || v[i + 1] == v[i - 1]) << "orthogonal: " << d;
    }
    // It starts beside the child's window and ends beside the parent's.
    const auto beside = [](const Box& b, int x, int y) {
      return (x == b.x - 1 || x == b.x + b.width) && y >= b.y && y < b.y + b.height;
    };
    ASSERT_EQ(windows.count((*m)[1]) + windows.count((*m)[2]), 2u) << (*m)[3];
    EXPECT_TRUE(beside(windows[(*m)[1]], v[0], v[1])) << (*m)[3] << " " << d;
    EXPECT_TRUE(beside(windows[(*m)[2]], v[v.size() - 2], v.back())) << (*m)[3] << " " << d;
  }
  EXPECT_EQ(count, 34) << "one line per key, a composite key one line";

  // Turned off, the lines leave the picture as it is without them: the two differ only where
  // a line or its mark is drawn, and never inside a window (lines pass under windows).
  ASSERT_EQ(lines.GetSize(), none.GetSize());
  std::vector<bool> inside(static_cast<std::size_t>(none.GetWidth()) * none.GetHeight(), false);
  for (const auto& [name, b] : windows) {
    for (int y = b.y; y < b.y + b.height; ++y) {
      for (int x = b.x; x < b.x + b.width; ++x) inside[y * none.GetWidth() + x] = true;
    }
  }
  int differentInside = 0;
  int differentOffTheLines = 0;
  int different = 0;
  for (std::size_t p = 0; p < inside.size(); ++p) {
    if (std::memcmp(lines.GetData() + 3 * p, none.GetData() + 3 * p, 3) == 0) continue;
    ++different;
    if (inside[p]) ++differentInside;
    if (!drawn[p]) ++differentOffTheLines;
  }
  EXPECT_EQ(differentInside, 0);
  EXPECT_EQ(differentOffTheLines, 0);
  EXPECT_GT(different, 1000);
}

class RelationLinesView : public DesignWindowFixture {
 protected:
  void SetUp() override {
    DesignWindowFixture::SetUp();
    Frame().SetSize(wxSize(1024, 720));
    OpenEmptyDesign(prompts);
    ASSERT_TRUE(WaitFor([&] { return Canvas() != nullptr && Canvas()->IsShownOnScreen(); }));
    OpenScriptFile(kShop, 20);
  }
  void RunCommand(int id) {
    wxCommandEvent command(wxEVT_MENU, ToWxId(id));
    Frame().GetEventHandler()->ProcessEvent(command);
    PumpEvents(50);
  }
  /// The line of key `name` and a point in the middle of its longest segment, scrolled
  /// into view.
  int FindLine(const std::string& name, wxPoint& middle) {
    const auto& lines = Canvas()->Relations().lines();
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
      if (lines[i].relation.constraintName != name) continue;
      const RoutePath& p = lines[i].route.path;
      std::size_t longest = 0;
      int length = -1;
      for (std::size_t s = 0; s + 1 < p.size(); ++s) {
        const int l = std::abs(p[s + 1].x - p[s].x) + std::abs(p[s + 1].y - p[s].y);
        if (l > length) length = l, longest = s;
      }
      middle =
          wxPoint((p[longest].x + p[longest + 1].x) / 2, (p[longest].y + p[longest + 1].y) / 2);
      int unitX = 1;
      int unitY = 1;
      Canvas()->GetScrollPixelsPerUnit(&unitX, &unitY);
      Canvas()->Scroll(std::max(0, middle.x - 300) / std::max(unitX, 1),
                       std::max(0, middle.y - 300) / std::max(unitY, 1));
      PumpEvents(100);
      return i;
    }
    return -1;
  }

  wxUIActionSimulator sim;
  TempFolder folder;
};

TEST_F(RelationLinesView, TheViewCommandTipAndDoubleClickWorkOnTheLines) {
  const std::string ini = (folder.path() / "Tablora.ini").string();
  ASSERT_TRUE(TextFile::WriteBytes(ini, "[TableWin]\r\nShowRelations=1\r\n"));
  Frame().appState().settings.settingsPath = ini;
  ASSERT_TRUE(Canvas()->RelationsShown());
  ASSERT_EQ(Canvas()->Relations().lines().size(), 34u);
  Shot("relations_surface");

  // Hovering the line thickens it and shows the key.
  wxPoint middle;
  const int line = FindLine("FK_employee_department", middle);
  ASSERT_GE(line, 0);
  sim.MouseMove(Screen(middle.x, middle.y));
  ASSERT_TRUE(WaitFor([&] { return Canvas()->hoveredLine() == line; }));
  EXPECT_EQ(Canvas()->GetToolTipText().utf8_string(),
            u8"employee.dept_id → department.dept_id (FK_employee_department)");
  Shot("relations_hover");

  // A double-click opens the referencing table's editor on the key's column.
  const Relation relation = Canvas()->Relations().lines()[line].relation;
  sim.MouseDblClick();
  ASSERT_TRUE(WaitFor([&] {
    TableEditorSheet* sheet = Frame().designWindow().Sheet(relation.child);
    return sheet != nullptr && sheet->IsShown();
  }));
  TableEditorSheet* sheet = Frame().designWindow().Sheet(relation.child);
  EXPECT_EQ(TextCodec::Cp936ToUtf8(TheDesign().definitions()[relation.child].actualName),
            "employee");
  EXPECT_EQ(sheet->grid()->Selection().Anchor().row, relation.childColumns.front() + 1);
  const CellId anchor = sheet->grid()->Selection().Anchor();
  EXPECT_EQ(sheet->grid()->Model().GetCellText(anchor.row, anchor.column), "dept_id");
  sheet->Close();
  PumpEvents(100);

  // The view command turns the lines off, in the settings file too, and on again.
  EXPECT_TRUE(Frame().IsCommandChecked(cmd::kShowRelations));
  RunCommand(cmd::kShowRelations);
  EXPECT_FALSE(Canvas()->RelationsShown());
  EXPECT_FALSE(Frame().IsCommandChecked(cmd::kShowRelations));
  EXPECT_NE(Output("cat " + ini).find("ShowRelations=0"), std::string::npos);
  sim.MouseMove(Screen(middle.x + 1, middle.y));
  PumpEvents(200);
  EXPECT_EQ(Canvas()->hoveredLine(), -1) << "no line to hover";
  Shot("relations_off");
  RunCommand(cmd::kShowRelations);
  EXPECT_TRUE(Canvas()->RelationsShown());
  EXPECT_NE(Output("cat " + ini).find("ShowRelations=1"), std::string::npos);
}

}  // namespace
}  // namespace tablora::testing
