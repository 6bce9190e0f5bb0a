#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/database_target.h"
#include "app/cli/opened_design.h"
#include "base/text_codec.h"
#include "db/connection_state.h"
#include "db/odbc_connection.h"
#include "db/schema_import.h"
#include "model/script_writer.h"

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

}  // namespace

int ImportCommand(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  int kind = -1;
  bool badKind = false;
  std::string password;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--kind" && i + 1 < args.size()) {
      badKind = !ParseKind(args[++i], kind) || badKind;
    } else if (args[i] == "--password" && i + 1 < args.size()) {
      password = args[++i];
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2 || badKind) {
    std::fprintf(stderr,
                 "usage: tablora-cli import \"CONNECTION STRING\" OUT.sql [--kind N] "
                 "[--password P]\n       tablora-cli import FILE.mdb OUT.sql\n"
                 "  N: 0 MS SQL Server, 1 MS Access, 2 Oracle; by default the kind the "
                 "connection string's driver implies\n");
    return 2;
  }
  DatabaseTarget target;
  if (!ResolveTarget("import", positional[0], kind, password, target)) return 2;
  OpenedDesign opened;
  ConnectionState state;
  state.sharedConnection = std::make_unique<OdbcConnection>(&opened.prompts);
  ImportRequest request;
  request.kind = target.kind;
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
  for (const std::string& name : import.skippedTables())
    std::fprintf(stderr, "skipped table %s: its name has characters code page 936 lacks\n",
                 name.c_str());
  return ScriptWriter(opened.app)
                 .SaveScript(opened.design, opened.prompts, OutputPath(positional[1]), -1)
             ? 0
             : 1;
}

}  // namespace tablora::cli
