#pragma once

#include <string>
#include <vector>

#include "model/table_design.h"

namespace tablora {

/// The owner an Oracle comment or drop names: the table's owner, or "SYSTEM" when it is
/// empty or "dbo" (any case).
std::string OracleOwner(const TableDesign& table);

/// `name` as the inside of a "..." identifier (double quotes doubled).
std::string OracleIdentifier(const std::string& name);

/// How Oracle names are written: the two upper-case switches stay off in the program.
struct OracleNameCase {
  bool upperTables = false;
  bool upperColumns = false;
};

/// Appends the Oracle COMMENT statements of every table (`tableIndex` -1) or of one table to
/// `output`: per table "COMMENT ON TABLE ... IS '...';" and, unless `tablesOnly`, one
/// "COMMENT ON COLUMN" per column followed by two blank lines; empty texts are written too.
/// Apostrophes in the texts are doubled. Tables without an actual name are skipped.
void BuildOracleComments(const std::vector<TableDesign>& tables, std::string& output,
                         bool tablesOnly, int tableIndex, OracleNameCase nameCase = {});

}  // namespace tablora
