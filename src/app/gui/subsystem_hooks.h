#pragma once

#include <memory>

namespace tablora {

class DesignSession;
class MainFrame;

/// The one place where other subsystems attach to the main window. Each subsystem adds
/// one line here that registers its command handlers with frame.commandRegistry().
void InstallSubsystemCommands(MainFrame& frame);

/// Registers "连接数据库(ADO/ODBC)(&D)" (32812) and "查看MS SQL Server数据库(&E)" (32817): the
/// connect dialog or the server browser, then the import into the frame session's design.
void RegisterDatabaseCommands(MainFrame& frame);

/// The design with its script files, for the frame's open, save, recent-file and drop
/// commands; the design's notes go to the frame's design window.
std::unique_ptr<DesignSession> CreateDesignSession(MainFrame& frame);

}  // namespace tablora
