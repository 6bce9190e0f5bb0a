#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/database_target.h"
#include "app/cli/opened_design.h"
#include "base/text_codec.h"
#include "db/access/connection_state.h"
#include "db/access/odbc_connection.h"
#include "db/import/schema_import.h"
#include "model/script_writer.h"
#include "model/table_conflicts.h"

namespace tablora::cli {

namespace {

/// Prints the import's progress on standard error once it has run for a second.
class ProgressOnStderr : public ImportObserver {
 public:
  void ProgressStarted() override { start_ = std::chrono::steady_clock::now(); }
  void ProgressChanged(int position) override {
    if (std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) return;
    std::fprintf(stderr, "import: %d%%\n", position);
  }

 private:
  std::chrono::steady_clock::time_point start_;
};

/// Answers the question about a table the design already holds by skipping it, and notes
/// the table: without --on-conflict the import is not saved.
class ConflictsNoted : public SilentPrompts {
 public:
  ConflictChoice ChooseConflict(const TableConflictQuestion& question, bool& forAll) override {
    forAll = false;
    tables.push_back(question.table);
    return ConflictChoice::kSkip;
  }
  std::vector<std::string> tables;  ///< "owner.name", code page 936
};

}  // namespace

int ImportCommand(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  int kind = -1;
  bool badKind = false;
  std::string password;
  std::string into;
  ConflictPolicy policy = ConflictPolicy::kAsk;
  bool usage = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--kind" && i + 1 < args.size()) {
      badKind = !ParseKind(args[++i], kind) || badKind;
    } else if (args[i] == "--password" && i + 1 < args.size()) {
      password = args[++i];
    } else if (args[i] == "--into" && i + 1 < args.size()) {
      into = args[++i];
    } else if (args[i] == "--on-conflict" && i + 1 < args.size()) {
      const std::optional<ConflictPolicy> given = TableConflicts::ParsePolicy(args[++i]);
      usage = usage || !given;
      if (given) policy = *given;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (usage || positional.size() != 2 || badKind) {
    std::fprintf(stderr,
                 "usage: tablora-cli import \"CONNECTION STRING\" OUT.sql [--kind N] "
                 "[--password P]\n       tablora-cli import FILE.mdb OUT.sql\n"
                 "       [--into DESIGN.sql] [--on-conflict replace|rename|skip]\n"
                 "  --into adds the tables to that design; a table it already holds (owner and\n"
                 "  name) is replaced, kept beside it as NAME_1, or skipped\n"
                 "  N: 0 MS SQL Server, 1 MS Access, 2 Oracle; by default the kind the "
                 "connection string's driver implies\n");
    return 2;
  }
  DatabaseTarget target;
  if (!ResolveTarget("import", positional[0], kind, password, target)) return 2;
  OpenedDesign opened;
  if (!into.empty() && !opened.Open(into)) return 1;
  ConflictsNoted conflicts;
  ConnectionState state;
  state.sharedConnection = std::make_unique<OdbcConnection>(&opened.prompts);
  ImportRequest request;
  request.kind = target.kind;
  request.onConflict = policy;
  request.conflictPrompts = &conflicts;
  if (!target.accessFile.empty()) {
    request.database = target.accessFile;
    request.password = password;
  } else {
    state.connectionMode = ConnectionState::kDataLink;
    state.sharedConnection->setConnectionString(target.connectionString);
  }
  ProgressOnStderr progress;
  SchemaImport import(opened.design, state, &progress);
  if (!import.Run(request)) {
    if (!import.error().empty())
      std::fprintf(stderr, "%s\n", TextCodec::Cp936ToUtf8(import.error()).c_str());
    return 1;
  }
  if (!conflicts.tables.empty()) {
    for (const std::string& table : conflicts.tables)
      std::fprintf(stderr, "import: %s is in the design already\n",
                   TextCodec::Cp936ToUtf8(table).c_str());
    std::fprintf(stderr,
                 "import: nothing written; say what becomes of such tables with "
                 "--on-conflict replace|rename|skip\n");
    return 1;
  }
  for (const std::string& name : import.skippedTables())
    std::fprintf(stderr, "skipped table %s: its name has characters code page 936 lacks\n",
                 name.c_str());
  return ScriptWriter(opened.app)
                 .SaveScript(opened.design, opened.prompts, OutputPath(positional[1]), -1)
             ? 0
             : 1;
}

}  // namespace tablora::cli
