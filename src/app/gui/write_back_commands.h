#pragma once

namespace tablora {

class MainFrame;

/// Registers the main menu's "产生注释(B)" commands (32824, 32825, 32823, 32826) with the
/// frame; the group tree's "更新所有分组信息到数据库(&C)" reaches 32823 through the registry.
void RegisterWriteBackCommands(MainFrame& frame);

/// Runs "从数据库更新表(&U)", "更新到数据库(&S)" or "只更新注释到数据库(&V)" for `table`.
void RunWriteBackCommand(MainFrame& frame, int id, int table);

}  // namespace tablora
