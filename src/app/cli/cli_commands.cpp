#include "app/cli/cli_commands.h"

#include <cstdio>

namespace tablora::cli {

namespace {
int Usage() {
  std::fprintf(stderr,
               "usage: tablora-cli COMMAND ...\n"
               "commands:\n"
               "  help                 this text\n");
  return 2;
}
}  // namespace

int Run(const std::vector<std::string>& args) {
  if (args.empty() || args[0] == "help" || args[0] == "--help") return Usage();
  std::fprintf(stderr, "tablora-cli: unknown command '%s'\n", args[0].c_str());
  return Usage();
}

}  // namespace tablora::cli
