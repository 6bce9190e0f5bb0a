#pragma once

#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/app_state.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "db/access/connection_state.h"
#include "db/access/odbc_connection.h"
#include "db/access/result_set.h"
#include "db/access/value_rules.h"
#include "db/import/schema_import.h"
#include "model/design.h"
#include "model/script_parser.h"
#include "support/model_fixture.h"
#include "support/script_test_support.h"
#include "support/scripted_prompts.h"

namespace tablora::testing {

/// A result set of text columns, values given in UTF-8 and held in code page 936; a null
/// pointer is a null value.
inline ResultSet Rows(std::vector<std::string> names, std::vector<std::vector<const char*>> rows) {
  ResultSet set;
  for (std::string& name : names)
    set.columns.push_back({std::move(name), ado::kVarChar, 0, 0, false});
  for (const auto& row : rows) {
    std::vector<ResultCell> cells;
    for (const char* v : row) cells.push_back(v ? ResultCell{Cp936(v), false} : ResultCell{});
    set.rows.push_back(std::move(cells));
  }
  return set;
}

/// A design without windows plus the shared connection state an import runs on.
struct ImportBench {
  ImportBench() {
    app.settings = EditorSettings();
    state.sharedConnection = std::make_unique<OdbcConnection>(&prompts);
  }
  /// Every definition through Describe, concatenated (UTF-8).
  std::string DescribeAll() const {
    std::string text;
    for (const TableDesign& t : design.definitions()) text += Describe(t);
    return text;
  }

  AppState app;
  ScriptedPrompts prompts;
  ScriptParser parser{ResourceFolder(), &prompts};
  Design design{app, prompts, parser};
  ConnectionState state;
};

/// A new SQLite file in the test's temporary folder, built from `statements` (code page 936)
/// through the ODBC driver; returns its connection string.
inline std::string MakeSqliteDatabase(const std::string& name,
                                      const std::vector<std::string>& statements) {
  // Named after the process too: tests that run side by side must not share a file.
  const std::string path = ::testing::TempDir() + std::to_string(::getpid()) + "_" + name;
  std::remove(path.c_str());
  const std::string connection = "Driver=SQLite3;NoCreat=0;Database=" + path;
  OdbcConnection db;
  EXPECT_TRUE(db.Open(connection)) << db.ErrorsText();
  for (const std::string& sql : statements) EXPECT_TRUE(db.Execute(sql)) << sql << db.ErrorsText();
  return connection;
}

inline std::string ReadFixture(const std::string& name) {
  std::string bytes;
  EXPECT_TRUE(TextFile::ReadBytes(std::string(TABLORA_TEST_DATA) + "/" + name, bytes)) << name;
  return bytes;
}

}  // namespace tablora::testing
