#include "db/writeback/table_replacement.h"

#include "base/gbk_text.h"
#include "db/access/ado_connection.h"
#include "db/dialects/dialect.h"

namespace tablora {

namespace {

std::string Lf(const std::string& text) { return gbk::ReplaceAll(text, "\r\n", "\n"); }

}  // namespace

std::vector<std::string> TableReplacement::Batches(const std::string& text) {
  std::vector<std::string> batches;
  std::string current;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string_view line = std::string_view(text).substr(start, end - start);
    if (gbk::EqualsIgnoreCase(gbk::Trim(line), "GO")) {
      std::string batch = gbk::Trim(current);
      if (!batch.empty()) batches.push_back(std::move(batch));
      current.clear();
    } else {
      current.append(line);
      current += '\n';
    }
    start = end + 1;
  }
  std::string batch = gbk::Trim(current);
  if (!batch.empty()) batches.push_back(std::move(batch));
  return batches;
}

std::vector<TableReplacement::Statement> TableReplacement::Plan(const Dialect& dialect,
                                                                const TableDesign& table,
                                                                const std::string& tableText,
                                                                const std::string& extraStatements,
                                                                bool exists) {
  std::vector<Statement> plan;
  const bool transactional = dialect.ReplacesInTransaction();
  if (transactional) plan.push_back({Step::kBegin, "BEGIN TRANSACTION"});
  const std::string drop = dialect.DropTable(table);
  std::string create = Lf(tableText);
  std::vector<std::string> extra = Batches(Lf(extraStatements));
  dialect.AdaptTableScript(create, extra);
  if (exists) plan.push_back({Step::kDrop, drop});
  plan.push_back({Step::kCreate, create});
  for (const std::string& batch : extra) plan.push_back({Step::kExtra, batch});
  if (transactional) plan.push_back({Step::kCommit, "COMMIT TRANSACTION"});
  return plan;
}

TableReplacement::Outcome TableReplacement::Run(AdoConnection& connection,
                                                const std::vector<Statement>& plan) {
  Outcome outcome;
  bool inTransaction = false;
  for (const Statement& statement : plan) {
    if (connection.Execute(statement.sql) != nullptr) {
      if (statement.step == Step::kBegin) inTransaction = true;
      if (statement.step == Step::kCommit) inTransaction = false;
      if (statement.step == Step::kDrop) outcome.dropped = true;
      continue;
    }
    outcome.failedStep = statement.step;
    outcome.error = connection.FirstError();
    if (inTransaction && connection.Execute("ROLLBACK TRANSACTION") != nullptr) {
      outcome.rolledBack = true;
      outcome.dropped = false;
    }
    return outcome;
  }
  outcome.ok = true;
  return outcome;
}

}  // namespace tablora
