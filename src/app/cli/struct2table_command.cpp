#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/database_target.h"
#include "app/cli/opened_design.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "convert/struct_conversion.h"
#include "model/script_writer.h"

namespace tablora::cli {

int StructToTableCommand(const std::vector<std::string>& args) {
  std::vector<std::string> paths;
  int kind = -1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--kind" && i + 1 < args.size()) {
      if (!ParseKind(args[++i], kind)) paths.push_back("");  // bad usage
    } else {
      paths.push_back(args[i]);
    }
  }
  if (paths.size() != 2 || paths[0].empty() || paths[1].empty()) {
    std::fprintf(stderr,
                 "usage: tablora-cli struct2table IN.h OUT.sql [--kind N]  "
                 "(N: 0 MS SQL Server, 1 MS Access, 2 Oracle)\n");
    return 2;
  }
  std::string text;
  if (!TextFile::ReadBytes(AbsolutePath(paths[0]), text)) {
    std::fprintf(stderr, "%s%s\n", u8"打不开文件: ", paths[0].c_str());
    return 1;
  }
  OpenedDesign opened;
  if (kind >= 0) opened.app.databaseKind = kind;
  const int added = StructConversion::AddToDesign(opened.design, text);
  if (added <= 0) {
    std::fprintf(stderr, "%s%s\n", u8"没有找到结构: ", paths[0].c_str());
    return 1;
  }
  // SaveScript tells the user (here: standard error) why it could not write.
  return ScriptWriter(opened.app)
                 .SaveScript(opened.design, opened.prompts, OutputPath(paths[1]), -1)
             ? 0
             : 1;
}

}  // namespace tablora::cli
