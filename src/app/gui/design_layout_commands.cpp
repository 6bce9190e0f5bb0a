#include "app/gui/design_layout_commands.h"

#include "app/command_table.h"
#include "app/design_history.h"
#include "base/text_codec.h"
#include "app/gui/document_frame.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/work_box_commands.h"
#include "model/design.h"
#include "ui/gui/arrange_dialog.h"
#include "ui/design_relations.h"
#include "ui/gui/design_canvas.h"
#include "ui/relation_layout.h"

namespace tablora {

void DesignLayoutCommands::RegisterMainCommands() {
  CommandRegistry& registry = frame_.commandRegistry();
  const auto hasTables = [this] { return HasTables(); };
  registry.Register(
      cmd::kArrange, [this] { Arrange(); }, hasTables);
  registry.Register(
      cmd::kTextColour, [this] { ChooseColour(-1, ColourChoice::kText); }, hasTables);
  registry.Register(
      cmd::kBackColour, [this] { ChooseColour(-1, ColourChoice::kBackground); }, hasTables);
}

bool DesignLayoutCommands::HasTables() const {
  return frame_.session() != nullptr && frame_.session()->design() != nullptr &&
         frame_.session()->design()->tableCount() > 0;
}

DesignCanvas* DesignLayoutCommands::OpenCanvas() const {
  for (DocumentFrame* document : frame_.documents()) {
    if (document->tableView() != nullptr) return document->tableView();
  }
  return nullptr;
}

void DesignLayoutCommands::Arrange() {
  if (!HasTables() || OpenCanvas() == nullptr) return;
  Design& design = *frame_.session()->design();
  ArrangeOptions preset;
  preset.tablesPerRow = design.tablesPerRow();
  preset.width = frame_.appState().settings.tableWinWidth;
  ArrangeDialog dialog(&frame_, frame_.prompts(), preset);
  if (dialog.ShowModal() != wxID_OK) return;
  ApplyArrange(dialog.options());
}

void DesignLayoutCommands::ApplyArrange(const ArrangeOptions& options) {
  DesignCanvas* canvas = OpenCanvas();
  if (!HasTables() || canvas == nullptr) return;
  Design& design = *frame_.session()->design();
  Settings& settings = frame_.appState().settings;
  HistoryStep step(frame_.session()->history(), Cp936(u8"排列"));
  canvas->Scroll(0, 0);
  settings.tableWinWidth = options.width;
  if (options.tablesPerRow < 1) return;
  std::vector<std::vector<int>> runs = ArrangeLayout::ListRun(design.tableCount());
  if (options.order == 2) {
    std::vector<std::vector<int>> groups;
    if (WorkBoxTrees* trees = frame_.workBoxCommands().trees()) {
      for (int group : trees->Groups()) groups.push_back(trees->GroupTables(group));
    }
    runs = ArrangeLayout::GroupRuns(groups, design.tableCount());
  }
  const ArrangeMetrics metrics{settings.tableWinHeight, settings.marginW, settings.marginH,
                               frame_.designWindow().ScrollHeight(), settings.fitColumnWidths};
  Arrangement arrangement;
  if (options.order == 3) {
    std::vector<std::pair<int, int>> links;
    for (const Relation& r : DesignRelations::Collect(design.definitions())) {
      links.emplace_back(r.child, r.parent);
    }
    arrangement = RelationLayout::Compute(options, metrics, links, canvas->ContentSizes());
  } else {
    arrangement = ArrangeLayout::Compute(options, metrics, runs, canvas->ContentSizes());
  }
  design.setTablesPerRow(arrangement.tablesPerRow);
  frame_.designWindow().SetScrollHeight(arrangement.scrollHeight);
  for (DocumentFrame* document : frame_.documents()) {
    if (document->tableView() != nullptr) document->tableView()->ApplyArrangement(arrangement);
  }
}

void DesignLayoutCommands::ChooseColour(int table, int mode) {
  if (!HasTables()) return;
  Design& design = *frame_.session()->design();
  DesignCanvas* canvas = OpenCanvas();
  if (table >= 0 && canvas != nullptr && canvas->TablesWith(table).size() > 1) {
    ColourTogether(canvas->TablesWith(table), mode);
    return;
  }
  // Every colour given in one visit of the dialog is one step.
  HistoryStep step(frame_.session()->history(),
                   Cp936(mode == ColourChoice::kText ? u8"字体颜色" : u8"背景颜色"));
  ColourDialog dialog(&frame_, design, table, mode);
  if (chooser_) dialog.SetChooser(chooser_);
  dialog.ShowModal();
}

void DesignLayoutCommands::ColourTogether(const std::vector<int>& tables, int mode) {
  Design& design = *frame_.session()->design();
  const bool text = mode == ColourChoice::kText;
  const TableWindowState& first = design.entry(tables.front()).window;
  std::uint32_t colour = text ? first.textColour : first.bkColour;
  const bool chosen = chooser_ ? chooser_(&frame_, colour)
                               : ColourDialog::ChooseSystemColour(&frame_, colour);
  if (!chosen) return;
  design.BeginChanges(Cp936(text ? u8"字体颜色 " : u8"背景颜色 ") + std::to_string(tables.size()) +
                      Cp936(u8" 个表"));
  for (int table : tables) {
    TableWindowState& window = design.entry(table).window;
    (text ? window.textColour : window.bkColour) = colour;
    design.TableChanged(table);
  }
  design.EndChanges();
}

}  // namespace tablora
