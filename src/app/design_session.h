#pragma once

#include <string>
#include <vector>

#include "base/commands/design_context.h"
#include "base/prompts.h"

namespace tablora {

class DesignHistory;

/// One line of the plain table list the design window shows. Texts are code page 936.
struct TableSummary {
  std::string displayName;
  std::string actualName;
  int columnCount = 0;
  bool operator==(const TableSummary& o) const {
    return displayName == o.displayName && actualName == o.actualName &&
           columnCount == o.columnCount;
  }
};

/// What the window program needs of the design and its script files: the main window's
/// file commands go through this, so the window stays free of the reader and writer.
class DesignSession : public DesignContext {
 public:
  /// Opens a script into the design; an empty path lets the user choose. False when
  /// nothing was opened (cancelled or failed; the user has been told why).
  virtual bool OpenScript(const std::string& path) = 0;
  /// Saves every table to `path`; an empty path lets the user choose. False when nothing
  /// was written.
  virtual bool SaveScript(const std::string& path) = 0;
  /// Saves table `index` alone; the user chooses the file. False when nothing was written.
  virtual bool SaveTableScript(int index) { return false; }
  /// The script the design was opened from or last saved to; empty for none.
  virtual std::string currentPath() const = 0;
  /// True when the file at currentPath() holds statements the design does not keep
  /// (views, procedures, ...): saving over it would lose them.
  virtual bool currentFileHoldsMore() const { return false; }
  /// True when the design changed since it was opened or saved.
  virtual bool modified() const = 0;
  virtual std::vector<TableSummary> Tables() const = 0;
  /// The undo history of the design; nullptr when there is none.
  virtual DesignHistory* history() { return nullptr; }
  /// Takes the last step back (does the last step undone again). False when there was none.
  virtual bool Undo() { return false; }
  virtual bool Redo() { return false; }

  /// Before a changed design is discarded: asks "将改动保存到 %1？" (the current path, or
  /// "表视图" when there is none). Yes saves (asking for a path when there is none), no
  /// discards. When the current file holds more than the design, the question says that
  /// saving would lose it, and yes saves under a new name the user confirms. True when the
  /// caller may go on; false after cancel or a failed save.
  bool ConfirmDiscard(Prompts& prompts);
};

}  // namespace tablora
