#pragma once

#include <string>

namespace tablora::cli {

/// The database a command line names: an ODBC connection string or an MS Access file,
/// with the kind it is treated as.
struct DatabaseTarget {
  /// The text of the command line, or for an MS Access file the MDBTools string of it.
  std::string connectionString;
  /// The file's absolute path when the text named an MS Access file, else empty.
  std::string accessFile;
  int kind = 0;
};

/// Reads the value of --kind: "0" MS SQL Server, "1" MS Access, "2" Oracle. False for
/// anything else.
bool ParseKind(const std::string& text, int& kind);

/// Turns a command's database text into a target. A text holding "=" is a connection
/// string (unless it is the path of an existing ".mdb" file); its kind follows from its
/// driver (OdbcConnection::ImpliedKind, MS SQL Server when the driver says nothing) unless
/// `kind` (-1: not given) says otherwise. A text without "=" ending in ".mdb" is an MS
/// Access file, whatever `kind` says. Anything else, an empty text included, is refused:
/// the reason goes to standard error after "tablora-cli COMMAND: " and the result is false
/// (a usage error).
bool ResolveTarget(const char* command, const std::string& text, int kind,
                   const std::string& password, DatabaseTarget& target);

}  // namespace tablora::cli
