// The undo history and the find bar on a large design: the memory 1,000 steps of many kinds
// keep on a 5,000-table design, and the time one keystroke in the find bar takes over
// 5,000 tables of 20 columns.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/script_design_session.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "generated_script.h"
#include "support/editor_settings.h"
#include "ui/table_finder.h"

namespace {

class SilentPrompts : public tablora::Prompts {
 public:
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  void ShowMessage(const std::string&, const std::string&) override {}
  std::string ChooseSaveFile(const tablora::FileDialogSpec&) override { return {}; }
  std::string ChooseOpenFile(const tablora::FileDialogSpec&) override { return {}; }
  std::string ChooseFolder(const std::string&) override { return {}; }
  bool ChooseDatabaseKind(int&) override { return true; }
};

/// A session over the generated design of `tables` tables of 20 columns.
struct Opened {
  tablora::AppState app;
  SilentPrompts prompts;
  std::unique_ptr<tablora::ScriptDesignSession> session;

  explicit Opened(int tables) {
    app.settings.programFolder = TABLORA_BENCH_SOURCE_DIR "/resources";
    app.settings = tablora::testing::EditorSettings();
    app.settings.programFolder = TABLORA_BENCH_SOURCE_DIR "/resources";
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("tablora_history_bench_" + std::to_string(tables) + ".sql"))
                                 .string();
    tablora::TextFile::WriteBytes(path, tablora::bench::GeneratedScript(tables));
    session = std::make_unique<tablora::ScriptDesignSession>(app, prompts);
    session->OpenScript(path);
    std::filesystem::remove(path);
  }
};

std::size_t HeapInUse() { return mallinfo2().uordblks; }

// 1,000 steps: per 100, 60 window moves, 10 resizes, 10 colour changes, 10 applied editor
// changes, 4 deletions, 4 new tables, 1 arrange of every window and 1 change of two groups.
void HistoryMemory(benchmark::State& state) {
  Opened opened(5000);
  tablora::Design& design = *opened.session->design();
  tablora::DesignHistory& history = *opened.session->history();
  for (auto _ : state) {
    history.Reset();
    const std::size_t before = HeapInUse();
    for (int step = 0; step < 1000; ++step) {
      const int kind = step % 100;
      const int t = (step * 37) % design.tableCount();
      tablora::TableWindowState& w = design.entry(t).window;
      if (kind < 60) {
        w.left += 7;
        w.right += 7;
        design.TableWindowChanged(t);
      } else if (kind < 70) {
        w.bottom += 11;
        design.TableWindowChanged(t);
      } else if (kind < 80) {
        w.bkColour ^= 0x00102030;
        design.TableWindowChanged(t);
      } else if (kind < 90) {
        tablora::TableEditor& editor = design.editor(t);
        editor.ActivatePage(tablora::TableEditor::kNamePage);
        editor.CommentChanged("comment " + std::to_string(step));
        editor.ActivatePage(tablora::TableEditor::kSqlPage);
      } else if (kind < 94) {
        design.RemoveTable(t);
      } else if (kind < 98) {
        const int added = design.AddTable(true, -1);
        design.editor(added).DisplayNameChanged("new" + std::to_string(step));
        design.editor(added).ActivatePage(tablora::TableEditor::kSqlPage);
      } else if (kind == 98) {
        tablora::HistoryStep arrange(&history, "arrange");
        for (int i = 0; i < design.tableCount(); ++i) {
          tablora::TableWindowState& each = design.entry(i).window;
          each.top += 3;
          each.bottom += 3;
          design.TableWindowChanged(i);
        }
      } else {
        tablora::HistoryStep group(&history, "group");
        for (int i : {t, (t + 1) % design.tableCount()}) {
          design.editor(i).GroupChanged("g" + std::to_string(step));
          design.definitions()[static_cast<std::size_t>(i)].group = "g" + std::to_string(step);
          history.TableChanged(i);
        }
      }
    }
    state.counters["steps"] = static_cast<double>(history.size());
    state.counters["MB"] = static_cast<double>(HeapInUse() - before) / (1024.0 * 1024.0);
  }
}
BENCHMARK(HistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// One keystroke of the find bar: the texts of every table taken again, then the search,
// for each prefix of a few typed texts (a column name, a Chinese display name, a table).
void FindKeystroke(benchmark::State& state) {
  Opened opened(5000);
  const tablora::Design& design = *opened.session->design();
  const std::string typed[] = {"col19", tablora::Cp936(u8"显示名"), "t4999", "zz"};
  std::vector<std::string> keystrokes;
  for (const std::string& text : typed) {
    // A keystroke adds a whole character: two bytes for a Chinese one.
    for (std::size_t n = 0; n < text.size();) {
      n += static_cast<unsigned char>(text[n]) >= 0x81 ? 2 : 1;
      keystrokes.push_back(text.substr(0, n));
    }
  }
  tablora::TableFinder finder;
  std::size_t i = 0;
  std::size_t found = 0;
  for (auto _ : state) {
    finder.Build(design);
    found += finder.Find(keystrokes[i++ % keystrokes.size()]).size();
  }
  benchmark::DoNotOptimize(found);
  state.counters["tables"] = finder.tableCount();
}
BENCHMARK(FindKeystroke)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
