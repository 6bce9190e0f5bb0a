#include "ui/gui/cell_editing.h"

#include "base/gui/wx_text.h"
#include "ui/gui/data_grid.h"
#include "ui/gui/in_place_edit.h"
#include "ui/gui/in_place_list.h"
#include "ui/gui/title_tip.h"

namespace tablora {

void CellEditing::SetFollowColumns(int source, int target) {
  followSource_ = source;
  followTarget_ = target;
}

wxWindow* CellEditing::Editor() const {
  if (edit_) return edit_;
  return list_;
}

bool CellEditing::Start(CellId cell, EditStartKind kind, const wxString& typed) {
  GridModel& model = grid_.Model();
  const CellId owner = model.OwnerOf(cell.row, cell.column);
  if (IsEditing() || !GridEditRules::CanEdit(model, grid_.IsEditable(), owner.row, owner.column)) {
    return false;
  }
  grid_.GetTitleTip()->HideTip();
  grid_.EnsureVisible(owner);
  if (!(model.Cell(owner.row, owner.column)->state & kCellSelected)) {
    grid_.Selection().SelectCell(owner);
  }
  model.SetFocusCellField(owner);
  const GridCell& data = *model.Cell(owner.row, owner.column);
  const wxString initial = to_wx(data.text);
  const wxRect rect = grid_.CellRect(owner);
  cell_ = owner;
  InPlaceCallbacks callbacks{[this](const wxString& text, int key) { Ended(text, key); },
                             [this](const wxString& text) { Changed(text); }};
  std::optional<std::vector<std::string>> items;
  if (owner.column != 0 && listProvider_) items = listProvider_(owner.column);
  EditStart start = GridEditRules::Start(data.text, kind, from_wx(typed));
  if (items) {
    // The key that opens a list is typed into it as into a text cell; opened otherwise, the
    // whole text is selected so that typing replaces it.
    if (kind == EditStartKind::kMouse || kind == EditStartKind::kEnter) {
      start.caret = EditCaret::kSelectAll;
    }
    list_ = new InPlaceList(&grid_, rect, grid_.GridFont(), *items, start, initial,
                            std::move(callbacks));
  } else {
    edit_ = new InPlaceEdit(&grid_, rect, GridEditRules::Alignment(data.format), grid_.GridFont(),
                            start, initial, kind, grid_.GetClientSize().x, std::move(callbacks));
    // A typed first character or a removed last one already changed the text.
    if (edit_->GetValue() != initial) Changed(edit_->GetValue());
  }
  grid_.Refresh();
  return true;
}

void CellEditing::End() {
  if (edit_) edit_->EndEdit();
  if (list_) list_->EndEdit();
}

void CellEditing::Changed(const wxString& text) {
  if (!cell_.IsValid() || cell_.column != followSource_ || followTarget_ < 0) return;
  GridModel& model = grid_.Model();
  const int row = cell_.row;
  const auto follow =
      GridEditRules::FollowColumnZero(from_wx(text), model.GetCellText(row, followTarget_));
  GridCell* target = model.Cell(row, followTarget_);
  if (!follow || !target || target->text == *follow) return;
  target->text = *follow;
  target->state |= kCellModified;
  grid_.RefreshRect(grid_.CellRect(CellId{row, followTarget_}));
}

void CellEditing::Ended(const wxString& text, int key) {
  if (detached_ || !cell_.IsValid()) return;
  const CellId cell = cell_;
  cell_ = CellId{};
  wxWindow* editor = Editor();
  edit_ = nullptr;
  list_ = nullptr;
  const std::string newText = from_wx(text);
  if (GridCell* data = grid_.Model().Cell(cell.row, cell.column); data && data->text != newText) {
    data->text = newText;
    data->state |= kCellModified;
  }
  if (editor) {
    // The editor may be inside one of its own handlers: hide it now, delete it later.
    editor->Hide();
    editor->CallAfter([editor] { editor->Destroy(); });
  }
  grid_.EditEnded(cell, newText, key);
}

}  // namespace tablora
