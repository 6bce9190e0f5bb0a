// Speed of the design view with thousands of tables, measured through the real canvas under
// a (virtual) display: open to first paint against the core's open alone, a drag step, a
// wheel notch over the view, a whole screen repainted, arranging every window and a
// display-style change, with one foreign key per table drawn as lines. Prints medians and
// ratios. Run: xvfb-run -a design_surface_bench
#include <sys/resource.h>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/script_design_session.h"
#include "base/app_state.h"
#include "base/prompts.h"
#include "base/settings_loader.h"
#include "base/text_file.h"
#include "model/design.h"
#include "ui/arrange_layout.h"
#include "ui/gui/design_canvas.h"

namespace {

using namespace tablora;
using Clock = std::chrono::steady_clock;

double Millis(Clock::time_point from) {
  return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

/// `keys`: each table refers to one of the twenty before it (the first to itself).
std::string Script(int tables, int columns, bool keys) {
  std::string text;
  for (int t = 0; t < tables; ++t) {
    text += "CREATE TABLE [dbo].[table_" + std::to_string(t) + "] (\r\n";
    for (int c = 0; c < columns; ++c) {
      text += "\t[column_" + std::to_string(c) + "] " +
              (c % 2 ? "[varchar] (50) NULL" : "[int] NOT NULL") +
              (c + 1 < columns ? " ,\r\n" : "\r\n");
    }
    text += ") ON [PRIMARY]\r\nGO\r\n\r\n";
  }
  for (int t = 0; keys && t < tables; ++t) {
    const std::string parent = std::to_string(t == 0 ? 0 : std::max(0, t - 1 - (t * 7) % 20));
    text += "ALTER TABLE [dbo].[table_" + std::to_string(t) + "] ADD CONSTRAINT [FK_" +
            std::to_string(t) + "] FOREIGN KEY ([column_2]) REFERENCES [dbo].[table_" + parent +
            "] ([column_0])\r\nGO\r\n";
  }
  return text;
}

/// The window side of the benchmark's design: one canvas in a frame.
class CanvasView : public DesignView {
 public:
  DesignCanvas* canvas = nullptr;
  bool IsOpen() const override { return true; }
  int ClientWidth() const override { return canvas->GetClientSize().x; }
  int ClientHeight() const override { return canvas->GetClientSize().y; }
  int ScrollHeight() const override { return canvas->ScrollHeight(); }
  void SetScrollHeight(int height) override { canvas->SetScrollHeight(height); }
  void ScrollToOrigin() override {}
  void TableAdded(int, bool) override {}
  void TableChanged(int index) override { canvas->TableChanged(index); }
  void TableTreeTextChanged(int, const std::string&) override {}
  void DesignCleared() override { canvas->DesignCleared(); }
};

void Pump() {
  for (int i = 0; i < 5; ++i) wxTheApp->Yield(true);
}

void Measure(AppState& state, int tables, int columns, bool interaction) {
  const std::string path = "/tmp/design_surface_bench_" + std::to_string(tables) + ".sql";
  TextFile::WriteBytes(path, Script(tables, columns, interaction));
  SilentPrompts prompts(true, false);

  std::vector<double> core;
  for (int run = 0; run < 3; ++run) {
    ScriptDesignSession session(state, prompts);
    const auto start = Clock::now();
    session.OpenScript(path);
    core.push_back(Millis(start));
  }

  std::vector<double> shown;
  std::vector<double> drag;
  std::vector<double> wheel;
  std::vector<double> screen;
  std::size_t lineCount = 0;
  std::vector<double> arrange;
  std::vector<double> restyle;
  for (int run = 0; run < 5; ++run) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "bench", wxDefaultPosition, wxSize(1000, 700));
    CanvasView view;
    std::unique_ptr<ScriptDesignSession> session;
    view.canvas = new DesignCanvas(
        frame, state, [&session]() -> Design* { return session ? session->design() : nullptr; });
    frame->Show();
    Pump();
    session = std::make_unique<ScriptDesignSession>(state, prompts, &view);
    const auto start = Clock::now();
    session->OpenScript(path);
    state.designHasContent = true;
    view.canvas->RefreshDesign();
    wxTheApp->ProcessPendingEvents();  // the deferred scroll size counts too
    view.canvas->Update();
    shown.push_back(Millis(start));
    lineCount = view.canvas->Relations().lines().size();

    if (interaction) {
      // A drag step: mouse move to repainted, on the first window.
      const PixelRect rect = view.canvas->surface()->Rect(0);
      wxMouseEvent down(wxEVT_LEFT_DOWN);
      down.SetPosition(view.canvas->ToClient({rect.x + 20, rect.y + 8}));
      down.m_leftDown = true;
      view.canvas->GetEventHandler()->ProcessEvent(down);
      for (int step = 1; step <= 30; ++step) {
        wxMouseEvent move(wxEVT_MOTION);
        move.m_leftDown = true;
        move.SetPosition(view.canvas->ToClient({rect.x + 20 + 3 * step, rect.y + 8 + 2 * step}));
        const auto at = Clock::now();
        view.canvas->GetEventHandler()->ProcessEvent(move);
        view.canvas->Update();
        drag.push_back(Millis(at));
      }
      wxMouseEvent up(wxEVT_LEFT_UP);
      view.canvas->GetEventHandler()->ProcessEvent(up);
      // Wheel notches down the view: three lines of scrolling each, then the repaint.
      for (int notch = 1; notch <= 10; ++notch) {
        const auto at = Clock::now();
        view.canvas->Scroll(0, 3 * notch);
        view.canvas->Update();
        wheel.push_back(Millis(at));
      }
      view.canvas->Scroll(0, 0);
      // The whole screen repainted: every window in view and the lines between them.
      for (int paint = 0; paint < 10; ++paint) {
        const auto at = Clock::now();
        view.canvas->Refresh();
        view.canvas->Update();
        screen.push_back(Millis(at));
      }
      // Arrange: every window fitted, laid out six to a row and repainted.
      {
        const auto at = Clock::now();
        ArrangeOptions options;
        options.tablesPerRow = 6;
        options.width = state.settings.tableWinWidth;
        const ArrangeMetrics metrics{state.settings.tableWinHeight, state.settings.marginW,
                                     state.settings.marginH, view.canvas->ScrollHeight()};
        const std::vector<ArrangeLayout::Content> sizes = view.canvas->ContentSizes();
        view.canvas->ApplyArrangement(ArrangeLayout::Compute(
            options, metrics, ArrangeLayout::ListRun(static_cast<int>(sizes.size())), sizes));
        view.canvas->Update();
        arrange.push_back(Millis(at));
      }
      // A display-style change: every window rebuilt, the visible ones repainted.
      state.settings.currentColumnStyle = state.settings.currentColumnStyle == 2 ? 1 : 2;
      const auto at = Clock::now();
      view.canvas->Restyle(-1);
      view.canvas->Update();
      restyle.push_back(Millis(at));
    }
    frame->Destroy();
    Pump();
    session.reset();
  }
  const double coreMedian = Median(core);
  std::printf("%d tables x %d columns: core open %.0f ms; open to windows drawn %.0f ms (%.2fx)\n",
              tables, columns, coreMedian, Median(shown), Median(shown) / coreMedian);
  if (interaction) {
    std::printf("  drag step (move to repainted) median %.2f ms, max %.2f ms\n", Median(drag),
                *std::max_element(drag.begin(), drag.end()));
    std::printf("  wheel notch (scrolled and repainted) median %.2f ms, max %.2f ms\n",
                Median(wheel), *std::max_element(wheel.begin(), wheel.end()));
    std::printf("  screen repainted median %.2f ms, max %.2f ms (%zu lines)\n", Median(screen),
                *std::max_element(screen.begin(), screen.end()), lineCount);
    std::printf("  arrange %.0f ms\n", Median(arrange));
    std::printf("  display-style change %.0f ms\n", Median(restyle));
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("  peak memory so far %.0f MB\n", usage.ru_maxrss / 1024.0);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  wxApp::SetInstance(new wxApp);
  wxApp::GTKSuppressDiagnostics();
  if (!wxEntryStart(argc, argv)) {
    std::fprintf(stderr, "cannot start wx (no display?)\n");
    return 1;
  }
  wxTheApp->CallOnInit();
  AppState state;
  state.settings = LoadSettingsFile(std::string(TABLORA_BENCH_SOURCE_DIR) + "/resources");
  Measure(state, 1000, 20, false);
  Measure(state, 5000, 12, true);
  wxEntryCleanup();
  return 0;
}
