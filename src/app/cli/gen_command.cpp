#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/opened_design.h"
#include "base/gbk_text.h"
#include "base/prompts.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "gen/code_generation.h"
#include "gen/fixed_options_prompt.h"

namespace tablora::cli {

namespace {

constexpr const char* kUsage =
    "usage: tablora-cli gen c|java|cpp DESIGN.sql OUT [--table NAME] [--prefix] [--accessors] "
    "[--skip-time] [--encoding utf-8|gbk]\n"
    "  OUT is the file to write (- : standard output); for java without --table it is the\n"
    "  folder that receives one NAME.java per table (the package is the folder's name).\n"
    "  --encoding: the files' encoding (default: CodeFile/Encoding of the settings, GBK).\n";

struct GenArguments {
  std::string language;
  std::string designPath;
  std::string out;
  std::string table;  ///< actual table name as typed (UTF-8); empty: every table
  GenerationOptions options;
  std::string encoding;  ///< "utf-8", "gbk" or empty (as the settings say)
};

/// False (after a message on standard error) when the arguments do not fit.
bool ParseArguments(const std::vector<std::string>& args, GenArguments& parsed) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--prefix") {
      parsed.options.prefix = true;
    } else if (arg == "--accessors") {
      parsed.options.accessors = true;
    } else if (arg == "--skip-time") {
      parsed.options.skipTime = true;
    } else if (arg == "--table") {
      if (i + 1 == args.size() || args[i + 1].empty()) {
        std::fprintf(stderr, "tablora-cli gen: --table needs a table name\n");
        return false;
      }
      parsed.table = args[++i];
    } else if (arg == "--encoding") {
      const std::string value = i + 1 < args.size() ? gbk::ToLowerAscii(args[i + 1]) : "";
      if (value != "utf-8" && value != "utf8" && value != "gbk") {
        std::fprintf(stderr, "tablora-cli gen: --encoding takes utf-8 or gbk\n");
        return false;
      }
      parsed.encoding = value == "gbk" ? "gbk" : "utf-8";
      ++i;
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "tablora-cli gen: unknown option '%s'\n", arg.c_str());
      return false;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 3) return false;
  parsed.language = positional[0];
  parsed.designPath = AbsolutePath(positional[1]);
  parsed.out = OutputPath(positional[2]);
  if (parsed.language != "c" && parsed.language != "java" && parsed.language != "cpp") {
    std::fprintf(stderr, "tablora-cli gen: unknown language '%s'\n", parsed.language.c_str());
    return false;
  }
  return true;
}

/// Answers the file and folder dialogs with OUT and prints messages on standard error.
class CommandLinePrompts : public SilentPrompts {
 public:
  explicit CommandLinePrompts(std::string out) : out_(std::move(out)) {}
  void ShowMessage(const std::string& text, const std::string& caption) override {
    std::fprintf(stderr, "tablora-cli: %s\n", TextCodec::Cp936ToUtf8(text).c_str());
  }
  std::string ChooseSaveFile(const FileDialogSpec& spec) override { return out_; }
  std::string ChooseFolder(const std::string& startFolder) override { return out_; }

 private:
  std::string out_;
};

}  // namespace

int GenCommand(const std::vector<std::string>& args) {
  GenArguments parsed;
  if (!ParseArguments(args, parsed)) {
    std::fputs(kUsage, stderr);
    return 2;
  }

  OpenedDesign opened;
  if (!opened.Open(parsed.designPath)) return 1;
  Design& design = opened.design;

  int index = -1;
  if (!parsed.table.empty()) {
    index = FindTableByName(design.RefreshTableDefinitions(), TextCodec::Utf8ToCp936(parsed.table));
    if (index == kAmbiguousTable) {
      std::fprintf(stderr,
                   "tablora-cli gen: several owners hold a table '%s' in %s: name it as "
                   "OWNER.%s\n",
                   parsed.table.c_str(), parsed.designPath.c_str(), parsed.table.c_str());
      return 1;
    }
    if (index < 0) {
      std::fprintf(stderr, "tablora-cli gen: no table '%s' in %s\n", parsed.table.c_str(),
                   parsed.designPath.c_str());
      return 1;
    }
  }
  if (parsed.language == "java" && index == -1) {
    if (parsed.out == TextFile::kStandardOutput) {
      std::fprintf(stderr, "tablora-cli gen: java without --table writes a folder, not '-'\n");
      std::fputs(kUsage, stderr);
      return 2;
    }
    std::error_code ec;  // a folder that cannot be made fails at the first write
    std::filesystem::create_directories(parsed.out, ec);
  }

  CommandLinePrompts prompts(parsed.out);
  FixedOptionsPrompt options(parsed.options);
  if (!parsed.encoding.empty()) options.setUtf8(parsed.encoding == "utf-8");
  CodeGeneration generation(
      opened.app.settings, prompts, options,
      [&design]() -> const std::vector<TableDesign>& { return design.RefreshTableDefinitions(); },
      &design.userTypes());
  GenerationResult result;
  if (parsed.language == "c") {
    result = generation.GenerateCStruct(index);
  } else if (parsed.language == "cpp") {
    result = generation.GenerateCppClass(index);
  } else {
    result = generation.GenerateJavaClass(index);
  }
  return result == GenerationResult::kWritten ? 0 : 1;
}

}  // namespace tablora::cli
