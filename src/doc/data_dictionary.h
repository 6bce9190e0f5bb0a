#pragma once

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/settings.h"
#include "model/table_design.h"

namespace tablora {

/// The design as its data dictionary shows it: the tables by group (groups in the order the
/// group tree lists them, tables in table-list order within each), with their texts in
/// UTF-8 and an anchor each. The column rows are made one at a time when a writer asks, so
/// that a writer streams a large design without holding its document.
class DataDictionary {
 public:
  /// The cells of a column row, in the order of captions().
  enum Cell {
    kNumber,
    kDisplayName,
    kActualName,
    kType,
    kNullable,
    kIdentity,
    kDefault,
    kPrimaryKey,
    kForeignKey,
    kNote,
    kCellCount
  };

  struct Table {
    const TableDesign* design = nullptr;  ///< the record (not owned)
    std::string displayName;  ///< the display name, or the actual name when it has none
    std::string actualName;
    std::string comment;  ///< without a "(组)" tail that repeats the group
    std::string group;    ///< the group's name as the contents show it
    std::string owner;
    std::string anchor;   ///< unique in the document: letters, digits, "_" and "-"
    /// "display (actual)", or the actual name alone when the two are the same.
    std::string Heading() const;
  };

  struct Group {
    std::string name;
    std::vector<int> tables;  ///< indexes into tables()
  };

  struct Row {
    std::array<std::string, kCellCount> cells;
    /// The index in tables() of the table the foreign key refers to; -1 when the column
    /// has none or that table is not in the document.
    int reference = -1;
  };

  /// `group` (code page 936) keeps only the tables of that group ("其他表" also takes
  /// the tables without one); empty keeps every table. `title` is code page 936. Records
  /// without an actual name (a new table not yet built) are left out.
  DataDictionary(const std::vector<TableDesign>& tables, const Settings& settings,
                 const std::string& group, const std::string& title);

  const std::string& title() const { return title_; }
  /// The captions of the row cells: the editor grid's captions of the same columns.
  const std::array<std::string, kCellCount>& captions() const { return captions_; }
  const std::vector<Group>& groups() const { return groups_; }
  const std::vector<Table>& tables() const { return tables_; }
  /// The row of column `column` of table `table` (an index into tables()).
  Row ColumnRow(int table, int column) const;
  int ColumnCount(int table) const;
  std::size_t totalColumns() const { return totalColumns_; }

  /// The group names of a design in group-tree order ("其他表" for tables without one),
  /// code page 936: what a group filter can choose from.
  static std::vector<std::string> GroupNames(const std::vector<TableDesign>& tables);
  /// The title a dictionary gets when none is given (code page 936): the name of the script
  /// at `designPath` (a file-system path) without its extension followed by " 数据字典", or
  /// "数据字典" alone when there is no script.
  static std::string DefaultTitle(const std::string& designPath);

 private:
  /// The index in tables() of the table `ref` names, seen from a table of `owner`; -1 when
  /// it is not in the document.
  int FindReference(const ForeignKeyRef& ref, const std::string& owner) const;

  std::string title_;
  std::array<std::string, kCellCount> captions_;
  std::array<std::string, 2> nullableTexts_;  ///< no, yes
  std::array<std::string, 2> identityTexts_;
  std::array<std::string, 2> primaryKeyTexts_;
  std::vector<Group> groups_;
  std::vector<Table> tables_;
  std::unordered_multimap<std::string, int> byLowerName_;  ///< lower-case actual name -> table
  std::size_t totalColumns_ = 0;
};

}  // namespace tablora
