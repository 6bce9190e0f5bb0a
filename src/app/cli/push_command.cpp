#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/opened_design.h"
#include "base/gbk_text.h"
#include "base/text_codec.h"
#include "db/connection_strings.h"
#include "db/database_session.h"
#include "db/write_back.h"

namespace tablora::cli {

namespace {

const char kUsage[] =
    "usage: tablora-cli push DESIGN.sql \"CONNECTION STRING\"|FILE.mdb [--table NAME] "
    "[--comments-only] [--yes] [--kind N] [--password P]\n"
    "  Writes the design's tables (drop when they exist, create, extra statements, comments)\n"
    "  or with --comments-only only their comments to the database, as the program's\n"
    "  \"更新到数据库\" commands do. --table limits it to the table of that actual name.\n"
    "  Questions (\"表... 已存在, 要删除吗?\") are read from standard input (y or n); --yes\n"
    "  answers yes; without an answer (end of input) the answer is no.\n"
    "  --kind: 0 MS SQL Server (default; also SQLite and other ODBC databases), 2 Oracle.\n"
    "  Exit codes: 0 written, 1 failed or refused, 3 left undone because the answer was no.\n";

/// Questions on standard error, answers from standard input (or yes with --yes); messages
/// on standard error. Texts are turned from code page 936 into UTF-8.
class ConsolePrompts : public SilentPrompts {
 public:
  explicit ConsolePrompts(bool answerYes) : SilentPrompts(answerYes), answerYes_(answerYes) {}
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
};

int ExitCode(WriteBackResult result) {
  switch (result) {
    case WriteBackResult::kDone:
      return 0;
    case WriteBackResult::kCancelled:
      return 3;
    default:
      return 1;
  }
}

bool EndsWithMdb(const std::string& text) {
  return text.size() >= 4 && gbk::EqualsIgnoreCase(text.substr(text.size() - 4), ".mdb");
}

}  // namespace

int PushCommand(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  std::string table;
  std::string password;
  bool commentsOnly = false;
  bool yes = false;
  int kind = -1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--table" && i + 1 < args.size()) {
      table = args[++i];
    } else if (args[i] == "--password" && i + 1 < args.size()) {
      password = args[++i];
    } else if (args[i] == "--kind" && i + 1 < args.size()) {
      kind = std::atoi(args[++i].c_str());
    } else if (args[i] == "--comments-only") {
      commentsOnly = true;
    } else if (args[i] == "--yes") {
      yes = true;
    } else if (args[i].rfind("--", 0) == 0) {
      positional.clear();
      break;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2 || kind < -1 || kind > 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  OpenedDesign opened;
  if (!opened.Open(AbsolutePath(positional[0]))) return 1;
  ConsolePrompts prompts(yes);
  DatabaseSession database(opened.design, prompts, opened.folder);
  ConnectionState& state = database.state();
  AdoConnection& connection = *state.sharedConnection;
  connection.setPrompts(&prompts);
  const std::string& target = positional[1];
  bool open = false;
  if (EndsWithMdb(target)) {
    opened.app.databaseKind = kAccess;
    open = connection.OpenAccess(AbsolutePath(target), password, -1);
  } else {
    state.connectionMode = ConnectionState::kDataLink;
    opened.app.databaseKind =
        kind >= 0 ? kind : (ConnectionStrings::IsOracle(target) ? kOracle : kSqlServer);
    open = connection.Open(ConnectionStrings::WithPassword(target, password));
  }
  if (!open) return 1;
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
  if (index >= 0) return ExitCode(writeBack.UpdateTable(index));
  int code = 0;
  for (int i = 0; i < opened.design.tableCount(); ++i) {
    if (opened.design.definitions().at(i).actualName.empty()) continue;
    const int tableCode = ExitCode(writeBack.UpdateTable(i));
    if (tableCode == 1 || code == 0) code = tableCode;
    // MS Access refuses every table alike: once is enough.
    if (opened.app.databaseKind == kAccess) break;
  }
  return code;
}

}  // namespace tablora::cli
