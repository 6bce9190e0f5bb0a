#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/opened_design.h"
#include "base/gbk_text.h"
#include "base/ini_file.h"
#include "base/program_folder.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "gen/statement_builder.h"
#include "gen/template_engine.h"

namespace tablora::cli {

namespace {

constexpr const char* kSqlUsage =
    "usage: tablora-cli sql select|insert|update|delete|backup|drop DESIGN.sql TABLE\n"
    "         [--fields a,b] [--where TEXT] [--params] [--proc] [--no-breaks] [--top N]\n"
    "         [--database NAME]\n"
    "  prints the statement (UTF-8, CR LF line ends) for the chosen fields (default: all).\n";
constexpr const char* kTemplateUsage =
    "usage: tablora-cli template KIND CODEKIND DESIGN.sql TABLE [OUT] [--fields a,b]\n"
    "         [--where TEXT] [--class NAME] [--prefix TEXT] [--suffix TEXT] [--variable NAME]\n"
    "  fills sqltemplate/template_KIND/CODEKIND.h for the table's fields and writes the code\n"
    "  to OUT (code page 936) or prints it (UTF-8).\n";

struct StatementArguments {
  std::vector<std::string> positional;
  std::vector<std::string> fields;  ///< actual names, UTF-8; empty: every column
  bool fieldsGiven = false;
  std::string where;  ///< UTF-8
  bool params = false;
  bool proc = false;
  bool noBreaks = false;
  int top = 0;
  std::string database;
  TemplateBoxes boxes;  ///< UTF-8 until used
};

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    const std::string part = text.substr(start, comma - start);
    if (!part.empty()) parts.push_back(part);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return parts;
}

bool Parse(const char* command, const std::vector<std::string>& args, StatementArguments& out) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& target) {
      if (i + 1 == args.size()) {
        std::fprintf(stderr, "tablora-cli %s: %s needs a value\n", command, arg.c_str());
        return false;
      }
      target = args[++i];
      return true;
    };
    std::string text;
    if (arg == "--params") {
      out.params = true;
    } else if (arg == "--proc") {
      out.proc = true;
    } else if (arg == "--no-breaks") {
      out.noBreaks = true;
    } else if (arg == "--fields") {
      if (!value(text)) return false;
      out.fields = SplitCommas(text);
      out.fieldsGiven = true;
    } else if (arg == "--where") {
      if (!value(out.where)) return false;
    } else if (arg == "--top") {
      if (!value(text)) return false;
      out.top = std::atoi(text.c_str());
    } else if (arg == "--database") {
      if (!value(out.database)) return false;
    } else if (arg == "--class") {
      if (!value(out.boxes.className)) return false;
    } else if (arg == "--prefix") {
      if (!value(out.boxes.functionPrefix)) return false;
    } else if (arg == "--suffix") {
      if (!value(out.boxes.functionSuffix)) return false;
    } else if (arg == "--variable") {
      if (!value(out.boxes.tableVariable)) return false;
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      std::fprintf(stderr, "tablora-cli %s: unknown option '%s'\n", command, arg.c_str());
      return false;
    } else {
      out.positional.push_back(arg);
    }
  }
  return true;
}

/// The condition of --where as a clause: "WHERE " goes before a text that does not begin
/// with that word (any case); an empty text stays empty.
std::string WhereClause(const std::string& text) {
  const std::string trimmed = gbk::Trim(text);
  if (trimmed.empty()) return trimmed;
  const bool hasWord =
      trimmed.size() >= 5 &&
      gbk::EqualsIgnoreCase(std::string_view(trimmed).substr(0, 5), "WHERE") &&
      (trimmed.size() == 5 || !gbk::IsWordChar(static_cast<unsigned char>(trimmed[5])));
  return hasWord ? trimmed : "WHERE " + trimmed;
}

/// Opens the design, picks the table and the fields into `builder`; prints why not.
bool Prepare(const char* command, OpenedDesign& opened, const std::string& designPath,
             const std::string& tableName, const StatementArguments& args,
             StatementBuilder& builder) {
  const std::vector<TableDesign>& tables = opened.design.RefreshTableDefinitions();
  const std::string wanted = TextCodec::Utf8ToCp936(tableName);
  const int index = FindTableByName(tables, wanted);
  if (index == kAmbiguousTable) {
    std::fprintf(stderr,
                 "tablora-cli %s: several owners hold a table '%s' in %s: name it as OWNER.%s\n",
                 command, tableName.c_str(), designPath.c_str(), tableName.c_str());
    return false;
  }
  if (index < 0) {
    std::fprintf(stderr, "tablora-cli %s: no table '%s' in %s\n", command, tableName.c_str(),
                 designPath.c_str());
    return false;
  }
  builder.SelectTable(index);
  if (!args.fieldsGiven) {
    builder.ChooseAll();
  } else {
    for (const std::string& field : args.fields) {
      const std::string name = TextCodec::Utf8ToCp936(field);
      std::size_t pos = 0;
      while (pos < builder.available().size() && builder.available()[pos].copy.actualName != name) {
        ++pos;
      }
      if (pos == builder.available().size()) {
        std::fprintf(stderr, "tablora-cli %s: no field '%s' in table '%s'\n", command,
                     field.c_str(), tableName.c_str());
        return false;
      }
      builder.Choose(pos);
    }
  }
  builder.setWhere(TextCodec::Utf8ToCp936(WhereClause(args.where)));
  builder.setParameters(args.params);
  builder.setProcedureHeader(args.proc);
  builder.setNoLineBreaks(args.noBreaks);
  builder.setTop(args.top);
  builder.setDatabaseName(TextCodec::Utf8ToCp936(args.database));
  builder.Rebuild();
  return true;
}

}  // namespace

int SqlCommand(const std::vector<std::string>& rawArgs) {
  StatementArguments args;
  StatementKind kind;
  if (!Parse("sql", rawArgs, args) || args.positional.size() != 3 ||
      !ParseStatementKind(args.positional[0], kind)) {
    std::fputs(kSqlUsage, stderr);
    return 2;
  }
  const std::string designPath = AbsolutePath(args.positional[1]);
  OpenedDesign opened;
  if (!opened.Open(designPath)) return 1;
  StatementBuilder builder(kind, -1, [&opened]() -> const std::vector<TableDesign>& {
    return opened.design.definitions();
  });
  if (!Prepare("sql", opened, designPath, args.positional[2], args, builder)) return 1;
  std::fputs(TextCodec::Cp936ToUtf8(builder.statement()).c_str(), stdout);
  std::fputs("\n", stdout);
  return 0;
}

int TemplateCommand(const std::vector<std::string>& rawArgs) {
  StatementArguments args;
  StatementKind kind;
  if (!Parse("template", rawArgs, args) ||
      (args.positional.size() != 4 && args.positional.size() != 5) ||
      !ParseStatementKind(args.positional[0], kind)) {
    std::fputs(kTemplateUsage, stderr);
    return 2;
  }
  const std::string designPath = AbsolutePath(args.positional[2]);
  OpenedDesign opened;
  if (!opened.Open(designPath)) return 1;
  StatementBuilder builder(kind, -1, [&opened]() -> const std::vector<TableDesign>& {
    return opened.design.definitions();
  });
  if (!Prepare("template", opened, designPath, args.positional[3], args, builder)) return 1;

  const std::string folder = ProgramFolder::Join(
      ProgramFolder::Join(opened.app.settings.programFolder, "sqltemplate"), TemplateFolder(kind));
  std::vector<CodeKindFile> kinds;
  std::string error;
  std::string text;
  const std::string codeKind = TextCodec::Utf8ToCp936(args.positional[1]);
  const CodeKindFile* chosen = nullptr;
  if (TemplateEngine::ListCodeKinds(folder, kinds, error)) {
    for (const CodeKindFile& k : kinds) {
      if (k.name == codeKind) chosen = &k;
    }
    if (chosen == nullptr) error = Cp936(u8"找不到代码模板: ") + codeKind;
  }
  if (chosen == nullptr ||
      !TemplateEngine::ReadTemplate(ProgramFolder::Join(folder, chosen->file), text, error)) {
    std::fprintf(stderr, "tablora-cli template: %s\n", TextCodec::Cp936ToUtf8(error).c_str());
    return 1;
  }
  bool iniOk = false;
  const IniFile ini = IniFile::Load(
      ProgramFolder::Join(opened.app.settings.programFolder, "sqltemplate/template.ini"), &iniOk);
  if (!iniOk) {
    std::fprintf(stderr, "tablora-cli template: cannot read sqltemplate/template.ini\n");
    return 1;
  }
  TemplateMarkers markers = TemplateMarkers::FromIni(ini);
  TemplateBoxes boxes;
  boxes.className = TextCodec::Utf8ToCp936(args.boxes.className);
  boxes.functionPrefix = args.boxes.functionPrefix.empty()
                             ? std::string(FunctionPrefixDefault(kind))
                             : TextCodec::Utf8ToCp936(args.boxes.functionPrefix);
  boxes.functionSuffix = TextCodec::Utf8ToCp936(args.boxes.functionSuffix);
  boxes.tableVariable = TextCodec::Utf8ToCp936(args.boxes.tableVariable);
  boxes.databaseName = TextCodec::Utf8ToCp936(args.database);
  TemplateInput input;
  builder.ForTemplate(input, TemplateEngine::LanguageOf(chosen->name));
  const std::string code = TemplateEngine::Expand(text, markers, input, boxes, opened.app.settings);
  if (args.positional.size() == 5) {
    const std::string out = OutputPath(args.positional[4]);
    const bool utf8 = opened.app.settings.codeFilesUtf8;
    if (!TextFile::WriteText(out, utf8 ? TextCodec::Cp936ToUtf8(code) : code, &error)) {
      std::fprintf(stderr, "tablora-cli template: %s\n", error.c_str());
      return 1;
    }
    return 0;
  }
  std::fputs(TextCodec::Cp936ToUtf8(code).c_str(), stdout);
  return 0;
}

}  // namespace tablora::cli
