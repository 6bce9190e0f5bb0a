#pragma once

#include <string>

#include "base/text_codec.h"
#include "model/table_design.h"

namespace tablora::testing {

/// The program folder of the source tree (holds setting/e1.dat and setting/e2.dat).
inline std::string ResourceFolder() { return std::string(TABLORA_SOURCE_DIR) + "/resources"; }

/// A column record built field by field, for whole-record comparisons.
struct Col {
  ColumnDesign c;
  explicit Col(std::string actual, std::string type) {
    c.actualName = std::move(actual);
    c.typeName = std::move(type);
  }
  Col& Display(std::string v) {
    c.displayName = std::move(v);
    return *this;
  }
  Col& Size(int length, int scale = 0) {
    c.length = length;
    c.scale = scale;
    return *this;
  }
  Col& Identity(std::string v) {
    c.identity = std::move(v);
    return *this;
  }
  Col& Default(std::string v) {
    c.defaultValue = std::move(v);
    return *this;
  }
  Col& Note(std::string v) {
    c.note = std::move(v);
    return *this;
  }
  Col& Nullable() {
    c.nullable = true;
    return *this;
  }
  Col& Key() {
    c.primaryKey = true;
    return *this;
  }
  Col& Check(std::string v) {
    c.checkExpression = std::move(v);
    return *this;
  }
  Col& Refs(std::string name, std::string table, std::string column, std::string owner = "") {
    c.foreignKey = true;
    c.foreignKeyRef = std::make_unique<ForeignKeyRef>(
        ForeignKeyRef{std::move(name), std::move(table), std::move(column), std::move(owner)});
    return *this;
  }
  Col& Computed(std::string expression, bool persisted = false) {
    c.typeName.clear();
    c.computedExpression = std::move(expression);
    c.persisted = persisted;
    return *this;
  }
  operator ColumnDesign() const { return c; }
};

inline TableDesign Table(std::string actual, std::string display, std::string comment,
                         std::string group, std::string owner, std::vector<ColumnDesign> columns) {
  TableDesign t;
  t.actualName = std::move(actual);
  t.displayName = std::move(display);
  t.comment = std::move(comment);
  t.group = std::move(group);
  t.owner = std::move(owner);
  t.columns = std::move(columns);
  return t;
}

/// A readable dump of a record for failure messages (code page 936 shown as UTF-8).
std::string Describe(const TableDesign& table);

}  // namespace tablora::testing
