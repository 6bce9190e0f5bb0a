#include <string>
#include <vector>

#include "app/cli/cli_commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return tablora::cli::Run(args);
}
