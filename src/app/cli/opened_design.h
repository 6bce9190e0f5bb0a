#pragma once

#include <string>

#include "base/app_state.h"
#include "base/prompts.h"
#include "model/design.h"
#include "model/script_opener.h"
#include "model/script_parser.h"

namespace tablora::cli {

/// A design without windows, with the settings and pattern files of the program folder
/// (the folder of the executable), that a command opens a script into.
class OpenedDesign {
 public:
  OpenedDesign();
  /// Opens `path` as the open command does; on failure prints the program's message
  /// (UTF-8) to standard error and returns false.
  bool Open(const std::string& path);

  AppState app;
  SilentPrompts prompts;
  ScriptParser parser;
  Design design;
};

/// The folder of the running executable.
std::string ExecutableFolder();

}  // namespace tablora::cli
