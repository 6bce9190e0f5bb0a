#pragma once

#include <string>
#include <vector>

#include "app/settings.h"

namespace tablora::testing {

/// The MS SQL Server data types and type maps used by the compile checks while no shipped
/// settings file is at hand. C types are plain built-in types; Java types need no import.
inline Settings SqlServerTypeMaps() {
  struct Row {
    const char* design;
    const char* c;
    const char* java;
  };
  static const Row kRows[] = {
      {"bigint", "long long", "long"},
      {"binary", "unsigned char", "byte[]"},
      {"bit", "unsigned char", "boolean"},
      {"char", "char", "String"},
      {"datetime", "double", "java.sql.Timestamp"},
      {"decimal", "double", "java.math.BigDecimal"},
      {"float", "double", "double"},
      {"image", "unsigned char", "byte[]"},
      {"int", "int", "int"},
      {"money", "double", "java.math.BigDecimal"},
      {"nchar", "char", "String"},
      {"ntext", "char", "String"},
      {"numeric", "double", "java.math.BigDecimal"},
      {"nvarchar", "char", "String"},
      {"real", "float", "float"},
      {"smalldatetime", "double", "java.sql.Timestamp"},
      {"smallint", "short", "short"},
      {"smallmoney", "double", "java.math.BigDecimal"},
      {"sql_variant", "char", "Object"},
      {"text", "char", "String"},
      {"timestamp", "unsigned char", "byte[]"},
      {"tinyint", "unsigned char", "byte"},
      {"uniqueidentifier", "char", "String"},
      {"varbinary", "unsigned char", "byte[]"},
      {"varchar", "char", "String"},
  };
  Settings s;
  for (const Row& row : kRows) {
    s.dataTypeLists[kSqlServer].push_back(row.design);
    s.typeC.emplace(row.design, row.c);
    s.typeJava.emplace(row.design, row.java);
  }
  s.prefixC = {{"char", "c"},   {"int", "n"},           {"short", "s"},  {"double", "db"},
               {"float", "f"}, {"unsigned char", "uc"}, {"long long", "ll"}};
  s.prefixJava = {{"String", "str"}, {"int", "n"},  {"long", "l"},  {"short", "s"},
                  {"byte", "by"},    {"float", "f"}, {"double", "db"}, {"boolean", "b"},
                  {"java.sql.Timestamp", "tm"}, {"java.math.BigDecimal", "dec"},
                  {"byte[]", "aby"}, {"Object", "o"}};
  return s;
}

}  // namespace tablora::testing
