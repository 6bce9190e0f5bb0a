#pragma once

#include <memory>

#include "db/access/ado_connection.h"

namespace tablora {

/// The shared connection and its state, owned by the application for the whole run. The
/// database kind, the last host and the last database live in AppState.
struct ConnectionState {
  static constexpr int kDirect = 0;    ///< string built from host, database, user, password
  static constexpr int kDataLink = 1;  ///< string taken whole from the data-link dialog

  std::unique_ptr<AdoConnection> sharedConnection;
  /// Set after the shared connection was opened; cleared when an open fails.
  bool connected = false;
  int connectionMode = kDirect;
  bool useClientCursor = true;  ///< with Oracle: result sets on a client cursor
  bool importProcedures = false;

  /// True when the shared connection was opened and still is.
  bool IsConnected() const { return connected && sharedConnection && sharedConnection->IsOpen(); }
};

}  // namespace tablora
