#pragma once

#include <wx/dialog.h>

#include "base/prompts.h"

class wxCheckBox;

namespace tablora {

/// "表已存在": a table being added has the owner and name of one the design holds. The
/// buttons 替换, 都保留 (the default: nothing is lost) and 跳过 (also the Escape key); with
/// more such tables to come, a box takes the answer for all of them.
class TableConflictDialog : public wxDialog {
 public:
  TableConflictDialog(wxWindow* parent, const TableConflictQuestion& question);

  /// The answer after ShowModal.
  ConflictChoice choice() const { return choice_; }
  bool forAll() const;
  /// The box that takes the answer for the tables after this one; null when none follow.
  wxCheckBox* forAllBox() const { return forAll_; }

  /// Button ids, for tests.
  static constexpr int kReplaceId = wxID_HIGHEST + 701;
  static constexpr int kRenameId = wxID_HIGHEST + 702;
  static constexpr int kSkipId = wxID_HIGHEST + 703;

 private:
  ConflictChoice choice_ = ConflictChoice::kSkip;
  wxCheckBox* forAll_ = nullptr;
};

}  // namespace tablora
