#pragma once

#include <string>
#include <vector>

#include "model/table_design.h"

namespace tablora {

/// The comment text of a table: "display:" when the display name is set and differs
/// from the actual name, then the comment as the definition holds it.
std::string TableCommentText(const TableDesign& table);
/// The comment text of a column: "display:" as for tables, then the note.
std::string ColumnCommentText(const ColumnDesign& column);

/// The tables a comment text covers: every table (`tableIndex` -1) or the one at
/// `tableIndex` (none when it is past the end); tables without an actual name are left out.
std::vector<const TableDesign*> CommentedTables(const std::vector<TableDesign>& tables,
                                                int tableIndex);

/// Appends the MS SQL Server extended-property statements of every table (`tableIndex`
/// -1) or of one table to `output`: per table the table drop, the column drops, the
/// table add and the column adds. `tablesOnly` leaves out the column statements;
/// `withGo` ends the table statements with a "GO" line (column statements always have
/// one). Texts inside N'...' have their apostrophes doubled. Tables without an actual
/// name are skipped.
void BuildSqlServerComments(const std::vector<TableDesign>& tables, std::string& output,
                            bool tablesOnly, bool withGo, int tableIndex);

}  // namespace tablora
