#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/opened_design.h"
#include "model/script_writer.h"

namespace tablora::cli {

int SaveCommand(const std::vector<std::string>& args) {
  OpenedDesign opened;
  if (!opened.Open(args[0])) return 1;
  // SaveScript tells the user (here: standard error) why it could not write.
  return ScriptWriter(opened.app)
                 .SaveScript(opened.design, opened.prompts, OutputPath(args[1]), -1)
             ? 0
             : 1;
}

}  // namespace tablora::cli
