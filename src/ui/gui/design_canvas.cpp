#include "ui/gui/design_canvas.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/utils.h>

#include "base/gui/scroll_bar_size.h"
#include "base/gui/wx_text.h"
#include "ui/grid_layout.h"
#include "ui/gui/grid_renderer.h"
#include "ui/gui/relation_painter.h"
#include "ui/gui/title_tip.h"

namespace tablora {

namespace {
/// Pixels of window drawings kept (4 bytes each): about 200 MB.
constexpr long long kCachePixelBudget = 50'000'000;
constexpr int kGrowthMargin = 20;
/// How near the pointer must come to a line to hover it, in pixels.
constexpr int kLineGrip = 4;

/// a / b rounded towards minus infinity (b > 0).
long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

wxCursor CursorFor(SurfaceZone zone) {
  switch (zone) {
    case SurfaceZone::kLeft:
    case SurfaceZone::kRight:
      return wxCursor(wxCURSOR_SIZEWE);
    case SurfaceZone::kTop:
    case SurfaceZone::kBottom:
      return wxCursor(wxCURSOR_SIZENS);
    case SurfaceZone::kTopLeft:
    case SurfaceZone::kBottomRight:
      return wxCursor(wxCURSOR_SIZENWSE);
    case SurfaceZone::kTopRight:
    case SurfaceZone::kBottomLeft:
      return wxCursor(wxCURSOR_SIZENESW);
    default:
      return wxCursor(wxCURSOR_ARROW);
  }
}
}  // namespace

const std::vector<DesignCanvas::WelcomeLine>& DesignCanvas::WelcomeLines() {
  static const std::vector<WelcomeLine> lines = {
      {10, 10, u8"名称：Tablora(Tablora)"},
      {10, 40, u8"版本：1.5 版"},
      {10, 70, u8"用途："},
      {50, 100, u8"让你设计和维护数据库变的轻松!"},
      {50, 130, u8"让你用图形化的界面来设计数据库!"},
      {50, 160, u8"让你能根据已有的数据库产生相关的文档!"},
      {50, 190, u8"让你能根据已有的数据库产生相关的代码片断!"},
      {50, 220, u8"支持MS SQLServer, MS Access, Oracle(SQLServer转Oracle)"},
      {10, 250, u8"使用本软件前请仔细阅读使用说明!请选择 帮助(H)-->使用说明文档(B)"},
      {10, 280, u8" ( ^ 0 ^ )"},
      {10, 310, u8"祝你设计成功!!"},
  };
  return lines;
}

void DesignCanvas::DrawWelcome(wxDC& dc) {
  dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  dc.SetTextForeground(*wxBLACK);
  for (const WelcomeLine& line : WelcomeLines()) {
    dc.DrawText(wxString::FromUTF8(line.text), line.x, line.y);
  }
}

DesignCanvas::DesignCanvas(wxWindow* parent, AppState& state, DesignSource design)
    : wxScrolledCanvas(parent, wxID_ANY, wxDefaultPosition, scroll_bars::StartSize(),
                       wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      state_(state),
      design_(std::move(design)),
      painter_(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT)),
      measureBitmap_(1, 1),
      showRelations_(state.settings.showRelations) {
  SetBackgroundColour(*wxWHITE);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetScrollRate(10, 10);
  SetVirtualSize(scrollWidth_, scrollHeight_);
  measureDc_.SelectObject(measureBitmap_);
  measurer_ = std::make_unique<CachedTextMeasurer>(measureDc_, painter_.font());
  titleTip_ = new TitleTip(this);
  Bind(wxEVT_PAINT, &DesignCanvas::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &DesignCanvas::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &DesignCanvas::OnLeftUp, this);
  Bind(wxEVT_LEFT_DCLICK, &DesignCanvas::OnLeftDClick, this);
  Bind(wxEVT_RIGHT_DOWN, &DesignCanvas::OnRightDown, this);
  Bind(wxEVT_MOTION, &DesignCanvas::OnMotion, this);
  Bind(wxEVT_MOUSEWHEEL, &DesignCanvas::OnWheel, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &DesignCanvas::OnCaptureLost, this);
  Bind(wxEVT_KEY_DOWN, &DesignCanvas::OnKeyDown, this);
  Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& event) {
    if (titleTip_ && !titleTip_->GetScreenRect().Contains(ClientToScreen(event.GetPosition()))) {
      titleTip_->HideTip();
    }
    event.Skip();
  });
}

DesignCanvas::~DesignCanvas() { measureDc_.SelectObject(wxNullBitmap); }

TableSurface* DesignCanvas::surface() {
  Design* design = design_ ? design_() : nullptr;
  if (design != surfaceDesign_) {
    surfaceDesign_ = design;
    surface_ = design != nullptr ? std::make_unique<TableSurface>(*design) : nullptr;
    if (surface_) surface_->SetEdgeGrip(EdgeGrip());
    cache_.clear();
    cachedPixels_ = 0;
    relationsDirty_ = true;
    hoverLine_ = -1;
    selected_ = -1;
  }
  if (surface_) surface_->Sync();
  return surface_.get();
}

void DesignCanvas::RefreshDesign() {
  surface();
  relationsDirty_ = true;
  UpdateVirtualSize();
  Refresh();
}

void DesignCanvas::TableChanged(int index) {
  if (TableSurface* s = surface()) s->MarkContentDirty(index);
  relationsDirty_ = true;
  Refresh();
}

void DesignCanvas::DesignCleared() {
  selected_ = -1;
  surface_.reset();
  surfaceDesign_ = nullptr;
  cache_.clear();
  cachedPixels_ = 0;
  relationsDirty_ = true;
  relations_.SetRelations({});
  hoverLine_ = -1;
  selected_ = -1;
  UnsetToolTip();
  Refresh();
}

void DesignCanvas::TableRemoved(int index) {
  if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
  titleTip_->HideTip();
  found_.clear();
  together_.TableRemoved(index);
  // The drawings are kept by table index: they are made again as windows are shown.
  cache_.clear();
  cachedPixels_ = 0;
  relationsDirty_ = true;
  hoverLine_ = -1;
  if (surface_ != nullptr && surfaceDesign_ != nullptr) surface_->TableRemoved(index);
  Refresh();
}

void DesignCanvas::TableInserted(int index) {
  if (selected_ >= index) ++selected_;
  found_.clear();
  together_.TableInserted(index);
  titleTip_->HideTip();
  cache_.clear();
  cachedPixels_ = 0;
  if (surface_ != nullptr && surfaceDesign_ != nullptr) surface_->TableInserted(index);
  UpdateVirtualSize();
  Refresh();
}

void DesignCanvas::TableWindowSet(int index) {
  if (surface_ != nullptr && surfaceDesign_ != nullptr) surface_->WindowSet(index);
  UpdateVirtualSize();
  Refresh();
}

std::vector<int> DesignCanvas::TablesWith(int table) const {
  if (together_.Several() && together_.Contains(table)) return together_.tables();
  return {table};
}

void DesignCanvas::OnKeyDown(wxKeyEvent& event) {
  TableSurface* s = surface();
  if (event.GetKeyCode() == 'A' && event.GetModifiers() == wxMOD_CONTROL && s != nullptr) {
    together_.SelectAll(s->Count());
    Refresh();
    return;
  }
  // After a band no window is clicked: the first of those selected stands for them all.
  const int table = selected_ >= 0 || !together_.Several() ? selected_ : together_.tables().front();
  if (event.GetKeyCode() == WXK_DELETE && event.GetModifiers() == wxMOD_NONE && s != nullptr &&
      table >= 0 && table < s->Count() && target_ != nullptr &&
      target_->IsTableCommandEnabled(table_cmd::kRemoveTable, table)) {
    target_->RunTableCommand(table_cmd::kRemoveTable, table);
    return;
  }
  event.Skip();
}

void DesignCanvas::Restyle(int index) {
  TableSurface* s = surface();
  if (s == nullptr) return;
  if (index < 0) {
    s->MarkAllContentDirty();
  } else {
    s->MarkContentDirty(index);
  }
  Refresh();
}

void DesignCanvas::SetScrollHeight(int totalHeight) {
  scrollHeight_ = totalHeight;
  scrollWidth_ = 10000;
  // An open grows the height once per row of tables: the scroll bars follow once, after.
  if (sizePending_) return;
  sizePending_ = true;
  CallAfter([this] {
    sizePending_ = false;
    UpdateVirtualSize();
  });
}

void DesignCanvas::UpdateVirtualSize() {
  int width = scrollWidth_;
  int height = scrollHeight_;
  if (surface_) {
    width = std::max(width, surface_->Right() + kGrowthMargin);
    height = std::max(height, surface_->Bottom() + kGrowthMargin);
  }
  const wxSize size(Scaled(width), Scaled(height));
  if (GetVirtualSize() != size) SetVirtualSize(size);
}

int DesignCanvas::Scaled(int value) const {
  return static_cast<int>(FloorDiv(static_cast<long long>(value) * zoom_, 100));
}

PixelRect DesignCanvas::ScaledRect(const PixelRect& rect) const {
  const int x = Scaled(rect.x);
  const int y = Scaled(rect.y);
  return {x, y, Scaled(rect.right()) - x, Scaled(rect.bottom()) - y};
}

int DesignCanvas::EdgeGrip() const {
  // The frame's grip stays as wide on the screen at a small scale.
  return static_cast<int>(std::max<long long>(
      TableSurface::kEdgeGrip, FloorDiv(TableSurface::kEdgeGrip * 100LL + zoom_ - 1, zoom_)));
}

wxPoint DesignCanvas::ToSurface(const wxPoint& client) const {
  const wxPoint p = CalcUnscrolledPosition(client);
  if (zoom_ == ZoomLevels::kActual) return p;
  return wxPoint(static_cast<int>(FloorDiv(p.x * 100LL, zoom_)),
                 static_cast<int>(FloorDiv(p.y * 100LL, zoom_)));
}

wxPoint DesignCanvas::ToClient(const wxPoint& surfacePoint) const {
  return CalcScrolledPosition(wxPoint(Scaled(surfacePoint.x), Scaled(surfacePoint.y)));
}

void DesignCanvas::SetZoom(int percent, wxPoint anchor) {
  percent = ZoomLevels::Clamp(percent);
  if (percent == zoom_) return;
  const wxSize client = GetClientSize();
  if (anchor == wxDefaultPosition) anchor = wxPoint(client.x / 2, client.y / 2);
  const wxPoint kept = ToSurface(anchor);
  zoom_ = percent;
  cache_.clear();
  cachedPixels_ = 0;
  if (surface_) surface_->SetEdgeGrip(EdgeGrip());
  titleTip_->HideTip();
  UpdateVirtualSize();
  int unitX = 1;
  int unitY = 1;
  GetScrollPixelsPerUnit(&unitX, &unitY);
  Scroll(std::max(0, Scaled(kept.x) - anchor.x) / std::max(unitX, 1),
         std::max(0, Scaled(kept.y) - anchor.y) / std::max(unitY, 1));
  Refresh();
}

void DesignCanvas::ZoomToFit() {
  TableSurface* s = surface();
  if (s == nullptr || ShowsWelcome()) return;
  const wxSize client = GetClientSize();
  SetZoom(
      ZoomLevels::Fit(s->Right() + kGrowthMargin, s->Bottom() + kGrowthMargin, client.x, client.y));
  Scroll(0, 0);
}

void DesignCanvas::ToggleWholeBox(int table) {
  TableSurface* s = surface();
  if (s == nullptr || table < 0 || table >= s->Count()) return;
  const PixelRect before = s->Rect(table);
  s->ToggleWholeBox(table, state_.settings, *measurer_);
  s->BringToTop(table);
  RefreshSurfaceRect(before);
  RefreshSurfaceRect(s->Rect(table));
  UpdateVirtualSize();
  if (showRelations_) Refresh();  // the lines follow the window's new size
}

PixelRect DesignCanvas::VisibleArea() const {
  const wxPoint origin = ToSurface(wxPoint(0, 0));
  const wxSize size = GetClientSize();
  const wxPoint end = ToSurface(wxPoint(size.x, size.y));
  return {origin.x, origin.y, end.x - origin.x + 1, end.y - origin.y + 1};
}

void DesignCanvas::RefreshSurfaceRect(const PixelRect& rect) {
  const PixelRect scaled = ScaledRect(rect);
  const wxPoint at = CalcScrolledPosition(wxPoint(scaled.x, scaled.y));
  RefreshRect(wxRect(at.x, at.y, scaled.width + 2, scaled.height + 2), false);
}

const wxBitmap& DesignCanvas::WindowBitmap(int table) {
  const SurfaceWindow& window = surface_->Window(table);
  CachedDrawing& cached = cache_[table];
  const PixelRect rect = ScaledRect(surface_->Rect(table));
  if (cached.bitmap.IsOk() && cached.generation == window.generation && cached.zoom == zoom_ &&
      cached.bitmap.GetWidth() == std::max(rect.width, 1) &&
      cached.bitmap.GetHeight() == std::max(rect.height, 1)) {
    return cached.bitmap;
  }
  if (cached.bitmap.IsOk()) {
    cachedPixels_ -= static_cast<long long>(cached.bitmap.GetWidth()) * cached.bitmap.GetHeight();
  }
  cached.bitmap = wxBitmap(std::max(rect.width, 1), std::max(rect.height, 1));
  cachedPixels_ += static_cast<long long>(cached.bitmap.GetWidth()) * cached.bitmap.GetHeight();
  {
    wxMemoryDC dc(cached.bitmap);
    if (zoom_ == ZoomLevels::kActual) {
      painter_.Draw(dc, *surface_, table, 0, 0);
    } else {
      // Drawn at the scale with the layout's text widths, so that no line loses its end.
      dc.SetUserScale(zoom_ / 100.0, zoom_ / 100.0);
      TableWindowPainter(painter_.font(), false, measurer_.get()).Draw(dc, *surface_, table, 0, 0);
    }
  }
  cached.generation = window.generation;
  cached.zoom = zoom_;
  ++drawCount_;
  return cached.bitmap;
}

void DesignCanvas::DoSetSize(int x, int y, int width, int height, int sizeFlags) {
  // The document frame fits its only child to its own size before GTK has given it one.
  wxScrolledCanvas::DoSetSize(x, y, scroll_bars::SizeSide(width), scroll_bars::SizeSide(height),
                              sizeFlags);
}

void DesignCanvas::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  DoPrepareDC(dc);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  if (ShowsWelcome()) {
    const wxSize ppi = dc.GetPPI();
    dc.SetUserScale(ppi.x > 0 ? ppi.x / 96.0 : 1.0, ppi.y > 0 ? ppi.y / 96.0 : 1.0);
    DrawWelcome(dc);
    return;
  }
  if (surface() == nullptr) return;
  const PixelRect area = VisibleArea();
  // Every window is measured before any is drawn (a window that grows moves its
  // neighbours); the cells are made for the windows in sight.
  if (surface_->PrepareAll(state_.settings, *measurer_, &area)) {
    UpdateVirtualSize();
    Refresh();  // a fitted window may reach beyond this paint's region
  }
  const wxRect box = GetUpdateRegion().GetBox();
  const wxPoint at = ToSurface(box.GetTopLeft());
  const wxPoint end = ToSurface(box.GetBottomRight());
  const PixelRect update =
      box.IsEmpty() ? area : PixelRect{at.x, at.y, end.x - at.x + 2, end.y - at.y + 2};
  if (showRelations_ && UpdateRelations(surface_->mode() != TableSurface::Mode::kIdle
                                             ? surface_->dragTable()
                                             : -1)) {
    Refresh();  // lines moved outside this paint's region too
  }
  // Lines under the windows: where no free way exists a line passes behind them.
  if (showRelations_) DrawRelations(dc, update);
  const std::vector<int> visible = surface_->VisibleIn(update);
  for (int table : visible) {
    const PixelRect rect = ScaledRect(surface_->Rect(table));
    dc.DrawBitmap(WindowBitmap(table), rect.x, rect.y);
    if (!found_.empty() && std::binary_search(found_.begin(), found_.end(), table)) {
      // A frame around the window: orange for a match, red for the one shown.
      dc.SetPen(wxPen(table == currentFound_ ? wxColour(230, 0, 0) : wxColour(255, 150, 0), 3));
      dc.SetBrush(*wxTRANSPARENT_BRUSH);
      dc.DrawRectangle(rect.x - 2, rect.y - 2, rect.width + 4, rect.height + 4);
    }
    if (together_.Several() && together_.Contains(table)) {
      dc.SetPen(wxPen(wxColour(0, 90, 220), 2));
      dc.SetBrush(*wxTRANSPARENT_BRUSH);
      dc.DrawRectangle(rect.x - 1, rect.y - 1, rect.width + 2, rect.height + 2);
    }
  }
  if (together_.banding()) {
    const PixelRect band = together_.Band();
    dc.SetPen(wxPen(wxColour(0, 90, 220), 1, wxPENSTYLE_SHORT_DASH));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(band.x, band.y, band.width, band.height);
  }
  if (showRelations_ && selected_ >= 0 && selected_ < surface_->Count()) {
    std::vector<bool> partner(surface_->Count(), false);
    for (const RelationLines::Line& line : relations_.lines()) {
      if (line.relation.child == selected_) partner[line.relation.parent] = true;
      if (line.relation.parent == selected_) partner[line.relation.child] = true;
    }
    partner[selected_] = false;
    for (int table : surface_->VisibleIn({update.x - 3, update.y - 3, update.width + 6,
                                          update.height + 6})) {
      if (partner[table]) RelationPainter::DrawPartnerFrame(dc, ScaledRect(surface_->Rect(table)));
    }
  }
  if (cachedPixels_ > kCachePixelBudget) {
    // Keep only what was just drawn.
    std::unordered_map<int, CachedDrawing> kept;
    cachedPixels_ = 0;
    for (int table : visible) {
      auto it = cache_.find(table);
      if (it == cache_.end()) continue;
      cachedPixels_ +=
          static_cast<long long>(it->second.bitmap.GetWidth()) * it->second.bitmap.GetHeight();
      kept.emplace(table, std::move(it->second));
    }
    cache_ = std::move(kept);
  }
}

void DesignCanvas::OnLeftDown(wxMouseEvent& event) {
  SetFocus();
  titleTip_->HideTip();
  TableSurface* s = surface();
  if (s == nullptr || ShowsWelcome()) return;
  const wxPoint p = ToSurface(event.GetPosition());
  if (event.ControlDown() || wxGetKeyState(WXK_CONTROL)) {
    // Ctrl+click adds a window to those selected together, or takes it out.
    const SurfaceHit at = s->HitTest(p.x, p.y);
    if (at.table >= 0) {
      together_.Toggle(at.table, selected_);
      selected_ = at.table;
      Refresh();
      return;
    }
  }
  const SurfaceHit hit = s->Press(p.x, p.y);
  SetSelected(hit.table);
  if (hit.table < 0) {
    // On the empty surface a band selects the windows it touches.
    together_.StartBand(p.x, p.y);
    if (!HasCapture()) CaptureMouse();
    Refresh();
    return;
  }
  if (!together_.Contains(hit.table)) together_.Clear();
  if (s->mode() == TableSurface::Mode::kMoving) together_.StartMove(*s, hit.table);
  RefreshSurfaceRect(s->Rect(hit.table));
  if (s->mode() != TableSurface::Mode::kIdle && !HasCapture()) CaptureMouse();
}

void DesignCanvas::OnLeftUp(wxMouseEvent& event) {
  const bool dragged = surface_ && surface_->mode() != TableSurface::Mode::kIdle;
  if (surface_ && together_.banding()) {
    together_.EndBand(*surface_, event.ControlDown());
    Refresh();
  } else if (surface_ && together_.moving() && surfaceDesign_ != nullptr) {
    // The windows that went along are moved in the same step as the one dragged.
    const std::vector<int> carried = together_.EndMove(*surface_);
    surfaceDesign_->BeginChanges(
        from_wx(wxString::Format(wxString::FromUTF8(u8"移动 %d 个表"),
                                       static_cast<int>(carried.size()) + 1)));
    surface_->Release();
    for (int table : carried) surfaceDesign_->TableWindowChanged(table);
    surfaceDesign_->EndChanges();
  }
  if (surface_) surface_->Release();
  if (HasCapture()) ReleaseMouse();
  UpdateVirtualSize();
  // A large design routes only the dragged window's lines while it moves: all of them now.
  if (dragged && showRelations_ && UpdateRelations()) Refresh();
}

void DesignCanvas::OnCaptureLost(wxMouseCaptureLostEvent&) {
  if (surface_) surface_->Release();
}

void DesignCanvas::OnLeftDClick(wxMouseEvent& event) {
  TableSurface* s = surface();
  if (s == nullptr || ShowsWelcome()) return;
  const wxPoint p = ToSurface(event.GetPosition());
  const SurfaceHit hit = s->HitTest(p.x, p.y);
  if (hit.table >= 0 && hit.zone == SurfaceZone::kClient) ToggleWholeBox(hit.table);
  if (hit.table >= 0 || !showRelations_) return;
  UpdateRelations();
  const int line = relations_.HitTest(p.x, p.y, kLineGrip);
  if (line < 0 || !openColumn_) return;
  const Relation& relation = relations_.lines()[line].relation;
  openColumn_(relation.child, relation.childColumns.empty() ? 0 : relation.childColumns.front());
}

std::unique_ptr<wxMenu> DesignCanvas::BuildTableMenu(int table) const {
  auto menu = std::make_unique<wxMenu>();
  for (const TableCommand& command : TableMenuCommands()) {
    wxMenuItem* item =
        menu->Append(command.id - kMenuIdBase, wxString::FromUTF8(command.captionUtf8));
    item->Enable(target_ != nullptr && target_->IsTableCommandEnabled(command.id, table));
    if (command.separatorAfter) menu->AppendSeparator();
  }
  return menu;
}

void DesignCanvas::OnRightDown(wxMouseEvent& event) {
  titleTip_->HideTip();
  TableSurface* s = surface();
  if (s == nullptr || ShowsWelcome()) return;
  const wxPoint p = ToSurface(event.GetPosition());
  const SurfaceHit hit = s->HitTest(p.x, p.y);
  if (hit.table < 0) return;
  SetSelected(hit.table);
  std::unique_ptr<wxMenu> menu = BuildTableMenu(hit.table);
  const int chosen = GetPopupMenuSelectionFromUser(*menu, event.GetPosition());
  if (chosen != wxID_NONE && target_ != nullptr) {
    const int id = chosen + kMenuIdBase;
    if (target_->IsTableCommandEnabled(id, hit.table)) target_->RunTableCommand(id, hit.table);
  }
}

void DesignCanvas::OnMotion(wxMouseEvent& event) {
  TableSurface* s = surface_.get();
  if (s == nullptr || ShowsWelcome()) return;
  const wxPoint p = ToSurface(event.GetPosition());
  if (event.LeftIsDown() && together_.banding()) {
    together_.DragBand(p.x, p.y);
    Refresh();
    return;
  }
  if (event.LeftIsDown() && s->mode() != TableSurface::Mode::kIdle) {
    for (const PixelRect& rect : s->Drag(p.x, p.y)) RefreshSurfaceRect(rect);
    for (const PixelRect& rect : together_.FollowMove(*s)) RefreshSurfaceRect(rect);
    // The lines follow the window: those that moved are repainted where they were and are.
    if (showRelations_) {
      std::vector<PixelRect> boxes;
      for (const RelationLines::Line& line : relations_.lines()) boxes.push_back(line.box);
      const std::vector<RelationLines::Line> before = relations_.lines();
      if (UpdateRelations(s->dragTable())) {
        const auto& after = relations_.lines();
        for (std::size_t i = 0; i < after.size(); ++i) {
          if (i < before.size() && before[i].route.path == after[i].route.path) continue;
          if (i < boxes.size()) RefreshSurfaceRect(boxes[i]);
          RefreshSurfaceRect(after[i].box);
        }
      }
    }
    return;
  }
  UpdateHover(p);
}

void DesignCanvas::UpdateHover(const wxPoint& p) {
  const SurfaceHit hit = surface_->HitTest(p.x, p.y);
  SetCursor(CursorFor(hit.zone));
  SetHoverLine(hit.table < 0 && showRelations_ ? relations_.HitTest(p.x, p.y, kLineGrip) : -1);
  if (hit.zone != SurfaceZone::kClient) {
    titleTip_->HideTip();
    return;
  }
  // A title tip for a cell whose text is cut.
  const SurfaceWindow& window = surface_->Window(hit.table);
  const PixelRect client = surface_->ClientRect(hit.table);
  const GridLayout layout(window.grid, window.scrollX, window.scrollY);
  const CellId cell = layout.HitTest(p.x - client.x, p.y - client.y);
  if (!cell.IsValid()) {
    titleTip_->HideTip();
    return;
  }
  const std::string text = window.grid.GetCellText(cell.row, cell.column);
  const PixelRect block = layout.BlockRect(cell.row, cell.column);
  const wxPoint at = ToClient(wxPoint(client.x + block.x, client.y + block.y));
  const wxRect cellRect(at.x, at.y, Scaled(block.width), Scaled(block.height));
  if (titleTip_->IsShownTip() && titleTip_->CellRect() == cellRect) return;
  titleTip_->HideTip();
  // Cut by its own width (a text that cannot wrap) or by the window's edge.
  const int visibleWidth = std::min(block.x + block.width, client.width) - block.x;
  const int visibleHeight = std::min(block.y + block.height, client.height) - block.y;
  if (text.empty() || measurer_->TextExtent(text, false).width <= visibleWidth) return;
  const bool wraps = window.grid.Cell(cell.row, cell.column)->format & kFormatWordBreak;
  if (wraps && visibleWidth >= block.width &&
      measurer_->WrappedHeight(text, block.width, false) <= visibleHeight) {
    return;
  }
  const GridCell& data = *window.grid.Cell(cell.row, cell.column);
  const GridColours& colours = window.grid.Colours();
  const bool fixed = window.grid.IsFixed(cell.row, cell.column);
  const Rgb textColour = data.textColour ? *data.textColour
                         : fixed         ? colours.fixedText
                                         : colours.cellText;
  const Rgb backColour = data.backColour ? *data.backColour
                         : fixed         ? colours.fixedBack
                                         : colours.cellBack;
  titleTip_->ShowTip(cellRect, to_wx(text), painter_.font(), GridColourToWx(textColour),
                     GridColourToWx(backColour));
}

void DesignCanvas::OnWheel(wxMouseEvent& event) {
  if (event.ControlDown() && event.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL) {
    if (event.GetWheelRotation() != 0 && !ShowsWelcome()) {
      SetZoom(event.GetWheelRotation() > 0 ? ZoomLevels::Larger(zoom_) : ZoomLevels::Smaller(zoom_),
              event.GetPosition());
    }
    return;
  }
  TableSurface* s = surface_.get();
  if (s != nullptr && !ShowsWelcome() && event.GetWheelRotation() != 0) {
    const wxPoint p = ToSurface(event.GetPosition());
    const int steps = -event.GetWheelRotation() / std::max(1, event.GetWheelDelta()) *
                      std::max(1, event.GetLinesPerAction() / 3);
    const SurfaceHit hit = s->HitTest(p.x, p.y);
    if (s->Wheel(p.x, p.y, steps == 0 ? (event.GetWheelRotation() > 0 ? -1 : 1) : steps)) {
      RefreshSurfaceRect(s->Rect(hit.table));
      return;
    }
  }
  event.Skip();
}

std::vector<ArrangeLayout::Content> DesignCanvas::ContentSizes() {
  std::vector<ArrangeLayout::Content> sizes;
  TableSurface* s = surface();
  if (s == nullptr) return sizes;
  s->PrepareAll(state_.settings, *measurer_);
  for (int table = 0; table < s->Count(); ++table) {
    const GridModel& grid = s->Window(table).grid;
    sizes.push_back({grid.ContentWidth(), grid.ContentHeight()});
  }
  return sizes;
}

void DesignCanvas::ApplyArrangement(const Arrangement& arrangement) {
  TableSurface* s = surface();
  if (s == nullptr) return;
  for (const ArrangedWindow& placed : arrangement.windows) {
    if (placed.table < 0 || placed.table >= s->Count()) continue;
    const PixelRect before = s->Rect(placed.table);
    const bool wasWhole = s->Window(placed.table).wholeBox;
    if (placed.wholeBox) {
      s->Window(placed.table).wholeBox = true;
      surfaceDesign_->entry(placed.table).window.wholeBox = true;
    }
    s->SetRect(placed.table, placed.rect);
    if (!(s->Rect(placed.table) == before) || s->Window(placed.table).wholeBox != wasWhole)
      surfaceDesign_->TableWindowChanged(placed.table);
  }
  scrollWidth_ = arrangement.scrollWidth;
  scrollHeight_ = arrangement.scrollHeight;
  UpdateVirtualSize();
  Refresh();
}

void DesignCanvas::ShowRelations(bool show) {
  if (show == showRelations_) return;
  showRelations_ = show;
  SetHoverLine(-1);
  Refresh();
}

const RelationLines& DesignCanvas::Relations() {
  if (showRelations_) UpdateRelations();
  return relations_;
}

bool DesignCanvas::UpdateRelations(int moving) {
  TableSurface* s = surface();
  if (s == nullptr || surfaceDesign_ == nullptr) return false;
  const std::vector<TableDesign>& definitions = surfaceDesign_->definitions();
  bool changed = false;
  if (relationsDirty_) {
    relationsDirty_ = false;
    std::vector<Relation> relations = DesignRelations::Collect(definitions);
    relationCount_ = static_cast<int>(relations.size());
    relations_.SetRelations(std::move(relations));
    SetHoverLine(-1);
    changed = true;
  }
  if (relationCount_ == 0) return changed;
  // A line meets its column's row: every window must be fitted, not only those in view.
  if (moving < 0) {
    for (int table = 0; table < s->Count(); ++table) {
      if (s->Window(table).fitDirty || s->Window(table).contentDirty) {
        s->Prepare(table, state_.settings, *measurer_);
      }
    }
  }
  changed |= relations_.Update(RelationLines::WindowsOf(*s, definitions), moving);
  if (hoverLine_ >= static_cast<int>(relations_.lines().size())) hoverLine_ = -1;
  return changed;
}

void DesignCanvas::DrawRelations(wxDC& dc, const PixelRect& update) {
  const std::vector<int> shown = relations_.LinesIn(update);
  const auto& lines = relations_.lines();
  // Lines are kept in surface pixels: the device scales them as it scales the windows.
  double userX = 1.0;
  double userY = 1.0;
  dc.GetUserScale(&userX, &userY);
  dc.SetUserScale(userX * zoom_ / 100.0, userY * zoom_ / 100.0);
  const auto touches = [this](const RelationLines::Line& line) {
    return selected_ >= 0 && (line.relation.child == selected_ || line.relation.parent == selected_);
  };
  for (int i : shown) {
    if (!touches(lines[i]) && i != hoverLine_) {
      RelationPainter::Draw(dc, lines[i], RelationPainter::Look::kNormal);
    }
  }
  for (int i : shown) {
    if (touches(lines[i]) && i != hoverLine_) {
      RelationPainter::Draw(dc, lines[i], RelationPainter::Look::kHighlighted);
    }
  }
  if (hoverLine_ >= 0 && hoverLine_ < static_cast<int>(lines.size())) {
    RelationPainter::Draw(dc, lines[hoverLine_], RelationPainter::Look::kHovered);
  }
  dc.SetUserScale(userX, userY);
}

void DesignCanvas::RefreshLine(int line) {
  if (line < 0 || line >= static_cast<int>(relations_.lines().size())) return;
  const PixelRect box = relations_.lines()[line].box;
  RefreshSurfaceRect({box.x - 2, box.y - 2, box.width + 4, box.height + 4});
}

void DesignCanvas::SetHoverLine(int line) {
  if (line == hoverLine_) return;
  RefreshLine(hoverLine_);
  hoverLine_ = line;
  RefreshLine(hoverLine_);
  if (line < 0 || surfaceDesign_ == nullptr) {
    UnsetToolTip();
    return;
  }
  SetToolTip(to_wx(DesignRelations::Tip(relations_.lines()[line].relation,
                                         surfaceDesign_->definitions())));
}

void DesignCanvas::SetSelected(int table) {
  if (table == selected_) return;
  selected_ = table;
  if (showRelations_) Refresh();
}

void DesignCanvas::SetFoundTables(const std::vector<int>& tables, int current) {
  found_ = tables;
  std::sort(found_.begin(), found_.end());
  currentFound_ = current;
  Refresh();
}

void DesignCanvas::ShowTable(int table, bool takeFocus) {
  TableSurface* s = surface();
  if (s == nullptr || table < 0 || table >= s->Count()) return;
  int unitX = 1;
  int unitY = 1;
  GetScrollPixelsPerUnit(&unitX, &unitY);
  Scroll(0, Scaled(s->Rect(table).y) / std::max(unitY, 1));
  s->BringToTop(table);
  selected_ = table;
  RefreshSurfaceRect(s->Rect(table));
  if (!takeFocus) return;
  SetFocus();
  // A tree that selected the table takes the focus back when its click ends.
  CallAfter([this] { SetFocus(); });
}

}  // namespace tablora
