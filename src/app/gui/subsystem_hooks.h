#pragma once

#include <memory>

namespace tablora {

class DesignSession;
class MainFrame;

/// The one place where other subsystems attach to the main window. Each subsystem adds
/// one line here that registers its command handlers with frame.commandRegistry().
void InstallSubsystemCommands(MainFrame& frame);

/// The design's file side for the frame's open, save, recent-file and drop commands;
/// nullptr while the script reader and writer are not part of the build (the commands
/// then stay disabled).
std::unique_ptr<DesignSession> CreateDesignSession(MainFrame& frame);

}  // namespace tablora
