#pragma once

namespace tablora {

class MainFrame;

/// Registers the main menu's commands 32775 "产生C结构(&C)", 32776 "产生Java类(&J)" and
/// 32781 "产生C++类(&D)" with the frame. Each runs its generator over every table of the
/// design behind the frame's session, asking through the frame's prompts and the options
/// dialog; the commands are disabled while the session has no design.
void RegisterGeneratorCommands(MainFrame& frame);

/// Runs the generator of command `commandId` (one of the three above) for table
/// `tableIndex` only, as a table window's menu does.
void RunGeneratorForTable(MainFrame& frame, int commandId, int tableIndex);

}  // namespace tablora
