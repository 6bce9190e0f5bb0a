#pragma once

#include <string>
#include <vector>

namespace tablora {

class AdoConnection;

/// Replaces a stored procedure on MS SQL Server with the text the user edited: in one
/// transaction the procedure the text creates is dropped when it exists, then each batch
/// of the text (between GO lines) runs; any failure rolls everything back, so the old
/// procedure survives.
class ProcedureUpdate {
 public:
  enum class Outcome {
    kDone,
    kNoCreate,           ///< the text holds no CREATE outside comments and literals
    kNoProcedureCreate,  ///< its first CREATE does not create a procedure
    kFailed,             ///< the server refused a statement: error() tells why
  };

  explicit ProcedureUpdate(AdoConnection& connection) : connection_(connection) {}

  /// `text` is code page 936 with "\n" or "\r\n" line ends; batches are sent with "\r\n".
  Outcome Run(const std::string& text);
  /// The statements Run sends for `text`, in order (without the transaction's own); empty
  /// when the text creates no procedure.
  static std::vector<std::string> Statements(const std::string& text, Outcome* outcome = nullptr);

  /// The server's diagnostics of the failed statement (code page 936).
  const std::string& error() const { return error_; }

 private:
  AdoConnection& connection_;
  std::string error_;
};

}  // namespace tablora
