#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/layout_block.h"

namespace tablora {

class Design;
class Prompts;
class ScriptParser;

/// The open command: reads a script file into the design. Table scripts add one table
/// per CREATE TABLE (through AddTable, so each passes its editor's build-and-parse cycle)
/// and restore the stored window layout; procedure scripts add procedures.
class ScriptOpener {
 public:
  /// The stored window layout of a script's first comment and where the script text
  /// starts after it.
  struct StoredLayout {
    std::vector<LayoutRecord> records;
    std::size_t textStart = 0;
  };

  /// `parser` is the design's own parser (patterns loaded once); none is owned.
  ScriptOpener(Design& design, ScriptParser& parser, Prompts& prompts);

  /// Opens `path` (empty: asks with an open dialog). Returns true when tables or
  /// procedures were added; otherwise the design is unchanged and error() tells why
  /// (the user was told through the prompts, except for a cancelled dialog).
  bool OpenScript(const std::string& path);

  /// What opening an MS Access file (".mdb") does: import it into the design, calling
  /// `beforeAdding` once its tables are read (which asks, as a script open does, whether
  /// the design's tables go); true when tables were added. Without one such files are
  /// refused.
  using DatabaseFileOpener =
      std::function<bool(const std::string& path, const std::function<void()>& beforeAdding)>;
  void setDatabaseFileOpener(DatabaseFileOpener opener) {
    databaseFileOpener_ = std::move(opener);
  }

  /// The failure of the last OpenScript (code page 936); empty after success or cancel.
  const std::string& error() const { return error_; }
  /// True when the last OpenScript read a procedure script.
  bool readProcedures() const { return readProcedures_; }

  /// A file's bytes as the script text: UTF-16 LE and UTF-8 with a byte-order mark, and
  /// UTF-8 without a mark that holds multi-byte sequences, are converted to code page 936;
  /// CR LF becomes LF; a byte 0x1A ends the text. False when a byte-order-marked file
  /// converts to nothing.
  static bool DecodeFile(const std::string& bytes, std::string& text);
  /// As above, reusing the bytes' own storage where it can.
  static bool DecodeFile(std::string&& bytes, std::string& text);
  /// True when `bytes` are valid UTF-8 and hold at least one multi-byte sequence.
  static bool IsMultiByteUtf8(std::string_view bytes);
  /// The layout block after the file header "/* TABLORA", read within the header comment;
  /// a text without the header has no layout and starts at 0.
  static StoredLayout ReadLayout(const std::string& text);

 private:
  bool Fail(const std::string& message, bool tellUser = true);
  bool ConfirmReplace();

  Design& design_;
  ScriptParser& parser_;
  Prompts& prompts_;
  std::string error_;
  bool readProcedures_ = false;
  DatabaseFileOpener databaseFileOpener_;
};

}  // namespace tablora
