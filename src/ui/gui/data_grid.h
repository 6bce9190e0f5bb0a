#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <wx/event.h>
#include <wx/window.h>

#include "ui/grid_clipboard.h"
#include "ui/grid_edit_rules.h"
#include "ui/grid_model.h"
#include "ui/grid_selection.h"
#include "ui/gui/cell_editing.h"

class wxImageList;
class wxMenu;

namespace tablora {

class TitleTip;

/// Sent to a grid's parent around cell edits: by every in-place editor when it closes
/// (code kEndLabelEdit) and, for every cell a paste or cut writes, before the change
/// (kBeginLabelEdit) and after it (kEndLabelEdit).
class GridEditEvent : public wxCommandEvent {
 public:
  static constexpr int kBeginLabelEdit = -105;
  static constexpr int kEndLabelEdit = -106;

  GridEditEvent(wxEventType type = wxEVT_NULL, int id = 0) : wxCommandEvent(type, id) {}
  wxEvent* Clone() const override { return new GridEditEvent(*this); }

  int code = 0;
  int row = -1;
  int column = -1;
  std::string text;  ///< the cell's new text, code page 936
  int key = 0;       ///< wx key code that ended the edit; 0 for focus loss and clipboard edits
};

wxDECLARE_EVENT(EVT_GRID_BEGIN_EDIT, GridEditEvent);
wxDECLARE_EVENT(EVT_GRID_END_EDIT, GridEditEvent);

/// The program's grid window: a scrollable table of text cells with fixed rows and
/// columns, merged cells, selection, in-place editing and drop-down lists, clipboard
/// exchange, a row menu and title tips for truncated cells. Its cells live in a
/// `GridModel`; after changing the model directly call `ModelChanged`.
class DataGrid : public wxWindow {
 public:
  /// Items of a column's drop-down list (code page 936), or nothing for a plain edit.
  using ListProvider = CellEditing::ListProvider;
  /// Shows the row menu; the default pops it up at `position` (client coordinates).
  using MenuPresenter = std::function<void(wxMenu& menu, const wxPoint& position)>;

  /// Row menu commands "删除行(&D)" (32806 in saved resources) and "插入行(&I)" (32807);
  /// wx menu ids must stay below 32768, so they live above wxID_HIGHEST.
  static constexpr int kIdDeleteRow = wxID_HIGHEST + 806;
  static constexpr int kIdInsertRow = wxID_HIGHEST + 807;

  DataGrid(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
           const wxSize& size = wxDefaultSize, long style = 0);
  ~DataGrid() override;

  GridModel& Model() { return model_; }
  const GridModel& Model() const { return model_; }
  GridSelection& Selection() { return selection_; }
  /// Re-reads sizes and counts: scroll bars, scroll position and a repaint.
  void ModelChanged();

  void SetEditable(bool editable) { editable_ = editable; }
  bool IsEditable() const { return editable_; }
  void SetListProvider(ListProvider provider) { editing_.SetListProvider(std::move(provider)); }
  void SetMenuPresenter(MenuPresenter presenter) { menuPresenter_ = std::move(presenter); }
  /// Cell images; the list is not owned and must outlive the grid.
  void SetImageList(wxImageList* images) { images_ = images; }
  /// Lines per wheel notch; GridScroll::kWheelPage scrolls whole pages.
  void SetWheelScrollLines(int lines) { wheelLines_ = lines; }
  int GetWheelScrollLines() const { return wheelLines_; }
  void SetTitleTips(bool enabled);
  /// Whether dragging an edge in the fixed row (column) resizes columns (rows); both on.
  void SetColumnResize(bool allowed) { columnResize_ = allowed; }
  void SetRowResize(bool allowed) { rowResize_ = allowed; }
  /// While a cell of column `source` is edited, column `target` of its row follows the
  /// typed text (see GridEditRules::FollowColumnZero); -1 switches it off.
  void SetFollowColumns(int source, int target);
  void SetGridFont(const wxFont& font);
  const wxFont& GridFont() const { return font_; }

  void FitRowHeights();
  void FitAll();

  /// Opens the editor (or drop-down list) over `cell` when it may be edited.
  bool StartEdit(CellId cell, EditStartKind kind, const wxString& typed = wxString());
  bool IsEditing() const { return editing_.IsEditing(); }
  CellId EditedCell() const { return editing_.Cell(); }
  /// The open in-place editor window (an InPlaceEdit or an InPlaceList), or null.
  wxWindow* Editor() const { return editing_.Editor(); }
  /// Ends the open editor with its current text.
  void EndEdit();

  void Copy();
  void Cut();
  void Paste();
  void SelectAll();
  /// The row the row menu acts on, -1 when the menu would not open.
  int RowMenuRow() const { return selection_.RowMenuRow(); }
  void DeleteRowOfSelection();
  void InsertRowBeforeSelection();

  wxPoint GetScrollOffset() const { return wxPoint(scrollX_, scrollY_); }
  void ScrollTo(int x, int y);
  /// Scrolls so that the block of `cell` is inside the non-fixed area where possible.
  void EnsureVisible(CellId cell);
  /// The block rectangle of a cell in client coordinates.
  wxRect CellRect(CellId cell) const;
  TitleTip* GetTitleTip() const { return titleTip_; }

 private:
  friend class CellEditing;

  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnScroll(wxScrollWinEvent& event);
  void OnWheel(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnLeftDClick(wxMouseEvent& event);
  void OnRightDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnFocus(wxFocusEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnMenuCommand(wxCommandEvent& event);
  void OnUpdateCommand(wxUpdateUIEvent& event);

  void UpdateScrollBars();
  /// The column (vertical = false) or row edge under a point of the fixed cells that a
  /// drag would move, or -1.
  int ResizeEdgeAt(const wxPoint& position, bool& vertical) const;
  void UpdateResizeCursor(const wxPoint& position);
  void MoveFocus(int rows, int columns, bool extend);
  void SelectAt(CellId cell, const wxMouseEvent& event);
  /// After an editor closed: tells the parent and moves on as the ending key says.
  void EditEnded(CellId cell, const std::string& text, int key);
  void UpdateTitleTip(const wxPoint& position);
  int NextOffset(bool vertical, int offset, int direction) const;
  int VisibleBodyRows() const;
  /// Announces every cell a paste, cut or delete writes to the parent.
  GridEditCallbacks ClipboardCallbacks();
  void SendEditEvent(const wxEventType& type, int code, int row, int column,
                     const std::string& text, int key);

  GridModel model_;
  GridSelection selection_;
  wxFont font_;
  bool editable_ = false;
  bool titleTips_ = true;
  int wheelLines_;
  int scrollX_ = 0;
  int scrollY_ = 0;
  bool dragging_ = false;
  bool updatingScrollBars_ = false;
  int dragAnchor_ = -1;  ///< first row or column of a header drag
  bool columnResize_ = true;
  bool rowResize_ = true;
  struct EdgeDrag {
    bool active = false;
    bool rows = false;  ///< resizing a row height, else a column width
    int index = -1;
    int startPointer = 0;
    int startSize = 0;
  } edgeDrag_;
  enum class DragKind { kCells, kRows, kColumns } dragKind_ = DragKind::kCells;
  CellEditing editing_{*this};
  TitleTip* titleTip_ = nullptr;
  wxImageList* images_ = nullptr;
  MenuPresenter menuPresenter_;
};

}  // namespace tablora
