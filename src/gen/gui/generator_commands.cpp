#include "gen/gui/generator_commands.h"

#include "base/app_state.h"
#include "base/commands/command_host.h"
#include "base/commands/command_ids.h"
#include "base/commands/command_registry.h"
#include "base/commands/design_context.h"
#include "gen/code_generation.h"
#include "gen/gui/options_dialog.h"
#include "model/design.h"

namespace tablora {

namespace {

Design* DesignOf(const CommandHost& host) {
  return host.session() != nullptr ? host.session()->design() : nullptr;
}

/// The definition list of the frame's design after its refresh, or an empty list when
/// the frame has no design.
const std::vector<TableDesign>& RefreshedDefinitions(const CommandHost& host) {
  static const std::vector<TableDesign> kNoTables;
  Design* design = DesignOf(host);
  return design != nullptr ? design->RefreshTableDefinitions() : kNoTables;
}

void Run(CommandHost& host, wxWindow* parent, GenerationResult (CodeGeneration::*generate)(int),
         int index = -1) {
  WxOptionsPrompt options(parent);
  Design* design = DesignOf(host);
  CodeGeneration generation(
      host.appState().settings, host.prompts(), options,
      [&host]() -> const std::vector<TableDesign>& { return RefreshedDefinitions(host); },
      design != nullptr ? &design->userTypes() : nullptr);
  (generation.*generate)(index);
}

}  // namespace

void RegisterGeneratorCommands(CommandHost& host, wxWindow* parent) {
  CommandRegistry& registry = host.commandRegistry();
  // Enabled while a design stands behind the window; an empty design says "没有数据!".
  const auto hasDesign = [&host] { return DesignOf(host) != nullptr; };
  registry.Register(
      cmd::kGenCStruct, [&host, parent] { Run(host, parent, &CodeGeneration::GenerateCStruct); },
      hasDesign);
  registry.Register(
      cmd::kGenJavaClass,
      [&host, parent] { Run(host, parent, &CodeGeneration::GenerateJavaClass); }, hasDesign);
  registry.Register(
      cmd::kGenCppClass, [&host, parent] { Run(host, parent, &CodeGeneration::GenerateCppClass); },
      hasDesign);
}

void RunGeneratorForTable(CommandHost& host, wxWindow* parent, int commandId, int tableIndex) {
  if (commandId == cmd::kGenCStruct) {
    Run(host, parent, &CodeGeneration::GenerateCStruct, tableIndex);
  } else if (commandId == cmd::kGenJavaClass) {
    Run(host, parent, &CodeGeneration::GenerateJavaClass, tableIndex);
  } else if (commandId == cmd::kGenCppClass) {
    Run(host, parent, &CodeGeneration::GenerateCppClass, tableIndex);
  }
}

}  // namespace tablora
