#include "db/procedures/procedure_update.h"

#include "base/gbk_text.h"
#include "db/access/ado_connection.h"
#include "db/dialects/procedure_sql.h"
#include "model/procedure_script.h"
#include "model/script_clauses.h"
#include "model/sql_cursor.h"

namespace tablora {

std::vector<std::string> ProcedureUpdate::Statements(const std::string& text, Outcome* outcome) {
  auto fail = [outcome](Outcome why) {
    if (outcome != nullptr) *outcome = why;
    return std::vector<std::string>();
  };
  const std::string lines = gbk::ReplaceAll(gbk::ReplaceAll(text, "\r\n", "\n"), "\n", "\r\n");
  const std::size_t create = ScriptClauses::FindFirstCodeWord(lines, "create");
  if (create == std::string::npos) return fail(Outcome::kNoCreate);
  SqlCursor cursor(lines, create);
  cursor.Keyword("create");
  cursor.Keyword("or alter");
  if (!cursor.Keyword("proc") && !cursor.Keyword("procedure")) {
    return fail(Outcome::kNoProcedureCreate);
  }
  const std::optional<std::vector<std::string>> parts = cursor.QualifiedNameParts();
  if (!parts || parts->empty() || parts->back().empty()) {
    return fail(Outcome::kNoProcedureCreate);
  }
  const std::string owner = parts->size() >= 2 ? (*parts)[parts->size() - 2] : "";
  std::vector<std::string> statements = {ProcedureSql::DropIfExists(owner, parts->back())};
  for (std::string& batch : ProcedureScript::SplitBatches(lines))
    statements.push_back(std::move(batch));
  if (outcome != nullptr) *outcome = Outcome::kDone;
  return statements;
}

ProcedureUpdate::Outcome ProcedureUpdate::Run(const std::string& text) {
  error_.clear();
  Outcome outcome;
  const std::vector<std::string> statements = Statements(text, &outcome);
  if (outcome != Outcome::kDone) return outcome;
  if (!connection_.Execute("BEGIN TRANSACTION")) {
    error_ = connection_.ErrorsText();
    return Outcome::kFailed;
  }
  for (const std::string& statement : statements) {
    if (connection_.Execute(statement)) continue;
    error_ = connection_.ErrorsText();
    connection_.Execute("ROLLBACK TRANSACTION");
    return Outcome::kFailed;
  }
  if (!connection_.Execute("COMMIT TRANSACTION")) {
    error_ = connection_.ErrorsText();
    connection_.Execute("ROLLBACK TRANSACTION");
    return Outcome::kFailed;
  }
  return Outcome::kDone;
}

}  // namespace tablora
