#include "model/sql_server_comments.h"

#include <algorithm>

#include "base/gbk_text.h"

namespace tablora {

namespace {

std::string NamedText(const std::string& displayName, const std::string& actualName,
                      const std::string& text) {
  if (!displayName.empty() && displayName != actualName) return displayName + ":" + text;
  return text;
}

/// A text as it stands inside an N'...' literal.
std::string Quoted(const std::string& text) { return gbk::ReplaceAll(text, "'", "''"); }

}  // namespace

std::string TableCommentText(const TableDesign& table) {
  return NamedText(table.displayName, table.actualName, table.comment);
}

std::string ColumnCommentText(const ColumnDesign& column) {
  return NamedText(column.displayName, column.actualName, column.note);
}

std::vector<const TableDesign*> CommentedTables(const std::vector<TableDesign>& tables,
                                                int tableIndex) {
  const int count = static_cast<int>(tables.size());
  const int first = tableIndex < 0 ? 0 : tableIndex;
  const int last = tableIndex < 0 ? count : std::min(tableIndex + 1, count);
  std::vector<const TableDesign*> covered;
  for (int i = first; i < last; ++i) {
    if (!tables[i].actualName.empty()) covered.push_back(&tables[i]);
  }
  return covered;
}

void BuildSqlServerComments(const std::vector<TableDesign>& tables, std::string& output,
                            bool tablesOnly, bool withGo, int tableIndex) {
  const std::string end = withGo ? "'\nGO\n" : "'\n";
  for (const TableDesign* t : CommentedTables(tables, tableIndex)) {
    const TableDesign& table = *t;
    const std::string owner = Quoted(table.owner.empty() ? "dbo" : table.owner);
    const std::string name = Quoted(table.actualName);
    const std::string tableTail = "', N'user', N'" + owner + "', N'table', N'" + name;

    std::string drops = "\n\nexec sp_dropextendedproperty N'MS_Description', N'user', N'" + owner +
                        "', N'table', N'" + name + end;
    std::string adds;
    const std::string text = TableCommentText(table);
    if (!text.empty()) {
      adds =
          "\n\nexec sp_addextendedproperty N'MS_Description', N'" + Quoted(text) + tableTail + end;
    }
    if (!tablesOnly) {
      for (const ColumnDesign& column : table.columns) {
        const std::string columnTail = "', N'column', N'" + Quoted(column.actualName) + "'\nGO\n";
        drops += "exec sp_dropextendedproperty N'MS_Description', N'user', N'" + owner +
                 "', N'table', N'" + name + columnTail;
        const std::string columnText = ColumnCommentText(column);
        if (!columnText.empty()) {
          adds += "exec sp_addextendedproperty N'MS_Description', N'" + Quoted(columnText) +
                  tableTail + columnTail;
        }
      }
    }
    output += drops;
    output += adds;
  }
}

}  // namespace tablora
