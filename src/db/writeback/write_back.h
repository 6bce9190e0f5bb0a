#pragma once

#include <string>
#include <vector>

namespace tablora {

class AdoConnection;
class DatabaseSession;
class Design;
class ImportObserver;
class Prompts;

/// How a write-back command ended.
enum class WriteBackResult {
  kDone,       ///< everything was written; "OK!" was shown where the command shows it
  kCancelled,  ///< no connection, no file chosen, or the user said no
  kRefused,    ///< the database kind cannot take it (MS Access is read-only here)
  kFailed,     ///< a statement or file failed; the user was shown the provider's error
  kSkipped,    ///< a table holding rows was left as it was (setKeepTablesWithRows)
  /// refused, and the comment script the user was offered was saved instead
  kScriptSaved,
};

/// The commands that write the design's tables and comments into a database or into a
/// comment script file, and the one that refreshes a table from the database. Each
/// command refreshes the definitions from the editors first and tells the user how it
/// ended through the prompts.
class WriteBack {
 public:
  WriteBack(Design& design, DatabaseSession& database, Prompts& prompts);

  /// "产生分组信息(&A)" (`tablesOnly`) and "产生所有注释(&B)": the save dialog, then the
  /// comment script file of every table. MS Access is refused before anything is asked.
  WriteBackResult WriteCommentScript(bool tablesOnly);
  /// "更新分组信息到数据库(&C)" (`tablesOnly`, `tableIndex` -1), "更新所有注释到数据库(&D)"
  /// (-1) and "只更新注释到数据库(&V)" (one table): connects when needed, then runs the
  /// comment statements; "OK!" or the count of failed statements with the first error.
  /// MS Access refuses the comments and offers "保存注释脚本" instead.
  WriteBackResult UpdateComments(bool tablesOnly, int tableIndex);
  /// "更新到数据库(&S)": drops the table when it exists (after a question that says how
  /// many rows it holds) and creates it from the editor's SQL text with its extra
  /// statements, then writes its comments.
  WriteBackResult UpdateTable(int tableIndex);
  /// UpdateTable for each of `tableIndexes` in turn, stopping at the first that fails or is
  /// refused; that failure's message lists the tables written before it. Otherwise kSkipped
  /// when a table was skipped, kCancelled when a question was answered no, else kDone.
  WriteBackResult UpdateTables(const std::vector<int>& tableIndexes);
  /// With `keep`, a table that holds rows (or whose rows cannot be counted) is not dropped
  /// even when the question would be answered yes: the user is told and UpdateTable answers
  /// kSkipped. Off by default.
  void setKeepTablesWithRows(bool keep) { keepTablesWithRows_ = keep; }
  /// "从数据库更新表(&U)": reads the table again from the database into its definition and
  /// editor, with `observer` (else the session's) showing the progress. A table the
  /// database does not hold is left as it is.
  WriteBackResult RefreshTable(int tableIndex, ImportObserver* observer = nullptr);

  /// The message every write-back command shows for MS Access (code page 936).
  static const std::string& ReadOnlyMessage();

 private:
  /// Connects when needed; false (nothing shown) when there is no connection.
  bool Connected();
  /// True, after telling the user, when the current kind is MS Access.
  bool RefuseAccess();
  /// The refusal of MS Access comments with the offer of their script; saves it if asked.
  WriteBackResult OfferAccessScript(int tableIndex);
  /// Runs the comment statements of one table or every table on the open connection.
  WriteBackResult RunComments(bool tablesOnly, int tableIndex);
  void Show(const std::string& text);
  /// Shows a failure, followed in a run of several tables by the tables already written.
  void ShowFailure(const std::string& text);

  Design& design_;
  DatabaseSession& database_;
  Prompts& prompts_;
  bool keepTablesWithRows_ = false;
  /// The actual names of the tables written so far by UpdateTables; null outside it.
  std::vector<std::string>* written_ = nullptr;
};

}  // namespace tablora
