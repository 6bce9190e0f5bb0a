#include "db/writeback/comment_executor.h"

#include "base/gbk_text.h"
#include "db/access/ado_connection.h"

namespace tablora {

namespace {

/// A failed drop of a comment is what a table without that comment answers.
bool IsCommentDrop(const std::string& statement) {
  static const std::string drop = "exec sp_dropextendedproperty";
  return statement.size() >= drop.size() &&
         gbk::EqualsIgnoreCase(std::string_view(statement).substr(0, drop.size()), drop);
}

}  // namespace

std::vector<std::string> CommentExecutor::Statements(const std::string& text, bool oracle) {
  std::vector<std::string> statements;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string piece = gbk::Trim(std::string_view(text).substr(start, end - start));
    if (oracle && !piece.empty() && piece.back() == ';')
      piece = gbk::Trim(piece.substr(0, piece.size() - 1));
    if (!piece.empty() && !gbk::EqualsIgnoreCase(piece, "GO"))
      statements.push_back(std::move(piece));
    start = end + 1;
  }
  return statements;
}

CommentRun CommentExecutor::Run(AdoConnection& connection, const std::string& text, bool oracle) {
  CommentRun run;
  for (const std::string& statement : Statements(text, oracle)) {
    ++run.executed;
    if (connection.Execute(statement) != nullptr || IsCommentDrop(statement)) continue;
    if (run.failed++ == 0) run.firstError = connection.FirstError();
  }
  return run;
}

}  // namespace tablora
