#include "ui/design_relations.h"

#include <unordered_map>

#include "base/gbk_text.h"
#include "base/text_codec.h"

namespace tablora {

namespace {

std::string OwnerKey(const std::string& owner) {
  return owner.empty() ? std::string("dbo") : gbk::ToLowerAscii(owner);
}

std::string TableKey(const std::string& owner, const std::string& name) {
  return OwnerKey(owner) + '\n' + gbk::ToLowerAscii(name);
}

int ColumnNamed(const TableDesign& table, const std::string& name) {
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    if (gbk::EqualsIgnoreCase(table.columns[i].actualName, name)) return static_cast<int>(i);
  }
  return -1;
}

/// True when `columns` are exactly the table's primary key columns.
bool IsWholePrimaryKey(const TableDesign& table, const std::vector<int>& columns) {
  std::size_t keyColumns = 0;
  for (const ColumnDesign& c : table.columns) keyColumns += c.primaryKey ? 1 : 0;
  if (keyColumns == 0 || keyColumns != columns.size()) return false;
  for (int c : columns) {
    if (!table.columns[c].primaryKey) return false;
  }
  return true;
}

/// "Table" or "owner.Table" for a table under an owner of its own.
std::string TipTableName(const TableDesign& table) {
  if (table.owner.empty() || gbk::EqualsIgnoreCase(table.owner, "dbo")) return table.actualName;
  return table.owner + "." + table.actualName;
}

std::string TipColumns(const TableDesign& table, const std::vector<int>& columns,
                       const std::vector<std::string>& fallback) {
  std::string text;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) text += ", ";
    const int c = columns[i];
    text += c >= 0 ? table.columns[c].actualName : (i < fallback.size() ? fallback[i] : "");
  }
  return columns.size() > 1 ? "(" + text + ")" : text;
}

}  // namespace

std::vector<Relation> DesignRelations::Collect(const std::vector<TableDesign>& tables) {
  std::unordered_map<std::string, int> byName;
  for (std::size_t i = 0; i < tables.size(); ++i) {
    if (tables[i].actualName.empty()) continue;
    byName.emplace(TableKey(tables[i].owner, tables[i].actualName), static_cast<int>(i));
  }
  std::vector<Relation> relations;
  for (std::size_t t = 0; t < tables.size(); ++t) {
    const TableDesign& table = tables[t];
    if (table.actualName.empty()) continue;
    const std::size_t first = relations.size();
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
      const ColumnDesign& column = table.columns[c];
      if (!column.foreignKey || !column.foreignKeyRef) continue;
      const ForeignKeyRef& ref = *column.foreignKeyRef;
      const auto found = byName.find(
          TableKey(ref.refOwner.empty() ? table.owner : ref.refOwner, ref.refTable));
      if (found == byName.end()) continue;
      const int parent = found->second;
      const int parentColumn = ColumnNamed(tables[parent], ref.refColumn);
      // A later column of a named key joins the relation its first column made.
      Relation* joined = nullptr;
      if (!ref.constraintName.empty()) {
        for (std::size_t r = first; r < relations.size(); ++r) {
          if (relations[r].parent == parent && relations[r].constraintName == ref.constraintName) {
            joined = &relations[r];
          }
        }
      }
      if (joined == nullptr) {
        relations.emplace_back();
        joined = &relations.back();
        joined->child = static_cast<int>(t);
        joined->parent = parent;
        joined->constraintName = ref.constraintName;
      }
      joined->childColumns.push_back(static_cast<int>(c));
      joined->parentColumns.push_back(parentColumn);
      joined->optional = joined->optional || column.nullable;
    }
    for (std::size_t r = first; r < relations.size(); ++r) {
      relations[r].oneToOne = IsWholePrimaryKey(table, relations[r].childColumns);
    }
  }
  return relations;
}

std::string DesignRelations::Tip(const Relation& relation, const std::vector<TableDesign>& tables) {
  const TableDesign& child = tables.at(relation.child);
  const TableDesign& parent = tables.at(relation.parent);
  // Referenced columns the parent does not hold are named as the key names them.
  std::vector<std::string> named;
  for (int c : relation.childColumns) {
    const ForeignKeyRef* ref = child.columns[c].foreignKeyRef.get();
    named.push_back(ref != nullptr ? ref->refColumn : std::string());
  }
  std::string tip = TipTableName(child) + "." + TipColumns(child, relation.childColumns, {}) +
                    Cp936(u8" → ") + TipTableName(parent) + "." +
                    TipColumns(parent, relation.parentColumns, named);
  if (!relation.constraintName.empty()) tip += " (" + relation.constraintName + ")";
  return tip;
}

std::string DesignRelations::QualifiedTableName(const TableDesign& table) {
  return (table.owner.empty() ? std::string("dbo") : table.owner) + "." + table.actualName;
}

}  // namespace tablora
