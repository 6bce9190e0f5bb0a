#pragma once

#include <memory>
#include <string>
#include <vector>

#include "db/connect/database_session.h"
#include "db/db_test_support.h"
#include "db/writeback/write_back.h"

namespace tablora::testing {

/// A design without windows, its database session and the write-back over both. The
/// tables are made as an import makes them: definition first, then AddTable.
struct WriteBackBench {
  explicit WriteBackBench(int kind) {
    app.settings = EditorSettings();
    app.databaseKind = kind;
  }
  void Add(TableDesign table) {
    design.definitions().push_back(std::move(table));
    design.AddTable(false, static_cast<int>(design.definitions().size()) - 1);
  }
  /// Uses `connection` as the shared, open connection.
  template <typename Connection>
  Connection& Use(std::unique_ptr<Connection> connection) {
    Connection& ref = *connection;
    database.state().sharedConnection = std::move(connection);
    database.state().connected = ref.IsOpen();
    return ref;
  }
  /// Opens the shared ODBC connection on `connectionString` as the data-link route does.
  bool OpenOdbc(const std::string& connectionString) {
    database.state().connectionMode = ConnectionState::kDataLink;
    AdoConnection& db = *database.state().sharedConnection;
    database.state().connected = db.Open(connectionString);
    return database.state().connected;
  }

  AppState app;
  ScriptedPrompts prompts;
  ScriptParser parser{ResourceFolder(), &prompts};
  Design design{app, prompts, parser};
  DatabaseSession database{design, prompts, ResourceFolder()};
  WriteBack writeBack{design, database, prompts};
};

}  // namespace tablora::testing
