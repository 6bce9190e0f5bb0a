#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tablora {

/// Field widths of the design records, in bytes including the terminating zero of the
/// stored form; a text holds at most width - 1 bytes (cut with gbk::CutToWidth).
namespace width {
constexpr std::size_t kName = 128;
constexpr std::size_t kComment = 255;
constexpr std::size_t kTypeName = 64;
constexpr std::size_t kIdentity = 128;
constexpr std::size_t kDefault = 128;
constexpr std::size_t kNote = 255;
constexpr std::size_t kCheck = 130;
}  // namespace width

/// The target of a column's foreign key.
struct ForeignKeyRef {
  std::string constraintName;
  std::string refTable;
  std::string refColumn;

  bool operator==(const ForeignKeyRef& o) const {
    return constraintName == o.constraintName && refTable == o.refTable && refColumn == o.refColumn;
  }
};

/// One column of a table. All texts are code page 936 bytes.
struct ColumnDesign {
  std::string displayName;
  std::string actualName;
  std::string typeName;      ///< without its size, e.g. "varchar"
  int length = 0;            ///< size or precision; 0 or less means none
  int scale = 0;             ///< 0 or less means none
  std::string identity;      ///< non-empty marks an identity column
  std::string defaultValue;  ///< without "DEFAULT (" and ")"
  std::string note;
  bool nullable = false;
  bool primaryKey = false;
  bool foreignKey = false;      ///< when set, foreignKeyRef is present
  std::string checkExpression;  ///< without "CHECK (" and ")"
  std::unique_ptr<ForeignKeyRef> foreignKeyRef;

  ColumnDesign() = default;
  ColumnDesign(const ColumnDesign& o);
  ColumnDesign& operator=(const ColumnDesign& o);
  ColumnDesign(ColumnDesign&&) noexcept = default;
  ColumnDesign& operator=(ColumnDesign&&) noexcept = default;
  bool operator==(const ColumnDesign& o) const;
  bool operator!=(const ColumnDesign& o) const { return !(*this == o); }
};

/// One table of a design. `comment` may still end with "(组)" + group as it stood in the script.
struct TableDesign {
  std::string displayName;
  std::string actualName;
  std::string comment;
  std::string group;
  std::string owner;  ///< empty means the default owner
  std::vector<ColumnDesign> columns;

  bool operator==(const TableDesign& o) const;
  bool operator!=(const TableDesign& o) const { return !(*this == o); }
};

/// The type text the editor's grid shows: "name", "name(len)" or "name(len,scale)".
std::string TypeText(const ColumnDesign& column);

/// The text of a table's tree item: "actual(display)" when the display name is set and
/// differs from the actual name, otherwise "actual".
std::string TreeText(const std::string& actualName, const std::string& displayName);

}  // namespace tablora
