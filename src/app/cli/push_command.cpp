#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/database_target.h"
#include "app/cli/opened_design.h"
#include "base/gbk_text.h"
#include "base/text_codec.h"
#include "db/connect/database_session.h"
#include "db/writeback/write_back.h"

namespace tablora::cli {

namespace {

const char kUsage[] =
    "usage: tablora-cli push DESIGN.sql \"CONNECTION STRING\"|FILE.mdb [--table NAME] "
    "[--comments-only] [--yes] [--drop-data] [--kind N] [--password P] [--comment-script "
    "OUT.vbs|-]\n"
    "  Writes the design's tables (drop when they exist, create, extra statements, comments)\n"
    "  or with --comments-only only their comments to the database, as the program's\n"
    "  \"更新到数据库\" commands do. --table limits it to the table of that actual name.\n"
    "  The first table that fails ends the run; the tables written before it stay written.\n"
    "  Questions (\"表... 已存在, 有 3 行数据, ... 要删除吗?\") are read from standard input\n"
    "  (y or n); without an answer (end of input) the answer is no. --yes answers yes for\n"
    "  empty tables only: a table holding rows is skipped unless --drop-data is given too.\n"
    "  --kind: 0 MS SQL Server (also SQLite and other ODBC databases), 1 MS Access, 2 Oracle;\n"
    "  by default the kind the connection string's driver implies. A missing SQLite file is\n"
    "  not created (NoCreat=0 in the connection string creates it).\n"
    "  MS Access files are read-only here: --comments-only then saves the comments as a\n"
    "  Windows script (\"保存注释脚本\") to --comment-script OUT.vbs, to run where the file\n"
    "  can be written.\n"
    "  Exit codes: 0 written (or the comment script saved), 1 failed, refused or skipped,\n"
    "  3 left undone because the answer was no.\n";

/// Questions on standard error, answers from standard input (or yes with --yes); messages
/// on standard error. Texts are turned from code page 936 into UTF-8.
class ConsolePrompts : public SilentPrompts {
 public:
  ConsolePrompts(bool answerYes, std::string scriptPath)
      : SilentPrompts(answerYes), answerYes_(answerYes), scriptPath_(std::move(scriptPath)) {}
  /// Taken when --comment-script names the file the action saves.
  bool Offer(const std::string& text, const std::string& caption,
             const std::string& action) override {
    const std::string hint = scriptPath_.empty() ? "--comment-script OUT.vbs: " : "";
    std::fprintf(stderr, "%s\n%s%s%s\n", TextCodec::Cp936ToUtf8(text).c_str(), hint.c_str(),
                 TextCodec::Cp936ToUtf8(action).c_str(), scriptPath_.empty() ? "" : " y");
    return !scriptPath_.empty();
  }
  std::string ChooseSaveFile(const FileDialogSpec&) override { return scriptPath_; }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    const std::string question = TextCodec::Cp936ToUtf8(text);
    if (answerYes_) {
      std::fprintf(stderr, "%s y\n", question.c_str());
      return true;
    }
    std::fprintf(stderr, "%s [y/N] ", question.c_str());
    std::fflush(stderr);
    std::string line;
    if (!std::getline(std::cin, line)) {
      std::fprintf(stderr, "\ntablora-cli push: no answer on standard input: no (use --yes)\n");
      return false;
    }
    const std::string answer = gbk::ToLowerAscii(gbk::Trim(line));
    return answer == "y" || answer == "yes";
  }

 private:
  bool answerYes_;
  std::string scriptPath_;
};

int ExitCode(WriteBackResult result) {
  switch (result) {
    case WriteBackResult::kDone:
      return 0;
    case WriteBackResult::kScriptSaved:
      std::fputs(
          "tablora-cli push: the database was not written; the comment script was\n"
          "  saved instead\n",
          stderr);
      return 0;
    case WriteBackResult::kCancelled:
      return 3;
    case WriteBackResult::kSkipped:
      std::fputs(
          "tablora-cli push: --yes does not drop a table that holds rows; "
          "add --drop-data to drop it\n",
          stderr);
      return 1;
    default:
      return 1;
  }
}

}  // namespace

int PushCommand(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  std::string table;
  std::string password;
  std::string scriptPath;
  bool commentsOnly = false;
  bool yes = false;
  bool dropData = false;
  bool usage = false;
  int kind = -1;
  for (std::size_t i = 0; i < args.size() && !usage; ++i) {
    if (args[i] == "--table" && i + 1 < args.size()) {
      table = args[++i];
    } else if (args[i] == "--password" && i + 1 < args.size()) {
      password = args[++i];
    } else if (args[i] == "--comment-script" && i + 1 < args.size()) {
      scriptPath = OutputPath(args[++i]);
    } else if (args[i] == "--kind" && i + 1 < args.size()) {
      usage = !ParseKind(args[++i], kind);
    } else if (args[i] == "--comments-only") {
      commentsOnly = true;
    } else if (args[i] == "--yes") {
      yes = true;
    } else if (args[i] == "--drop-data") {
      dropData = true;
    } else if (args[i].rfind("--", 0) == 0) {
      usage = true;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (usage || positional.size() != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  DatabaseTarget target;
  if (!ResolveTarget("push", positional[1], kind, password, target)) return 2;
  OpenedDesign opened;
  if (!opened.Open(AbsolutePath(positional[0]))) return 1;
  ConsolePrompts prompts(yes, scriptPath);
  DatabaseSession database(opened.design, prompts, opened.folder);
  ConnectionState& state = database.state();
  AdoConnection& connection = *state.sharedConnection;
  connection.setPrompts(&prompts);
  opened.app.databaseKind = target.kind;
  if (target.accessFile.empty()) state.connectionMode = ConnectionState::kDataLink;
  if (!connection.Open(target.connectionString)) return 1;
  state.connected = true;

  int index = -1;
  if (!table.empty()) {
    const std::string name = TextCodec::Utf8ToCp936(table);
    index = FindTableByName(opened.design.RefreshTableDefinitions(), name);
    if (index == kAmbiguousTable) {
      std::fprintf(
          stderr, "tablora-cli push: several owners hold a table '%s' in %s: name it as OWNER.%s\n",
          table.c_str(), positional[0].c_str(), table.c_str());
      return 2;
    }
    if (index < 0) {
      std::fprintf(stderr, "tablora-cli push: no table '%s' in %s\n", table.c_str(),
                   positional[0].c_str());
      return 2;
    }
  }
  WriteBack writeBack(opened.design, database, prompts);
  if (commentsOnly) return ExitCode(writeBack.UpdateComments(false, index));
  writeBack.setKeepTablesWithRows(yes && !dropData);
  if (index >= 0) return ExitCode(writeBack.UpdateTable(index));
  std::vector<int> indexes;
  for (int i = 0; i < opened.design.tableCount(); ++i) {
    if (!opened.design.definitions().at(i).actualName.empty()) indexes.push_back(i);
  }
  return ExitCode(writeBack.UpdateTables(indexes));
}

}  // namespace tablora::cli
