#include "gen/gui/generator_commands.h"

#include "app/command_table.h"
#include "app/design_session.h"
#include "app/gui/main_frame.h"
#include "base/app_state.h"
#include "gen/code_generation.h"
#include "gen/gui/options_dialog.h"
#include "model/design.h"

namespace tablora {

namespace {

Design* DesignOf(MainFrame& frame) {
  return frame.session() != nullptr ? frame.session()->design() : nullptr;
}

/// The definition list of the frame's design after its refresh, or an empty list when
/// the frame has no design.
const std::vector<TableDesign>& RefreshedDefinitions(MainFrame& frame) {
  static const std::vector<TableDesign> kNoTables;
  Design* design = DesignOf(frame);
  return design != nullptr ? design->RefreshTableDefinitions() : kNoTables;
}

void Run(MainFrame& frame, GenerationResult (CodeGeneration::*generate)(int), int index = -1) {
  WxOptionsPrompt options(&frame);
  Design* design = DesignOf(frame);
  CodeGeneration generation(
      frame.appState().settings, frame.prompts(), options,
      [&frame]() -> const std::vector<TableDesign>& { return RefreshedDefinitions(frame); },
      design != nullptr ? &design->userTypes() : nullptr);
  (generation.*generate)(index);
}

}  // namespace

void RegisterGeneratorCommands(MainFrame& frame) {
  CommandRegistry& registry = frame.commandRegistry();
  // Enabled while a design stands behind the window; an empty design says "没有数据!".
  const auto hasDesign = [&frame] { return DesignOf(frame) != nullptr; };
  registry.Register(
      cmd::kGenCStruct, [&frame] { Run(frame, &CodeGeneration::GenerateCStruct); }, hasDesign);
  registry.Register(
      cmd::kGenJavaClass, [&frame] { Run(frame, &CodeGeneration::GenerateJavaClass); }, hasDesign);
  registry.Register(
      cmd::kGenCppClass, [&frame] { Run(frame, &CodeGeneration::GenerateCppClass); }, hasDesign);
}

void RunGeneratorForTable(MainFrame& frame, int commandId, int tableIndex) {
  if (commandId == cmd::kGenCStruct) Run(frame, &CodeGeneration::GenerateCStruct, tableIndex);
  if (commandId == cmd::kGenJavaClass) Run(frame, &CodeGeneration::GenerateJavaClass, tableIndex);
  if (commandId == cmd::kGenCppClass) Run(frame, &CodeGeneration::GenerateCppClass, tableIndex);
}

}  // namespace tablora
