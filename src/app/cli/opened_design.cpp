#include "app/cli/opened_design.h"

#include <unistd.h>

#include <cstdio>

#include "base/program_folder.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"

namespace tablora::cli {

std::string ExecutableFolder() {
  char buffer[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return ".";
  const std::string path(buffer, static_cast<std::size_t>(n));
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string ChosenProgramFolder() {
  char buffer[4096];
  const char* launchFolder = ::getcwd(buffer, sizeof buffer);
  return ProgramFolder::Choose(ExecutableFolder(), launchFolder != nullptr ? launchFolder : ".");
}

OpenedDesign::OpenedDesign() : parser(folder, &prompts), design(app, prompts, parser) {
  app.settings = LoadSettingsFile(folder);
  parser.LoadPatterns();
}

bool OpenedDesign::Open(const std::string& path) {
  const std::string problem = EssentialSettingsProblem(app.settings);
  if (!problem.empty()) {
    std::fprintf(stderr, "tablora-cli: %s\n", TextCodec::Cp936ToUtf8(problem).c_str());
    return false;
  }
  ScriptOpener opener(design, parser, prompts);
  if (opener.OpenScript(path)) return true;
  // The prompts already printed what the user would have been shown.
  if (opener.error() != prompts.lastMessage()) {
    std::fprintf(stderr, "%s\n", TextCodec::Cp936ToUtf8(opener.error()).c_str());
  }
  return false;
}

}  // namespace tablora::cli
