#include "db/writeback/write_back.h"

#include <cstdio>

#include "base/file_dialogs.h"
#include "base/prompts.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "db/access/connection_strings.h"
#include "db/connect/database_session.h"
#include "db/dialects/dialect.h"
#include "db/dialects/sqlite_dialect.h"
#include "db/import/schema_import.h"
#include "db/writeback/comment_executor.h"
#include "db/writeback/comment_script.h"
#include "db/writeback/table_existence.h"
#include "db/writeback/table_replacement.h"
#include "model/access_comment_script.h"
#include "model/design.h"

namespace tablora {

namespace {

const char kCaption[] = "Tablora";

/// `format` (UTF-8, "%s" and "%d" markers) filled with code page 936 texts and `number`.
std::string Format(const char* formatUtf8, const std::string& a, const std::string& b = {},
                   long long number = 0) {
  std::string text = Cp936(formatUtf8);
  const std::size_t at = text.find("%d");
  if (at != std::string::npos) text.replace(at, 2, std::to_string(number));
  for (const std::string* value : {&a, &b}) {
    const std::size_t at = text.find("%s");
    if (at == std::string::npos) break;
    text.replace(at, 2, *value);
  }
  return text;
}

std::string FailureMessage(const TableReplacement::Outcome& outcome, const TableDesign& table) {
  const char* action = u8"创建表%s %s失败";
  if (outcome.failedStep == TableReplacement::Step::kDrop) action = u8"删除表%s %s失败";
  if (outcome.failedStep == TableReplacement::Step::kExtra)
    action = u8"表%s %s的扩展SQL语句执行失败";
  if (outcome.failedStep == TableReplacement::Step::kBegin) action = u8"表%s %s的事务无法开始";
  if (outcome.failedStep == TableReplacement::Step::kCommit) action = u8"表%s %s的事务无法提交";
  std::string text = Format(action, table.displayName, table.actualName);
  if (outcome.rolledBack) {
    text += Cp936(u8", 该表已恢复原样!");
  } else if (outcome.dropped) {
    text += Cp936(u8", 原来的表已经删除!");
  } else {
    text += "!";
  }
  return text + "\n" + outcome.error;
}

}  // namespace

WriteBack::WriteBack(Design& design, DatabaseSession& database, Prompts& prompts)
    : design_(design), database_(database), prompts_(prompts) {}

const std::string& WriteBack::ReadOnlyMessage() {
  static const std::string text =
      Cp936(u8"MS Access 数据库只能读取: 本系统没有可写入 MS Access 文件的驱动");
  return text;
}

void WriteBack::Show(const std::string& text) { prompts_.ShowMessage(text, kCaption); }

void WriteBack::ShowFailure(const std::string& text) {
  if (written_ == nullptr) return Show(text);
  std::string list;
  for (const std::string& name : *written_) list += (list.empty() ? "" : ", ") + name;
  Show(text + (list.empty() ? Cp936(u8"\n还没有表写入数据库.")
                            : Cp936(u8"\n已经写入数据库的表: ") + list));
}

bool WriteBack::Connected() {
  return database_.EnsureConnected() && database_.state().IsConnected();
}

bool WriteBack::RefuseAccess() {
  if (design_.app().databaseKind != kAccess) return false;
  Show(ReadOnlyMessage());
  return true;
}

WriteBackResult WriteBack::WriteCommentScript(bool tablesOnly) {
  const int kind = design_.app().databaseKind;
  if (kind == kAccess) {
    Show(Cp936(tablesOnly ? u8"MS Access 不能产生分组信息!!" : u8"MS Access 不能产生注释信息!!"));
    return WriteBackResult::kRefused;
  }
  if (!CommentScript::HasStatements(kind)) return WriteBackResult::kRefused;
  const std::string path = prompts_.ChooseSaveFile(FileDialogs::SaveCommentScript(
      design_.currentPath(), tablesOnly, CommentScript::FileName(tablesOnly)));
  if (path.empty()) return WriteBackResult::kCancelled;
  const std::string text =
      CommentScript::Build(design_.RefreshTableDefinitions(), kind, tablesOnly);
  std::string error;
  if (!TextFile::WriteText(path, text, &error)) {
    Show(Cp936(u8"无法写入文件, 原来的文件没有改变:\n") + error);
    return WriteBackResult::kFailed;
  }
  return WriteBackResult::kDone;
}

WriteBackResult WriteBack::UpdateComments(bool tablesOnly, int tableIndex) {
  if (!Connected()) return WriteBackResult::kCancelled;
  if (tableIndex >= design_.tableCount()) return WriteBackResult::kCancelled;
  if (design_.app().databaseKind == kAccess && tablesOnly) {
    Show(Cp936(u8"MS Access 不能更新分组信息!!"));
    return WriteBackResult::kRefused;
  }
  if (design_.app().databaseKind == kAccess) return OfferAccessScript(tableIndex);
  return RunComments(tablesOnly, tableIndex);
}

WriteBackResult WriteBack::OfferAccessScript(int tableIndex) {
  const std::string text =
      ReadOnlyMessage() +
      Cp936(u8"\n可以保存注释脚本, 在 Windows 上运行它把字段说明写入数据库文件.");
  if (!prompts_.Offer(text, kCaption, Cp936(u8"保存注释脚本"))) return WriteBackResult::kRefused;
  const std::string mdb =
      ConnectionStrings::AccessFile(database_.state().sharedConnection->connectionString());
  const std::string path = prompts_.ChooseSaveFile(
      FileDialogs::SaveAccessCommentScript(mdb, AccessCommentScript::FileName()));
  if (path.empty()) return WriteBackResult::kRefused;
  const std::string script =
      AccessCommentScript::Build(design_.RefreshTableDefinitions(), tableIndex,
                                 TextCodec::Utf8ToCp936(mdb.substr(mdb.rfind('/') + 1)));
  std::string error;
  if (!TextFile::WriteBytes(path, AccessCommentScript::FileBytes(script), &error)) {
    Show(Cp936(u8"无法写入文件, 原来的文件没有改变:\n") + error);
    return WriteBackResult::kFailed;
  }
  return WriteBackResult::kScriptSaved;
}

WriteBackResult WriteBack::RunComments(bool tablesOnly, int tableIndex) {
  const Dialect& dialect = Dialect::For(design_.app().databaseKind);
  if (!dialect.HasComments()) return WriteBackResult::kRefused;
  const std::vector<TableDesign>& tables = design_.RefreshTableDefinitions();
  std::string text;
  dialect.AppendComments(tables, text, tablesOnly, false, tableIndex);
  const CommentRun run = CommentExecutor::Run(*database_.state().sharedConnection, text,
                                              dialect.CommentsEndWithSemicolon());
  if (run.failed > 0) {
    std::string message = Cp936(u8"有%d条注释语句执行失败!\n第一个错误:\n");
    message.replace(message.find("%d"), 2, std::to_string(run.failed));
    ShowFailure(message + run.firstError);
    return WriteBackResult::kFailed;
  }
  Show("OK!");
  return WriteBackResult::kDone;
}

WriteBackResult WriteBack::UpdateTable(int tableIndex) {
  if (!Connected()) return WriteBackResult::kCancelled;
  if (tableIndex < 0 || tableIndex >= design_.tableCount()) return WriteBackResult::kCancelled;
  if (RefuseAccess()) return WriteBackResult::kRefused;
  const int kind = design_.app().databaseKind;
  const TableDesign table = design_.RefreshTableDefinitions().at(tableIndex);
  const TableEditor& editor = design_.editor(tableIndex);
  if (table.actualName.empty() || editor.tableText().empty()) {
    Show(Cp936(u8"没有数据!"));
    return WriteBackResult::kCancelled;
  }
  AdoConnection& connection = *database_.state().sharedConnection;
  std::string error;
  const Dialect& dialect = Dialect::For(kind, SqliteDialect::IsSqlite(connection.DbmsName()));
  const TableExistence::Result existence =
      TableExistence::Check(connection, dialect, table, &error);
  if (existence == TableExistence::Result::kUnknown) {
    ShowFailure(Format(u8"无法检查表%s是否存在!\n", table.actualName) + error);
    return WriteBackResult::kFailed;
  }
  const bool exists = existence == TableExistence::Result::kExists;
  if (exists) {
    const long long rows = TableExistence::RowCount(connection, dialect, table);
    if (keepTablesWithRows_ && rows != 0) {
      Show(rows > 0 ? Format(u8"表%s %s有 %d 行数据, 没有删除它!", table.displayName,
                             table.actualName, rows)
                    : Format(u8"表%s %s可能有数据(无法知道有多少行), 没有删除它!",
                             table.displayName, table.actualName));
      return WriteBackResult::kSkipped;
    }
    const char* question = u8"表%s %s已存在, 要删除吗?";
    if (rows > 0) question = u8"表%s %s已存在, 有 %d 行数据, 删除后数据将丢失. 要删除吗?";
    if (rows < 0)
      question = u8"表%s %s已存在, 无法知道其中有多少行数据, 删除后数据将丢失. 要删除吗?";
    if (!prompts_.AskYesNo(Format(question, table.displayName, table.actualName, rows), kCaption))
      return WriteBackResult::kCancelled;
  }
  const auto plan =
      TableReplacement::Plan(dialect, table, editor.tableText(), editor.extraStatements(), exists);
  TableReplacement::Outcome outcome = TableReplacement::Run(connection, plan);
  if (!outcome.ok && outcome.dropped && dialect.ReplacesInTransaction()) {
    // A server that ended the transaction itself refuses the rollback: ask what is there.
    outcome.rolledBack =
        TableExistence::Check(connection, dialect, table) == TableExistence::Result::kExists;
    outcome.dropped = !outcome.rolledBack;
  }
  if (!outcome.ok) {
    ShowFailure(FailureMessage(outcome, table));
    return WriteBackResult::kFailed;
  }
  if (written_ != nullptr) written_->push_back(table.actualName);
  return RunComments(false, tableIndex);
}

WriteBackResult WriteBack::UpdateTables(const std::vector<int>& tableIndexes) {
  std::vector<std::string> written;
  written_ = &written;
  WriteBackResult result = WriteBackResult::kDone;
  for (int index : tableIndexes) {
    const WriteBackResult one = UpdateTable(index);
    if (one == WriteBackResult::kFailed || one == WriteBackResult::kRefused) {
      result = one;
      break;
    }
    if (one == WriteBackResult::kSkipped ||
        (one == WriteBackResult::kCancelled && result == WriteBackResult::kDone))
      result = one;
  }
  written_ = nullptr;
  return result;
}

WriteBackResult WriteBack::RefreshTable(int tableIndex, ImportObserver* observer) {
  if (!Connected()) return WriteBackResult::kCancelled;
  if (tableIndex < 0 || tableIndex >= design_.tableCount() ||
      tableIndex >= static_cast<int>(design_.definitions().size())) {
    return WriteBackResult::kCancelled;
  }
  const int kind = design_.app().databaseKind;
  const TableDesign table = design_.RefreshTableDefinitions().at(tableIndex);
  AdoConnection& connection = *database_.state().sharedConnection;
  // Reading a table the database lacks would empty the design's table.
  bool found = false;
  if (!TableExistence::InCatalog(connection, Dialect::For(kind), table, found)) {
    Show(Format(u8"无法检查表%s是否存在!\n", table.actualName) + connection.FirstError());
    return WriteBackResult::kFailed;
  }
  if (!found) {
    Show(Format(u8"数据库中没有表%s!", table.actualName));
    return WriteBackResult::kFailed;
  }
  ImportRequest request;
  request.kind = kind;
  request.tableIndex = tableIndex;
  if (kind == kAccess)
    request.database = ConnectionStrings::AccessFile(connection.connectionString());
  if (observer == nullptr) observer = database_.observer();
  if (!SchemaImport(design_, database_.state(), observer).Run(request)) {
    return WriteBackResult::kFailed;
  }
  return WriteBackResult::kDone;
}

}  // namespace tablora
