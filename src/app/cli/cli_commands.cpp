#include "app/cli/cli_commands.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "base/text_file.h"

namespace tablora::cli {

std::string AbsolutePath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  const auto absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}

std::string OutputPath(const std::string& path) {
  return path == TextFile::kStandardOutput ? path : AbsolutePath(path);
}

namespace {

struct Command {
  const char* name;
  const char* arguments;
  const char* summary;
  int (*run)(const std::vector<std::string>& args);
  int argumentCount = -1;  ///< how many arguments it takes; -1: the command checks them
};

/// Every command of the tool; add a line here for a new one.
constexpr Command kCommands[] = {
    {"new-sample", "OUT", "write the saved script of a small sample design (OUT - : standard output)",
     NewSampleCommand, 1},
    {"dump", "FILE", "open a script and print the design as JSON (UTF-8)", DumpCommand, 1},
    {"save", "IN OUT", "open a script and save all its tables with the writer (OUT - : standard output)",
     SaveCommand, 2},
    {"gen", "c|java|cpp DESIGN.sql OUT [--table NAME] [--prefix] [--accessors] [--skip-time]",
     "generate C structures, Java classes or C++ classes", GenCommand},
    {"sql", "KIND DESIGN.sql TABLE [--fields a,b] [--where TEXT] [--params] [--proc]",
     "print a select|insert|update|delete|backup|drop statement", SqlCommand},
    {"template", "KIND CODEKIND DESIGN.sql TABLE [OUT] [--fields a,b]",
     "fill a code template of sqltemplate/ for a table", TemplateCommand},
    {"import",
     "\"CONNECTION STRING\"|FILE.mdb OUT.sql [--kind N] [--password P] [--into DESIGN.sql] "
     "[--on-conflict replace|rename|skip]",
     "import a database's tables and save them as a design script", ImportCommand},
    {"query", "\"CONNECTION STRING\"|FILE.mdb \"SQL\" [--limit N]",
     "run a query and print its rows as CSV (UTF-8)", QueryCommand},
    {"push",
     "DESIGN.sql \"CONNECTION\"|FILE.mdb [--table NAME] [--comments-only] [--yes] "
     "[--drop-data]",
     "write tables (drop, create, keys, comments) or only comments to a database", PushCommand},
    {"convert-defs", "FORMAT_SCRIPT OUTPUT_FORMAT_NAME [IN]",
     "convert definition lines (standard input by default) with a source format script (a file "
     "or a name in tableformat/) into an output format of tableformat/tableformat.ini",
     ConvertDefsCommand},
    {"doc", "html|md|xlsx|pdf DESIGN.sql OUT [--group NAME] [--title TEXT]",
     "write the design's data dictionary (the picture needs the window program: tablora "
     "--export-doc)",
     DocCommand},
    {"struct2table", "IN.h OUT.sql [--kind N]",
     "turn the C/C++ structures of IN.h into tables and save them as a script",
     StructToTableCommand},
};

int Usage() {
  std::fprintf(stderr, "usage: tablora-cli COMMAND ...\ncommands:\n  %-24s this text\n", "help");
  for (const Command& command : kCommands) {
    const std::string synopsis = std::string(command.name) + " " + command.arguments;
    std::fprintf(stderr, "  %-24s %s\n", synopsis.c_str(), command.summary);
  }
  return 2;
}

}  // namespace

int Run(const std::vector<std::string>& args) {
  if (args.empty() || args[0] == "help" || args[0] == "--help") return Usage();
  for (const Command& command : kCommands) {
    if (args[0] != command.name) continue;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command.argumentCount >= 0 &&
        rest.size() != static_cast<std::size_t>(command.argumentCount)) {
      std::fprintf(stderr, "usage: tablora-cli %s %s\n", command.name, command.arguments);
      return 2;
    }
    return command.run(rest);
  }
  std::fprintf(stderr, "tablora-cli: unknown command '%s'\n", args[0].c_str());
  return Usage();
}

}  // namespace tablora::cli
