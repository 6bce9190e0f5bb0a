#include "app/gui/subsystem_hooks.h"

#include "app/gui/frame_convert_host.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/table_window_commands.h"
#include "app/script_design_session.h"
#include "gen/gui/generator_commands.h"

namespace tablora {

void InstallSubsystemCommands(MainFrame& frame) {
  // Subsystems register here, one line each.
  RegisterGeneratorCommands(frame);
  frame.tableCommands().RegisterMainCommands();
  RegisterConvertCommands(frame);
}

std::unique_ptr<DesignSession> CreateDesignSession(MainFrame& frame) {
  return std::make_unique<ScriptDesignSession>(frame.appState(), frame.prompts(),
                                               &frame.designWindow());
}

}  // namespace tablora
