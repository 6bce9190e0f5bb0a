#pragma once

#include <string>

#include "base/app_state.h"
#include "model/table_design.h"

namespace tablora {

/// The form a table's record takes in its editor. A table editor turns its record into
/// names and grid cells, writes its SQL text from them and reads that text back: what
/// comes back is the record the design keeps. Settle gives a record read from a whole
/// script that form directly, without writing and reading its text, wherever it can be
/// sure of the outcome; the open command then lets the editor keep the record as it is.
class EditorRecord {
 public:
  /// The database kind and the grid's yes and no texts are taken from `app` now.
  explicit EditorRecord(const AppState& app);

  /// Brings `table` to the record its editor's write-and-read cycle would give it (the
  /// owner the editor supplies, a display name equal to the actual name left out, a
  /// comment cut at a "(组)" without group, identities written out with their seed and
  /// increment). False, and `table` unchanged, when the record holds anything whose
  /// outcome only the cycle itself can tell (texts with colons or line breaks, names with
  /// brackets, unbalanced expressions, computed columns, unnamed foreign keys, ...).
  bool Settle(TableDesign& table) const;

 private:
  bool usable_ = false;
};

}  // namespace tablora
