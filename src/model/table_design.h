#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
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
  /// Owner (schema) of the referenced table; empty means the referencing table's own.
  std::string refOwner = {};

  bool operator==(const ForeignKeyRef& o) const {
    return constraintName == o.constraintName && refTable == o.refTable &&
           refColumn == o.refColumn && refOwner == o.refOwner;
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
  /// A computed column's expression as written after "AS" (then typeName is empty).
  std::string computedExpression = {};
  bool persisted = false;  ///< a computed column stored with its table (PERSISTED)

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

/// A fingerprint of every field of `table`: records that differ anywhere differ in it
/// (but for chance).
std::uint64_t RecordHash(const TableDesign& table);

/// The type text the editor's grid shows: "name", "name(len)" or "name(len,scale)"; for a
/// computed column "AS expression", followed by " PERSISTED" when it is stored.
std::string TypeText(const ColumnDesign& column);

/// The seed and increment of an identity text ("IDENTITY (100, 5) NOT FOR REPLICATION"
/// gives "(100, 5) NOT FOR REPLICATION"): what follows the word IDENTITY, trimmed; empty
/// for the default seed and increment "(1,1)" (spaces ignored) and for no arguments.
std::string IdentityArguments(const std::string& identity);

/// A user-defined data type of a script ("CREATE TYPE [n] FROM base NOT NULL" or
/// "sp_addtype n, 'base', 'NOT NULL'").
struct UserType {
  std::string name = {};
  std::string baseType = {};  ///< the base type text, e.g. "varchar(25)"
  bool notNull = false;       ///< columns of this type that say nothing about NULL are NOT NULL

  bool operator==(const UserType& o) const {
    return name == o.name && baseType == o.baseType && notNull == o.notNull;
  }
};

/// The text of a table's tree item: "actual(display)" when the display name is set and
/// differs from the actual name, otherwise "actual".
std::string TreeText(const std::string& actualName, const std::string& displayName);

/// The owner a table stands under in a database: `owner`, or "dbo" when it is empty.
std::string OwnerOrDbo(const std::string& owner);
/// True when the names are one table of a database: the same owner (no owner is "dbo") and
/// the same actual name, ASCII letter case ignored in both.
bool SameTable(std::string_view ownerA, std::string_view nameA, std::string_view ownerB,
               std::string_view nameB);
inline bool SameTable(const TableDesign& a, const TableDesign& b) {
  return SameTable(a.owner, a.actualName, b.owner, b.actualName);
}
/// "owner.name" with the owner as OwnerOrDbo gives it.
std::string QualifiedName(const TableDesign& table);
/// The table `name` names: its actual name (exactly), or "owner.name" (the owner ASCII
/// case ignored) where several owners hold the name. -1 for none; kAmbiguousTable when the
/// name fits several tables.
int FindTableByName(const std::vector<TableDesign>& tables, const std::string& name);
constexpr int kAmbiguousTable = -2;

/// A table comment without the "(组)" + group tail it may carry: what the name page shows.
std::string CommentWithoutGroup(const std::string& comment);

}  // namespace tablora
