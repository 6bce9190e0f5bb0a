#include "ui/grid_edit_rules.h"

#include "base/gbk_text.h"

namespace tablora {

bool GridEditRules::CanEdit(const GridModel& model, bool editable, int row, int column) {
  const GridCell* cell = model.Cell(row, column);
  return editable && cell && !model.IsFixed(row, column) && !(cell->state & kCellReadOnly) &&
         cell->mergeValue == 0;
}

EditStart GridEditRules::Start(const std::string& cellText, EditStartKind kind,
                               const std::string& typed) {
  switch (kind) {
    case EditStartKind::kMouse:
    case EditStartKind::kEnter:
      return {cellText, EditCaret::kAtEnd};
    case EditStartKind::kBackspace: {
      // Drop the last character, which may be a multi-byte one.
      std::size_t last = 0;
      for (std::size_t i = 0; i < cellText.size();) {
        last = i;
        i += gbk::CharSize(cellText, i);
      }
      return {cellText.substr(0, cellText.empty() ? 0 : last), EditCaret::kAtEnd};
    }
    case EditStartKind::kNavigation:
      return {cellText, EditCaret::kSelectAll};
    case EditStartKind::kCharacter:
      return {typed, EditCaret::kAtEnd};
  }
  return {cellText, EditCaret::kAtEnd};
}

EditKeyAction GridEditRules::OnKey(EditKey key, bool startedByKey, bool ctrlDown) {
  switch (key) {
    case EditKey::kTab:
    case EditKey::kEnter:
      return EditKeyAction::kEndKeep;
    case EditKey::kEscape:
      return EditKeyAction::kEndRestore;
    case EditKey::kArrowOrPage:
      return startedByKey || ctrlDown ? EditKeyAction::kEndKeep : EditKeyAction::kNone;
    case EditKey::kOther:
      return EditKeyAction::kNone;
  }
  return EditKeyAction::kNone;
}

std::optional<std::string> GridEditRules::FollowColumnZero(const std::string& typed,
                                                           const std::string& columnOneText) {
  if (columnOneText.empty()) return typed;
  if (columnOneText.size() < typed.size() &&
      typed.compare(0, columnOneText.size(), columnOneText) == 0) {
    return typed;
  }
  return std::nullopt;
}

}  // namespace tablora
