#pragma once

#include <string>
#include <vector>

namespace tablora {

class AdoConnection;

/// How a comment text ran: statements sent, statements that failed (drops of a comment
/// that did not exist yet are not counted) and the provider's text of the first failure.
struct CommentRun {
  int executed = 0;
  int failed = 0;
  std::string firstError;  ///< code page 936; empty when nothing failed
};

/// Sends a comment text (one statement per line, as the comment builders write it) to a
/// database statement by statement.
class CommentExecutor {
 public:
  /// The statements of `text`: every line trimmed, empty lines and "GO" lines (any case)
  /// left out; with `oracle` a closing ";" is taken off. A last line without its line feed
  /// is a statement too.
  static std::vector<std::string> Statements(const std::string& text, bool oracle);

  /// Runs every statement of `text` on `connection`; a failing one does not stop the rest.
  static CommentRun Run(AdoConnection& connection, const std::string& text, bool oracle);
};

}  // namespace tablora
