#pragma once

#include <optional>
#include <string>

#include "ui/grid_model.h"

namespace tablora {

/// What started an in-place editor.
enum class EditStartKind {
  kMouse,       ///< a double-click
  kEnter,       ///< the Enter key
  kBackspace,   ///< the Backspace key
  kNavigation,  ///< an arrow or page key, Tab, Space, Home or End
  kCharacter,   ///< any other typed character
};

/// A key pressed inside an in-place editor, as far as ending the edit goes.
enum class EditKey { kTab, kEnter, kEscape, kArrowOrPage, kOther };

/// What a key does to a running in-place edit.
enum class EditKeyAction {
  kNone,        ///< the editor handles the key itself
  kEndKeep,     ///< editing ends with the text shown
  kEndRestore,  ///< the initial text comes back and editing ends
};

/// Where the caret and selection of a new editor go.
enum class EditCaret { kAtEnd, kSelectAll };

/// The text an in-place editor starts with.
struct EditStart {
  std::string text;  ///< code page 936
  EditCaret caret = EditCaret::kAtEnd;
  bool operator==(const EditStart& o) const { return text == o.text && caret == o.caret; }
};

/// The pure rules of in-place editing, shared by the grid widget and its tests.
class GridEditRules {
 public:
  /// True when a cell may be edited: the grid is editable, the cell exists, is not
  /// fixed, not read-only and not merged (merge value 0).
  static bool CanEdit(const GridModel& model, bool editable, int row, int column);

  /// Initial text and caret for an editor over `cellText`. `typed` is the character
  /// (code page 936) that started a kCharacter edit.
  static EditStart Start(const std::string& cellText, EditStartKind kind,
                         const std::string& typed = {});

  /// Tab and Enter keep the text, Escape restores it; arrow and page keys end the edit
  /// only when a key started it or Ctrl is held.
  static EditKeyAction OnKey(EditKey key, bool startedByKey, bool ctrlDown);

  /// The column-1 text after `typed` was entered into column 0 of the same row: the
  /// typed text when column 1 is empty, or shorter than and a prefix of the typed
  /// text; nothing when column 1 stays as it is.
  static std::optional<std::string> FollowColumnZero(const std::string& typed,
                                                     const std::string& columnOneText);

  /// Horizontal alignment bits (kFormatCenter / kFormatRight, else left) of a cell format.
  static unsigned Alignment(unsigned format) { return format & (kFormatCenter | kFormatRight); }
};

}  // namespace tablora
