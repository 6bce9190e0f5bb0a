#include "app/gui/subsystem_hooks.h"

#include "app/design_session.h"
#include "app/gui/main_frame.h"

namespace tablora {

void InstallSubsystemCommands(MainFrame& frame) {
  // Subsystems register here, e.g. RegisterGeneratorCommands(frame);
  (void)frame;
}

std::unique_ptr<DesignSession> CreateDesignSession(MainFrame& frame) {
  (void)frame;
  return nullptr;
}

}  // namespace tablora
