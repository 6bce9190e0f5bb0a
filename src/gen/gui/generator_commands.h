#pragma once

class wxWindow;

namespace tablora {

class CommandHost;

/// Registers the main menu's commands 32775 "产生C结构(&C)", 32776 "产生Java类(&J)" and
/// 32781 "产生C++类(&D)" with the host window. Each runs its generator over every table of
/// the design behind the host's session, asking through the host's prompts and the options
/// dialog (shown over `parent`); the commands are disabled while the session has no design.
void RegisterGeneratorCommands(CommandHost& host, wxWindow* parent);

/// Runs the generator of command `commandId` (one of the three above) for table
/// `tableIndex` only, as a table window's menu does.
void RunGeneratorForTable(CommandHost& host, wxWindow* parent, int commandId, int tableIndex);

}  // namespace tablora
