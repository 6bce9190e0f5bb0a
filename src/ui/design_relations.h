#pragma once

#include <string>
#include <vector>

#include "model/table_design.h"

namespace tablora {

/// One foreign key of a design as a line between two tables: all columns of one named
/// constraint to one table make one relation (a composite key).
struct Relation {
  int child = -1;                   ///< the referencing table's index
  int parent = -1;                  ///< the referenced table's index
  std::vector<int> childColumns;    ///< the key's columns in the child, in key order
  std::vector<int> parentColumns;   ///< the referenced columns (-1: not in the parent)
  std::string constraintName;       ///< code page 936; empty for an unnamed key
  bool optional = false;            ///< a key column allows NULL: a child may have no parent
  bool oneToOne = false;            ///< the key is the child's whole primary key
  bool SelfReference() const { return child == parent; }
};

/// The relations a design's foreign keys make, and the texts that name them.
class DesignRelations {
 public:
  /// Every foreign key whose referenced table is in `tables`, in table and column order.
  /// A key names its table by actual name and owner (no owner: the child's own; "dbo" and
  /// none are one owner; ASCII letter case ignored); keys to tables the design does not
  /// hold, and tables without an actual name, make no relation.
  static std::vector<Relation> Collect(const std::vector<TableDesign>& tables);

  /// The tip of a relation, code page 936:
  /// "Orders.CustomerID → Customers.CustomerID (FK_Orders_Customers)"; a composite key
  /// lists its columns in parentheses ("T.(a, b)"), an unnamed key has no "(...)", a table
  /// under an owner other than the default one is named "owner.table".
  static std::string Tip(const Relation& relation, const std::vector<TableDesign>& tables);

  /// "OWNER.NAME" of a table, the owner "dbo" when it has none.
  static std::string QualifiedTableName(const TableDesign& table);
};

}  // namespace tablora
