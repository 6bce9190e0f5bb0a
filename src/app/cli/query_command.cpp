#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/database_target.h"
#include "base/text_codec.h"
#include "db/access/odbc_connection.h"
#include "db/access/row_cursor.h"
#include "db/query/csv_writer.h"

namespace tablora::cli {

namespace {

void Write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

int Failed(const char* what, const std::vector<DiagnosticRecord>& errors) {
  std::string text = AdoConnection::ErrorsText(errors);
  if (text.empty()) text = "the driver gave no message\n";
  std::fprintf(stderr, "tablora-cli query: %s\n%s", what, TextCodec::Cp936ToUtf8(text).c_str());
  return 1;
}

}  // namespace

int QueryCommand(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  long long limit = -1;
  bool usage = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--limit" && i + 1 < args.size()) {
      char* end = nullptr;
      limit = std::strtoll(args[++i].c_str(), &end, 10);
      usage = usage || *end != '\0' || args[i].empty() || limit < 0;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (usage || positional.size() != 2) {
    std::fprintf(stderr,
                 "usage: tablora-cli query \"CONNECTION STRING\"|FILE.mdb \"SQL\" [--limit N]\n");
    return 2;
  }
  DatabaseTarget target;
  if (!ResolveTarget("query", positional[0], -1, "", target)) return 2;
  OdbcConnection db;
  if (!db.Open(target.connectionString)) return Failed("cannot connect", db.errors());
  // The command line is UTF-8; the drivers take code page 936.
  std::unique_ptr<RowCursor> cursor = db.OpenCursor(TextCodec::Utf8ToCp936(positional[1]));
  if (!cursor) return Failed("the statement failed", db.errors());
  if (cursor->columns().empty()) return 0;
  Write(CsvWriter::Header(cursor->columns()));
  std::vector<ResultCell> cells;
  for (long long n = 0; (limit < 0 || n < limit) && cursor->Next(); ++n) {
    if (!cursor->Read(cells)) break;
    Write(CsvWriter::Row(cursor->columns(), cells));
  }
  if (cursor->failed()) return Failed("reading the rows failed", cursor->errors());
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace tablora::cli
