#pragma once

#include <string>

#include "base/settings.h"

namespace tablora {

/// What the application object owns for the whole run: the settings and the
/// process-wide state that several subsystems read.
struct AppState {
  Settings settings;
  int databaseKind = kSqlServer;  ///< the current DatabaseKind
  bool designHasContent = false;  ///< set once a table was created, opened or imported
  std::string lastDatabase;       ///< last database connected to, for proposed file names
  std::string lastHost;
};

}  // namespace tablora
