#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/app_state.h"
#include "base/prompts.h"
#include "model/grid_cells.h"
#include "model/table_names.h"

namespace tablora {

class Design;
struct LineFills;

/// Grid columns of the table editor, by index (column 0 is the row header).
namespace grid_column {
constexpr int kDisplayName = 1;
constexpr int kActualName = 2;
constexpr int kType = 3;
constexpr int kNullable = 4;
constexpr int kIdentity = 5;
constexpr int kDefault = 6;
constexpr int kNote = 7;
constexpr int kPrimaryKey = 8;
constexpr int kForeignKey = 9;
constexpr int kForeignKeyName = 10;
constexpr int kRefTable = 11;
constexpr int kRefColumn = 12;
constexpr int kCheck = 13;
constexpr int kCount = 14;
}  // namespace grid_column

/// What BuildColumnLines makes of an editor grid.
struct ColumnLines {
  std::string lines;            ///< one line per column, each ending with "\n"
  std::string extraStatements;  ///< the ALTER TABLE statements (keys, CHECKs, foreign keys)
};

/// Writes the CREATE TABLE script of a design: the text of one table from its editor's
/// names and grid, and the saved script file. Texts are code page 936 with LF line ends;
/// the file stores each LF as CR LF.
class ScriptWriter {
 public:
  /// The program's literal pieces of the script format.
  static constexpr const char* kFileHeader = "/* TABLORA V1.5 ";
  static constexpr const char* kContentPlaceholder = "%content%";

  explicit ScriptWriter(const AppState& app) : app_(app) {}

  /// The header of one table with "%content%" where the column lines go, or "" when the
  /// actual name is empty.
  std::string BuildTableHeader(const TableNames& names) const;

  /// The column lines of grid rows 1, 2, ... (rows without display and actual name are
  /// skipped), and the table's ALTER TABLE statements. The key columns share one PRIMARY
  /// KEY clause; the rows of one named foreign key share one clause. Display names,
  /// comments and notes are written on one line, their colons as "-".
  ColumnLines BuildColumnLines(const GridCells& grid, const TableNames& names) const;

  /// The whole script as SaveScript writes it, before CR LF conversion: all tables
  /// (`index` -1, with the window layout block) or the one table at `index`. Runs
  /// RefreshTableDefinitions first; "" when the definition list is then empty.
  std::string BuildScript(Design& design, int index) const;

  /// Saves the script of all tables (`index` -1) or of one table. An empty `path` asks
  /// the user (the chosen path becomes the design's current path). Returns true when the
  /// file was written; the user is told when there is no data or the file cannot be
  /// written, and an existing file is then left as it was.
  bool SaveScript(Design& design, Prompts& prompts, const std::string& path, int index) const;

  /// The file name SaveScript proposes ("" for none).
  std::string ProposedFileName(const Design& design, int index) const;

  /// The first free name beside `path` made of its name, "_n" and its extension
  /// ("trade.sql": "trade_1.sql", "trade_2.sql", ...); the file name alone.
  static std::string NameBeside(const std::string& path);
  /// Before a save over `path`: when it is a regular file (or a link to one) that does not
  /// begin with this program's file header, so this program did not write it, it is kept
  /// as "NAME.bak" (or "NAME(2).bak", ... when that is taken) and `backup` gets that path;
  /// otherwise `backup` is "". False (with the system's reason) when it cannot be kept.
  static bool KeepForeignScript(const std::string& path, std::string& backup,
                                std::string* error = nullptr);

 private:
  /// One row's foreign key as the grid gives it.
  struct ForeignKeyRow {
    std::string name, column, refOwner, refTable, refColumn;
  };

  bool IsYes(const GridCells& grid, int row, int column) const;
  /// The line of one column (without its line end); `last` leaves out its comma.
  std::string ColumnLine(const GridCells& grid, int row, bool last) const;
  /// The row's foreign key, when it has one with a referenced column.
  std::optional<ForeignKeyRow> ForeignKeyOf(const GridCells& grid, int row) const;
  /// "IDENTITY (seed,increment)" for an identity row, else "".
  std::string IdentityClause(const GridCells& grid, int row) const;
  /// The type name and size of a data type text, as the column line writes them.
  static void FillType(const std::string& typeText, LineFills& fills);
  /// The FOREIGN KEY clauses of a table's foreign key rows.
  static std::string ForeignKeyClauses(const std::string& tableName, const std::string& owner,
                                       const std::vector<ForeignKeyRow>& rows);

  const AppState& app_;
};

}  // namespace tablora
