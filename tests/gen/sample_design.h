#pragma once

#include <string>
#include <vector>

#include "base/settings.h"
#include "base/text_codec.h"
#include "model/table_design.h"

namespace tablora::testing {

/// A column from UTF-8 texts (stored as code page 936, as the design holds them).
inline ColumnDesign Column(const char* display, const char* actual, const char* type, int length,
                           const char* note = "") {
  ColumnDesign c;
  c.displayName = Cp936(display);
  c.actualName = actual;
  c.typeName = type;
  c.length = length;
  c.note = Cp936(note);
  return c;
}

/// Type maps of the kind the shipped settings hold; "image" is deliberately left unmapped.
inline Settings SampleTypeMaps() {
  Settings s;
  s.typeC = {{"varchar", "char"},   {"char", "char"},       {"int", "int"},
             {"decimal", "double"}, {"datetime", "time_t"}, {"bit", "bool"}};
  s.prefixC = {{"char", "c"}, {"int", "n"}, {"double", "db"}, {"time_t", "tm"}, {"bool", "b"}};
  s.typeJava = {
      {"varchar", "String"},          {"char", "String"}, {"int", "int"}, {"decimal", "double"},
      {"datetime", "java.util.Date"}, {"bit", "boolean"}};
  s.prefixJava = {{"String", "str"},
                  {"int", "n"},
                  {"double", "db"},
                  {"java.util.Date", "tm"},
                  {"boolean", "b"}};
  return s;
}

/// Three tables: one with Chinese names, arrays, a note-only column, datetime columns, an
/// unmapped type and a nameless column; one without columns; one without display name.
inline std::vector<TableDesign> SampleDesign() {
  TableDesign user;
  user.displayName = Cp936(u8"用户");
  user.actualName = "TUser";
  user.comment = Cp936(u8"系统的登录用户");
  user.columns.push_back(Column(u8"编号", "Id", "int", 0, u8"主键"));
  user.columns.push_back(Column(u8"姓名", "Name", "varchar", 20));
  user.columns.push_back(Column("", "Price", "decimal", 18, u8"单价"));
  user.columns.push_back(Column(u8"创建时间", "Created", "datetime", 0));
  user.columns.push_back(Column(u8"修改时间", "Changed", "smalldatetime", 0));
  user.columns.push_back(Column(u8"照片", "Photo", "image", 16));
  user.columns.push_back(Column(u8"有效", "Active", "bit", 0, u8"1有效"));
  user.columns.push_back(Column("", "", "int", 0));

  TableDesign empty;
  empty.actualName = "TEmpty";

  TableDesign log;
  log.actualName = "TLog";
  log.comment = Cp936(u8"日志");
  log.columns.push_back(Column("", "Code", "char", 4));

  return {user, empty, log};
}

}  // namespace tablora::testing
