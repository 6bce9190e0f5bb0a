#include "ui/gui/data_grid.h"

#include <algorithm>

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dcbuffer.h>
#include <wx/menu.h>
#include <wx/settings.h>

#include "base/gui/scroll_bar_size.h"
#include "ui/grid_clipboard.h"
#include "ui/grid_layout.h"
#include "ui/grid_scroll.h"
#include "ui/gui/grid_renderer.h"
#include "ui/gui/title_tip.h"

namespace tablora {

wxDEFINE_EVENT(EVT_GRID_BEGIN_EDIT, GridEditEvent);
wxDEFINE_EVENT(EVT_GRID_END_EDIT, GridEditEvent);

namespace {

Rgb SystemRgb(wxSystemColour index) {
  const wxColour colour = wxSystemSettings::GetColour(index);
  return Rgb{colour.Red(), colour.Green(), colour.Blue()};
}

/// Far enough to reach any edge of the grid in one navigation step.
constexpr int kToEdge = 1 << 20;

}  // namespace

DataGrid::DataGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                   long style)
    // Created without a size (a sizer sizes it later), GTK may lay it out first at wx's 20 x 20.
    : wxWindow(parent, id, pos, scroll_bars::StartSize(size),
               style | wxWANTS_CHARS | wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE),
      selection_(model_),
      font_(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT)),
      wheelLines_(GridScroll::kDefaultWheelLines) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  GridColours& colours = model_.Colours();
  colours.cellText = SystemRgb(wxSYS_COLOUR_WINDOWTEXT);
  colours.cellBack = SystemRgb(wxSYS_COLOUR_WINDOW);
  colours.gridBack = SystemRgb(wxSYS_COLOUR_BTNSHADOW);
  colours.fixedText = SystemRgb(wxSYS_COLOUR_WINDOWTEXT);
  colours.fixedBack = SystemRgb(wxSYS_COLOUR_BTNFACE);
  colours.gridLine = Rgb{192, 192, 192};
  titleTip_ = new TitleTip(this);
  menuPresenter_ = [this](wxMenu& menu, const wxPoint& position) { PopupMenu(&menu, position); };

  Bind(wxEVT_PAINT, &DataGrid::OnPaint, this);
  Bind(wxEVT_SIZE, &DataGrid::OnSize, this);
  for (const auto type :
       {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
        wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
        wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE}) {
    Bind(type, &DataGrid::OnScroll, this);
  }
  Bind(wxEVT_MOUSEWHEEL, &DataGrid::OnWheel, this);
  Bind(wxEVT_LEFT_DOWN, &DataGrid::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &DataGrid::OnLeftUp, this);
  Bind(wxEVT_LEFT_DCLICK, &DataGrid::OnLeftDClick, this);
  Bind(wxEVT_RIGHT_DOWN, &DataGrid::OnRightDown, this);
  Bind(wxEVT_MOTION, &DataGrid::OnMotion, this);
  Bind(wxEVT_KEY_DOWN, &DataGrid::OnKeyDown, this);
  Bind(wxEVT_CHAR, &DataGrid::OnChar, this);
  Bind(wxEVT_SET_FOCUS, &DataGrid::OnFocus, this);
  Bind(wxEVT_KILL_FOCUS, &DataGrid::OnFocus, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &DataGrid::OnCaptureLost, this);
  for (const int command : {int(kIdDeleteRow), int(kIdInsertRow), int(wxID_COPY), int(wxID_CUT),
                            int(wxID_PASTE), int(wxID_SELECTALL)}) {
    Bind(wxEVT_MENU, &DataGrid::OnMenuCommand, this, command);
    Bind(wxEVT_UPDATE_UI, &DataGrid::OnUpdateCommand, this, command);
  }
}

DataGrid::~DataGrid() {
  // Editors report to this object when they lose the focus while being destroyed.
  editing_.Detach();
  DestroyChildren();
}

void DataGrid::ModelChanged() {
  UpdateScrollBars();
  Refresh();
}

void DataGrid::SetTitleTips(bool enabled) {
  titleTips_ = enabled;
  if (!enabled) titleTip_->HideTip();
}

void DataGrid::SetFollowColumns(int source, int target) {
  editing_.SetFollowColumns(source, target);
}

void DataGrid::SetGridFont(const wxFont& font) {
  font_ = font;
  ModelChanged();
}

void DataGrid::FitRowHeights() {
  wxClientDC dc(this);
  DcTextMeasurer measurer(dc, font_, images_);
  model_.FitRowHeights(measurer);
  ModelChanged();
}

void DataGrid::FitAll() {
  wxClientDC dc(this);
  DcTextMeasurer measurer(dc, font_, images_);
  model_.FitAll(measurer);
  ModelChanged();
}

void DataGrid::UpdateScrollBars() {
  if (updatingScrollBars_) return;
  updatingScrollBars_ = true;
  // Showing one bar narrows the client area, which may call for the other bar.
  for (int pass = 0; pass < 2; ++pass) {
    const wxSize client = GetClientSize();
    const ScrollAxis vertical =
        GridScroll::Axis(client.y, model_.FixedRowsHeight(), model_.ContentHeight());
    const ScrollAxis horizontal =
        GridScroll::Axis(client.x, model_.FixedColumnsWidth(), model_.ContentWidth());
    scrollX_ = std::clamp(scrollX_, 0, horizontal.MaxPosition());
    scrollY_ = std::clamp(scrollY_, 0, vertical.MaxPosition());
    SetScrollbar(wxVERTICAL, scrollY_, vertical.page, vertical.Visible() ? vertical.range + 1 : 0);
    SetScrollbar(wxHORIZONTAL, scrollX_, horizontal.page,
                 horizontal.Visible() ? horizontal.range + 1 : 0);
  }
  updatingScrollBars_ = false;
}

void DataGrid::ScrollTo(int x, int y) {
  const wxSize client = GetClientSize();
  const ScrollAxis vertical =
      GridScroll::Axis(client.y, model_.FixedRowsHeight(), model_.ContentHeight());
  const ScrollAxis horizontal =
      GridScroll::Axis(client.x, model_.FixedColumnsWidth(), model_.ContentWidth());
  x = std::clamp(x, 0, horizontal.MaxPosition());
  y = std::clamp(y, 0, vertical.MaxPosition());
  if (x == scrollX_ && y == scrollY_) return;
  if (IsEditing()) EndEdit();
  titleTip_->HideTip();
  scrollX_ = x;
  scrollY_ = y;
  SetScrollPos(wxHORIZONTAL, scrollX_);
  SetScrollPos(wxVERTICAL, scrollY_);
  Refresh();
}

int DataGrid::NextOffset(bool vertical, int offset, int direction) const {
  const int first = vertical ? model_.GetFixedRowCount() : model_.GetFixedColumnCount();
  const int count = vertical ? model_.GetRowCount() : model_.GetColumnCount();
  int boundary = 0;
  int previous = 0;
  for (int i = first; i < count; ++i) {
    if (direction > 0 && boundary > offset) return boundary;
    if (direction < 0 && boundary >= offset) return previous;
    previous = boundary;
    boundary += vertical ? model_.GetRowHeight(i) : model_.GetColumnWidth(i);
  }
  return direction > 0 ? boundary : previous;
}

int DataGrid::VisibleBodyRows() const {
  const int page = GetClientSize().y - model_.FixedRowsHeight();
  return std::max(1, page / std::max(1, model_.GetDefaultRowHeight()));
}

void DataGrid::OnScroll(wxScrollWinEvent& event) {
  const bool vertical = event.GetOrientation() == wxVERTICAL;
  const int position = vertical ? scrollY_ : scrollX_;
  const wxSize client = GetClientSize();
  const int page =
      vertical ? client.y - model_.FixedRowsHeight() : client.x - model_.FixedColumnsWidth();
  const wxEventType type = event.GetEventType();
  int target = position;
  if (type == wxEVT_SCROLLWIN_TOP) {
    target = 0;
  } else if (type == wxEVT_SCROLLWIN_BOTTOM) {
    target = vertical ? model_.ContentHeight() : model_.ContentWidth();
  } else if (type == wxEVT_SCROLLWIN_LINEUP) {
    target = NextOffset(vertical, position, -1);
  } else if (type == wxEVT_SCROLLWIN_LINEDOWN) {
    target = NextOffset(vertical, position, 1);
  } else if (type == wxEVT_SCROLLWIN_PAGEUP) {
    target = position - page;
  } else if (type == wxEVT_SCROLLWIN_PAGEDOWN) {
    target = position + page;
  } else {
    target = event.GetPosition();
  }
  if (vertical) {
    ScrollTo(scrollX_, target);
  } else {
    ScrollTo(target, scrollY_);
  }
}

void DataGrid::OnWheel(wxMouseEvent& event) {
  const bool vertical = event.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL;
  // Horizontal wheels report right as positive; the rule counts positive as "back".
  const int delta = vertical ? event.GetWheelRotation() : -event.GetWheelRotation();
  const WheelScroll scroll = GridScroll::Wheel(delta, wheelLines_);
  const wxSize client = GetClientSize();
  int position = vertical ? scrollY_ : scrollX_;
  const int page =
      vertical ? client.y - model_.FixedRowsHeight() : client.x - model_.FixedColumnsWidth();
  for (int i = 0; i < std::abs(scroll.steps); ++i) {
    const int direction = scroll.steps > 0 ? 1 : -1;
    position =
        scroll.byPage ? position + direction * page : NextOffset(vertical, position, direction);
  }
  if (vertical) {
    ScrollTo(scrollX_, position);
  } else {
    ScrollTo(position, scrollY_);
  }
}

wxRect DataGrid::CellRect(CellId cell) const {
  const PixelRect rect = GridLayout(model_, scrollX_, scrollY_).BlockRect(cell.row, cell.column);
  return wxRect(rect.x, rect.y, rect.width, rect.height);
}

void DataGrid::EnsureVisible(CellId cell) {
  if (!model_.IsValid(cell.row, cell.column)) return;
  const wxRect rect = CellRect(cell);
  const wxSize client = GetClientSize();
  int x = scrollX_;
  int y = scrollY_;
  if (!model_.IsFixed(cell.row, model_.GetFixedColumnCount())) {
    const int top = model_.FixedRowsHeight();
    if (rect.y < top) {
      y -= top - rect.y;
    } else if (rect.GetBottom() >= client.y) {
      y += std::min(rect.GetBottom() + 1 - client.y, rect.y - top);
    }
  }
  if (!model_.IsFixed(model_.GetFixedRowCount(), cell.column)) {
    const int left = model_.FixedColumnsWidth();
    if (rect.x < left) {
      x -= left - rect.x;
    } else if (rect.GetRight() >= client.x) {
      x += std::min(rect.GetRight() + 1 - client.x, rect.x - left);
    }
  }
  ScrollTo(x, y);
}

void DataGrid::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  GridDrawOptions options;
  options.font = font_;
  options.images = images_;
  GridRenderer(model_, options).Draw(dc, GetClientSize(), scrollX_, scrollY_);
}

void DataGrid::OnSize(wxSizeEvent& event) {
  UpdateScrollBars();
  Refresh();
  event.Skip();
}

void DataGrid::OnFocus(wxFocusEvent& event) {
  if (event.GetEventType() == wxEVT_KILL_FOCUS) titleTip_->HideTip();
  Refresh();
  event.Skip();
}

void DataGrid::SelectAt(CellId cell, const wxMouseEvent& event) {
  if (event.ControlDown()) {
    selection_.ToggleCell(cell);
  } else if (event.ShiftDown()) {
    selection_.ExtendTo(cell);
  } else {
    selection_.SelectCell(cell);
  }
}

void DataGrid::OnLeftDown(wxMouseEvent& event) {
  titleTip_->HideTip();
  if (IsEditing()) EndEdit();
  SetFocus();
  bool rows = false;
  const int edge = ResizeEdgeAt(event.GetPosition(), rows);
  if (edge >= 0) {
    edgeDrag_ = EdgeDrag{true, rows, edge, rows ? event.GetY() : event.GetX(),
                         rows ? model_.GetRowHeight(edge) : model_.GetColumnWidth(edge)};
    if (!HasCapture()) CaptureMouse();
    return;
  }
  const GridLayout layout(model_, scrollX_, scrollY_);
  const int row = layout.RowAt(event.GetY());
  const int column = layout.ColumnAt(event.GetX());
  if (row < 0 || column < 0) return;
  const bool fixedRow = row < model_.GetFixedRowCount();
  const bool fixedColumn = column < model_.GetFixedColumnCount();
  if (fixedRow && fixedColumn) {
    selection_.SelectAll();
    dragKind_ = DragKind::kCells;
  } else if (fixedRow) {
    if (!event.ShiftDown() || dragKind_ != DragKind::kColumns) dragAnchor_ = column;
    selection_.SelectColumns(dragAnchor_, column);
    dragKind_ = DragKind::kColumns;
  } else if (fixedColumn) {
    if (!event.ShiftDown() || dragKind_ != DragKind::kRows) dragAnchor_ = row;
    selection_.SelectRows(dragAnchor_, row);
    dragKind_ = DragKind::kRows;
  } else {
    SelectAt(model_.OwnerOf(row, column), event);
    dragKind_ = DragKind::kCells;
  }
  dragging_ = true;
  if (!HasCapture()) CaptureMouse();
  Refresh();
}

void DataGrid::OnLeftUp(wxMouseEvent&) {
  dragging_ = false;
  edgeDrag_.active = false;
  if (HasCapture()) ReleaseMouse();
}

void DataGrid::OnCaptureLost(wxMouseCaptureLostEvent&) {
  dragging_ = false;
  edgeDrag_.active = false;
}

int DataGrid::ResizeEdgeAt(const wxPoint& position, bool& rows) const {
  constexpr int kTolerance = 3;
  const GridLayout layout(model_, scrollX_, scrollY_);
  if (columnResize_ && position.y < model_.FixedRowsHeight()) {
    rows = false;
    return layout.ColumnEdgeAt(position.x, kTolerance);
  }
  if (rowResize_ && position.x < model_.FixedColumnsWidth()) {
    rows = true;
    return layout.RowEdgeAt(position.y, kTolerance);
  }
  return -1;
}

void DataGrid::UpdateResizeCursor(const wxPoint& position) {
  bool rows = false;
  const bool onEdge = ResizeEdgeAt(position, rows) >= 0;
  SetCursor(onEdge ? wxCursor(rows ? wxCURSOR_SIZENS : wxCURSOR_SIZEWE) : wxNullCursor);
}

void DataGrid::OnLeftDClick(wxMouseEvent& event) {
  const CellId cell = GridLayout(model_, scrollX_, scrollY_).HitTest(event.GetX(), event.GetY());
  if (cell.IsValid() && !model_.IsFixed(cell.row, cell.column)) {
    StartEdit(cell, EditStartKind::kMouse);
  }
}

void DataGrid::OnMotion(wxMouseEvent& event) {
  if (edgeDrag_.active && event.LeftIsDown()) {
    const int moved = (edgeDrag_.rows ? event.GetY() : event.GetX()) - edgeDrag_.startPointer;
    const int size = std::max(0, edgeDrag_.startSize + moved);
    if (edgeDrag_.rows) {
      model_.SetRowHeight(edgeDrag_.index, size);
    } else {
      model_.SetColumnWidth(edgeDrag_.index, size);
    }
    ModelChanged();
    return;
  }
  if (!dragging_ || !event.LeftIsDown()) {
    UpdateResizeCursor(event.GetPosition());
    UpdateTitleTip(event.GetPosition());
    return;
  }
  const GridLayout layout(model_, scrollX_, scrollY_);
  const int row = layout.RowAt(event.GetY());
  const int column = layout.ColumnAt(event.GetX());
  if (dragKind_ == DragKind::kRows && row >= model_.GetFixedRowCount()) {
    selection_.SelectRows(dragAnchor_, row);
  } else if (dragKind_ == DragKind::kColumns && column >= model_.GetFixedColumnCount()) {
    selection_.SelectColumns(dragAnchor_, column);
  } else if (dragKind_ == DragKind::kCells && row >= 0 && column >= 0 &&
             !model_.IsFixed(row, column) && model_.FocusCell() != model_.OwnerOf(row, column)) {
    selection_.ExtendTo(model_.OwnerOf(row, column));
  } else {
    return;
  }
  Refresh();
}

void DataGrid::UpdateTitleTip(const wxPoint& position) {
  if (!titleTips_ || IsEditing() || !wxTheApp->IsActive()) return;
  const CellId cell = GridLayout(model_, scrollX_, scrollY_).HitTest(position.x, position.y);
  const GridCell* data = model_.Cell(cell.row, cell.column);
  if (!data || data->text.empty()) {
    titleTip_->HideTip();
    return;
  }
  const wxRect rect = CellRect(cell);
  const bool fixed = model_.IsFixed(cell.row, cell.column);
  const wxFont font = fixed ? GridRenderer::FixedFont(font_) : font_;
  const wxString text = to_wx(data->text);
  wxClientDC dc(this);
  dc.SetFont(font);
  const int needed =
      dc.GetTextExtent(text).x + 2 * (GridRenderer::kTextPadding + model_.GetCellMargin()) + 1;
  if (needed <= rect.width) {
    titleTip_->HideTip();
    return;
  }
  if (titleTip_->IsShownTip() && titleTip_->CellRect() != rect) titleTip_->HideTip();
  const GridColours& colours = model_.Colours();
  const Rgb textColour = data->textColour ? *data->textColour
                         : fixed          ? colours.fixedText
                                          : colours.cellText;
  const Rgb backColour = data->backColour ? *data->backColour
                         : fixed          ? colours.fixedBack
                                          : colours.cellBack;
  titleTip_->ShowTip(rect, text, font, GridColourToWx(textColour), GridColourToWx(backColour));
}

void DataGrid::OnRightDown(wxMouseEvent& event) {
  titleTip_->HideTip();
  if (IsEditing()) EndEdit();
  if (RowMenuRow() < 0) return;
  wxMenu menu;
  menu.Append(kIdDeleteRow, wxString::FromUTF8(u8"删除行(&D)"));
  menu.Append(kIdInsertRow, wxString::FromUTF8(u8"插入行(&I)"));
  menuPresenter_(menu, event.GetPosition());
}

void DataGrid::MoveFocus(int rows, int columns, bool extend) {
  const CellId next = selection_.Step(model_.FocusCell(), rows, columns);
  if (!next.IsValid()) return;
  if (extend) {
    selection_.ExtendTo(next);
  } else {
    selection_.SelectCell(next);
  }
  EnsureVisible(next);
  Refresh();
}

void DataGrid::OnKeyDown(wxKeyEvent& event) {
  titleTip_->HideTip();
  if (IsEditing()) {
    event.Skip();
    return;
  }
  const int key = event.GetKeyCode();
  const bool shift = event.ShiftDown();
  const bool ctrl = event.ControlDown();
  if (ctrl && (key == 'C' || key == WXK_INSERT)) return Copy();
  if (ctrl && key == 'X') return Cut();
  if (ctrl && key == 'V') return Paste();
  if (ctrl && key == 'A') return SelectAll();
  if (shift && key == WXK_INSERT) return Paste();
  if (shift && key == WXK_DELETE) return Cut();
  const CellId focus = model_.FocusCell();
  switch (key) {
    case WXK_UP:
    case WXK_NUMPAD_UP:
      return MoveFocus(-1, 0, shift);
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
      return MoveFocus(1, 0, shift);
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
      return MoveFocus(0, -1, shift);
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
      return MoveFocus(0, 1, shift);
    case WXK_PAGEUP:
      return MoveFocus(-VisibleBodyRows(), 0, shift);
    case WXK_PAGEDOWN:
      return MoveFocus(VisibleBodyRows(), 0, shift);
    case WXK_HOME:
      return ctrl ? MoveFocus(-kToEdge, -kToEdge, shift) : MoveFocus(0, -kToEdge, shift);
    case WXK_END:
      return ctrl ? MoveFocus(kToEdge, kToEdge, shift) : MoveFocus(0, kToEdge, shift);
    case WXK_TAB:
      if (ctrl) {
        // Ctrl+Tab leaves the grid for the next control.
        Navigate(shift ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
        return;
      }
      return MoveFocus(0, shift ? -1 : 1, false);
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
    case WXK_F2:
      StartEdit(focus, EditStartKind::kEnter);
      return;
    case WXK_BACK:
      StartEdit(focus, EditStartKind::kBackspace);
      return;
    case WXK_DELETE:
      if (editable_) {
        GridClipboard::ClearSelected(model_, ClipboardCallbacks());
        Refresh();
      }
      return;
    default:
      break;
  }
  event.Skip();
}

void DataGrid::OnChar(wxKeyEvent& event) {
  const wxChar typed = event.GetUnicodeKey();
  if (IsEditing() || typed == WXK_NONE || typed < 32 || typed == 127 || event.ControlDown() ||
      event.AltDown()) {
    event.Skip();
    return;
  }
  const CellId focus = model_.FocusCell();
  if (typed == ' ') {
    StartEdit(focus, EditStartKind::kNavigation);
  } else {
    StartEdit(focus, EditStartKind::kCharacter, wxString(typed));
  }
}

bool DataGrid::StartEdit(CellId cell, EditStartKind kind, const wxString& typed) {
  return editing_.Start(cell, kind, typed);
}

void DataGrid::EndEdit() { editing_.End(); }

void DataGrid::EditEnded(CellId cell, const std::string& text, int key) {
  if (key != 0) SetFocus();
  SendEditEvent(EVT_GRID_END_EDIT, GridEditEvent::kEndLabelEdit, cell.row, cell.column, text, key);
  const bool shift = wxGetKeyState(WXK_SHIFT);
  switch (key) {
    case WXK_TAB:
      MoveFocus(0, shift ? -1 : 1, false);
      break;
    case WXK_UP:
    case WXK_NUMPAD_UP:
      MoveFocus(-1, 0, false);
      break;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
      MoveFocus(1, 0, false);
      break;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
      MoveFocus(0, -1, false);
      break;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
      MoveFocus(0, 1, false);
      break;
    case WXK_PAGEUP:
      MoveFocus(-VisibleBodyRows(), 0, false);
      break;
    case WXK_PAGEDOWN:
      MoveFocus(VisibleBodyRows(), 0, false);
      break;
    default:
      break;
  }
  Refresh();
}

void DataGrid::SendEditEvent(const wxEventType& type, int code, int row, int column,
                             const std::string& text, int key) {
  GridEditEvent event(type, GetId());
  event.SetEventObject(this);
  event.SetInt(code);
  event.code = code;
  event.row = row;
  event.column = column;
  event.text = text;
  event.key = key;
  GetEventHandler()->ProcessEvent(event);
}

GridEditCallbacks DataGrid::ClipboardCallbacks() {
  return {[this](int row, int column) {
            SendEditEvent(EVT_GRID_BEGIN_EDIT, GridEditEvent::kBeginLabelEdit, row, column,
                          model_.GetCellText(row, column), 0);
          },
          [this](int row, int column, const std::string& text) {
            SendEditEvent(EVT_GRID_END_EDIT, GridEditEvent::kEndLabelEdit, row, column, text, 0);
          }};
}

void DataGrid::Copy() {
  const std::string text = GridClipboard::CopyText(model_);
  if (text.empty()) return;
  wxClipboardLocker lock;
  if (!lock) return;
  wxTheClipboard->SetData(new wxTextDataObject(to_wx(text)));
}

void DataGrid::Cut() {
  if (!editable_ || !model_.SelectedRange().IsValid()) return;
  Copy();
  GridClipboard::ClearSelected(model_, ClipboardCallbacks());
  Refresh();
}

void DataGrid::Paste() {
  if (!editable_ || !model_.FocusCell().IsValid()) return;
  wxString text;
  {
    wxClipboardLocker lock;
    if (!lock || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return;
    wxTextDataObject data;
    if (!wxTheClipboard->GetData(data)) return;
    text = data.GetText();
  }
  GridClipboard::Paste(model_, from_wx(text), ClipboardCallbacks());
  Refresh();
}

void DataGrid::SelectAll() {
  selection_.SelectAll();
  Refresh();
}

void DataGrid::DeleteRowOfSelection() {
  const int row = RowMenuRow();
  if (row < model_.GetFixedRowCount()) return;
  const int column = model_.SelectedRange().minColumn;
  if (IsEditing()) EndEdit();
  model_.DeleteRow(row);
  // Keep a cell of the same row selected so that the command can be repeated.
  if (row < model_.GetRowCount()) selection_.SelectCell(CellId{row, column});
  ModelChanged();
}

void DataGrid::InsertRowBeforeSelection() {
  const int row = RowMenuRow();
  if (row < model_.GetFixedRowCount()) return;
  const int column = model_.SelectedRange().minColumn;
  if (IsEditing()) EndEdit();
  const int height = model_.GetRowHeight(row);
  model_.InsertRow(std::string(), row);
  model_.SetRowHeight(row, height);
  selection_.SelectCell(CellId{row, column});
  ModelChanged();
}

void DataGrid::OnMenuCommand(wxCommandEvent& event) {
  switch (event.GetId()) {
    case kIdDeleteRow:
      DeleteRowOfSelection();
      break;
    case kIdInsertRow:
      InsertRowBeforeSelection();
      break;
    case wxID_COPY:
      Copy();
      break;
    case wxID_CUT:
      Cut();
      break;
    case wxID_PASTE:
      Paste();
      break;
    case wxID_SELECTALL:
      SelectAll();
      break;
    default:
      event.Skip();
  }
}

void DataGrid::OnUpdateCommand(wxUpdateUIEvent& event) {
  const bool selected = model_.SelectedRange().IsValid();
  switch (event.GetId()) {
    case kIdDeleteRow:
    case kIdInsertRow:
      event.Enable(RowMenuRow() >= model_.GetFixedRowCount());
      break;
    case wxID_COPY:
      event.Enable(selected);
      break;
    case wxID_CUT:
      event.Enable(selected && editable_);
      break;
    case wxID_PASTE:
      event.Enable(editable_ && model_.FocusCell().IsValid());
      break;
    case wxID_SELECTALL:
      event.Enable(model_.GetRowCount() > model_.GetFixedRowCount() &&
                   model_.GetColumnCount() > model_.GetFixedColumnCount());
      break;
    default:
      event.Skip();
  }
}

}  // namespace tablora
