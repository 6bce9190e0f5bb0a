#pragma once

#include <string>

namespace tablora {

/// ODBC connection strings for the database kinds. Values are brace-quoted ({...} with
/// "}" doubled), so a ";" in a password or path never adds attributes.
class ConnectionStrings {
 public:
  /// MS SQL Server through FreeTDS: "Driver=FreeTDS;SERVER=h;PORT=1433;DATABASE={d};
  /// UID={u};PWD={p};TDS_Version=7.4". "(local)" and "." mean 127.0.0.1; "h,port" sets the
  /// port; "h\instance" leaves the port to the server's browser. An empty database sends
  /// neither user nor password; integrated login (not available here) sends neither.
  static std::string SqlServer(const std::string& host, const std::string& database,
                               const std::string& user, const std::string& password,
                               bool integrated);
  /// An MS Access file through MDBTools: "Driver=MDBTools;DBQ=path". The driver reads files
  /// without their database password, so `password` adds nothing.
  static std::string Access(const std::string& path, const std::string& password);
  /// The data-link string with the password dialog's password added as ";PWD={p}" (nothing
  /// when the password is empty).
  static std::string WithPassword(const std::string& connectionString, const std::string& password);

  /// `value` as a connection-string value: brace-quoted when it holds any of ";{}=" or
  /// blanks at either end, otherwise as it is.
  static std::string Quote(const std::string& value);
  /// The value of attribute `key` (ASCII case ignored), braces removed; empty when missing.
  static std::string Attribute(const std::string& connectionString, const std::string& key);
  /// True for a string that reaches Oracle: "MSDAORA" anywhere, or a driver whose name
  /// contains "Oracle".
  static bool IsOracle(const std::string& connectionString);
  /// The MS Access file behind an MDBTools string (its DBQ), or empty.
  static std::string AccessFile(const std::string& connectionString);

  /// The database kind a string's driver implies: MDBTools gives MS Access; an Oracle
  /// driver or "MSDAORA" Oracle; FreeTDS and SQLite MS SQL Server (SQLite's own dialect is
  /// told apart by the server's name once connected); -1 when the driver says nothing.
  /// `dataSourceDriver` is the driver of the string's data source (DSN=), when known.
  static int ImpliedKind(const std::string& connectionString,
                         const std::string& dataSourceDriver = {});

  /// Busy wait on a locked SQLite file, in milliseconds (the driver waits 100 s by default).
  static constexpr int kSqliteTimeout = 3000;
  /// A string naming the SQLite driver, with what it leaves unsaid set: a busy timeout
  /// ("Timeout=3000"), rows streamed rather than buffered whole ("StepAPI=1") and no new
  /// empty database for a missing file ("NoCreat=1"). Other strings come back unchanged.
  static std::string WithSqliteDefaults(const std::string& connectionString);
  /// A string whose driver must be told to speak UTF-8, with that said unless the string
  /// says otherwise: FreeTDS "ClientCharset=UTF-8", MariaDB and MySQL "CHARSET=utf8mb4".
  /// Other strings (SQLite, MDBTools, data sources) come back unchanged.
  static std::string WithUtf8Client(const std::string& connectionString);
  /// The file a SQLite string opens without creating it (its Database, NoCreat on); empty
  /// for other strings, in-memory databases and strings that let the driver create files.
  static std::string SqliteFileThatMustExist(const std::string& connectionString);
};

}  // namespace tablora
