#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/opened_design.h"
#include "base/gbk_text.h"
#include "base/text_codec.h"
#include "db/connection_state.h"
#include "db/connection_strings.h"
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

bool EndsWithMdb(const std::string& text) {
  return text.size() >= 4 && gbk::EqualsIgnoreCase(text.substr(text.size() - 4), ".mdb");
}

}  // namespace

int ImportCommand(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  int kind = -1;
  std::string password;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--kind" && i + 1 < args.size()) {
      kind = std::atoi(args[++i].c_str());
    } else if (args[i] == "--password" && i + 1 < args.size()) {
      password = args[++i];
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2 || kind < -1 || kind > 2) {
    std::fprintf(stderr,
                 "usage: tablora-cli import \"CONNECTION STRING\" OUT.sql [--kind N] "
                 "[--password P]\n       tablora-cli import FILE.mdb OUT.sql\n");
    return 2;
  }
  OpenedDesign opened;
  ConnectionState state;
  state.sharedConnection = std::make_unique<OdbcConnection>(&opened.prompts);
  ImportRequest request;
  const std::string source = positional[0];
  if (EndsWithMdb(source)) {
    request.kind = kAccess;
    request.database = AbsolutePath(source);
    request.password = password;
  } else {
    state.connectionMode = ConnectionState::kDataLink;
    state.sharedConnection->setConnectionString(ConnectionStrings::WithPassword(source, password));
    request.kind = kind >= 0 ? kind : (ConnectionStrings::IsOracle(source) ? kOracle : kSqlServer);
  }
  ProgressOnStderr progress;
  SchemaImport import(opened.design, state, &progress);
  if (!import.Run(request)) return 1;
  for (const std::string& name : import.skippedTables())
    std::fprintf(stderr, "skipped table %s: its name has characters code page 936 lacks\n",
                 name.c_str());
  return ScriptWriter(opened.app)
                 .SaveScript(opened.design, opened.prompts, OutputPath(positional[1]), -1)
             ? 0
             : 1;
}

}  // namespace tablora::cli
