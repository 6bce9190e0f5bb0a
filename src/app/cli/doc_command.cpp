#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/opened_design.h"
#include "base/text_codec.h"
#include "doc/dictionary_export.h"

namespace tablora::cli {

namespace {

constexpr const char* kUsage =
    "usage: tablora-cli doc html|md|xlsx|pdf DESIGN.sql OUT [--group NAME] [--title TEXT]\n"
    "  OUT - : standard output.\n"
    "  writes the data dictionary of the design (of one group with --group; \"其他表\" is the\n"
    "  tables without a group); the title is the script's name and \" 数据字典\" unless given.\n";

struct DocArguments {
  DictionaryOptions options;  ///< group and title in code page 936
  std::string designPath;
  std::string out;
};

/// False (after a message on standard error) when the arguments do not fit.
bool ParseArguments(const std::vector<std::string>& args, DocArguments& parsed) {
  std::vector<std::string> positional;
  bool titled = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--group" || arg == "--title") {
      if (i + 1 == args.size() || args[i + 1].empty()) {
        std::fprintf(stderr, "tablora-cli doc: %s needs a text\n", arg.c_str());
        return false;
      }
      (arg == "--group" ? parsed.options.group : parsed.options.title) =
          TextCodec::Utf8ToCp936(args[++i]);
      titled = titled || arg == "--title";
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "tablora-cli doc: unknown option '%s'\n", arg.c_str());
      return false;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 3) return false;
  if (!DictionaryExport::ParseFormat(positional[0], parsed.options.format)) {
    std::fprintf(stderr, "tablora-cli doc: unknown format '%s'\n", positional[0].c_str());
    return false;
  }
  parsed.designPath = AbsolutePath(positional[1]);
  parsed.out = OutputPath(positional[2]);
  if (!titled) parsed.options.title = DataDictionary::DefaultTitle(positional[1]);
  return true;
}

}  // namespace

int DocCommand(const std::vector<std::string>& args) {
  DocArguments parsed;
  if (!ParseArguments(args, parsed)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  OpenedDesign opened;
  if (!opened.Open(parsed.designPath)) return 1;
  std::string error;
  if (!DictionaryExport::Write(opened.design.RefreshTableDefinitions(), opened.app.settings,
                               parsed.options, parsed.out, nullptr, &error)) {
    std::fprintf(stderr, "tablora-cli: %s\n", TextCodec::Cp936ToUtf8(error).c_str());
    return 1;
  }
  return 0;
}

}  // namespace tablora::cli
