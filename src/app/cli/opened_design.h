#pragma once

#include <string>

#include "base/app_state.h"
#include "base/prompts.h"
#include "model/design.h"
#include "model/script_opener.h"
#include "model/script_parser.h"

namespace tablora::cli {

/// The folder of the running executable.
std::string ExecutableFolder();

/// The program folder, chosen by the window program's rule: the executable's folder when it
/// holds the settings, else an installed folder (/usr/local/share/tablora,
/// /usr/share/tablora), else the current folder.
std::string ChosenProgramFolder();

/// A design without windows, with the settings and pattern files of the program folder
/// (ChosenProgramFolder()), that a command opens a script into.
class OpenedDesign {
 public:
  OpenedDesign();
  /// Opens `path` as the open command does; on failure prints the program's message
  /// (UTF-8) to standard error and returns false.
  bool Open(const std::string& path);

  const std::string folder = ChosenProgramFolder();
  AppState app;
  SilentPrompts prompts;
  ScriptParser parser;
  Design design;
};

}  // namespace tablora::cli
