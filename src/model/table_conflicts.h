#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/prompts.h"
#include "model/table_design.h"

namespace tablora {

/// What becomes of a table being added whose owner and name the design already holds.
enum class ConflictPolicy { kAsk, kReplace, kRename, kSkip };

/// Tables being added to a design (an import, or an open that keeps the design's tables)
/// against the tables it holds, so that a design never holds two tables of one owner and
/// name (SameTable): a script with both would not run.
class TableConflicts {
 public:
  /// Where one table being added goes.
  struct Placement {
    enum Kind { kAppend, kReplace, kSkip };
    Kind kind = kAppend;
    int index = -1;  ///< kReplace: the design's table it takes the place of
  };

  /// One placement per table of `incoming`, in order. A table the design's `existing`
  /// definitions already hold is placed by `policy`, or for kAsk by the user's answer
  /// through `prompts`; one kept beside the design's gets a free name in `incoming`: its
  /// name + "_1", "_2", ..., the first no other table of its owner has (ASCII case
  /// ignored), cut to fit the name field. Records without an actual name are ignored.
  static std::vector<Placement> Resolve(const std::vector<TableDesign>& existing,
                                        std::vector<TableDesign>& incoming, ConflictPolicy policy,
                                        Prompts& prompts);

  /// "replace", "rename" or "skip"; nothing for any other text.
  static std::optional<ConflictPolicy> ParsePolicy(const std::string& text);
};

}  // namespace tablora
