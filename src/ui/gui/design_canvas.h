#pragma once

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/scrolwin.h>

#include "base/app_state.h"
#include "model/design.h"
#include "ui/arrange_layout.h"
#include "ui/gui/table_window_painter.h"
#include "ui/relation_lines.h"
#include "ui/table_commands.h"
#include "ui/surface_selection.h"
#include "ui/table_surface.h"
#include "ui/zoom_levels.h"

class wxMenu;

namespace tablora {

class TitleTip;

/// The design view "表视图": one scrolling canvas that draws every table window itself
/// (with its own stacking order and hit-testing), moves and resizes them with the mouse,
/// scrolls them, and shows the welcome text while the design has no content.
class DesignCanvas : public wxScrolledCanvas {
 public:
  /// The design the canvas shows, or nullptr for none (asked again at each repaint).
  using DesignSource = std::function<Design*()>;

  DesignCanvas(wxWindow* parent, AppState& state, DesignSource design);
  ~DesignCanvas() override;

  /// Where the table windows' menu commands go (not owned; nullptr: all disabled).
  void SetCommandTarget(TableCommandTarget* target) { target_ = target; }

  /// Follows the design's table list and repaints.
  void RefreshDesign();
  /// Table `index`'s definition or colours changed: rebuild its window.
  void TableChanged(int index);
  /// Every table was released.
  void DesignCleared();
  /// Table `index` was taken out of the design; the tables after it moved down one index.
  void TableRemoved(int index);
  /// A removed table came back at `index`; the tables from there on moved up one index.
  void TableInserted(int index);
  /// Table `index`'s rectangle, colours or full height were set from its entry.
  void TableWindowSet(int index);
  /// The window the user last clicked (the Delete key's table), or -1.
  int selectedTable() const { return selected_; }
  /// Marks the tables a search found (`current`, one of them or -1, most strongly); an
  /// empty list takes the marks away.
  void SetFoundTables(const std::vector<int>& tables, int current);
  const std::vector<int>& foundTables() const { return found_; }
  /// The windows selected together (Ctrl+click, a band, Ctrl+A) when `table` is one of
  /// several of them; otherwise `table` alone.
  std::vector<int> TablesWith(int table) const;
  const SurfaceSelection& together() const { return together_; }
  /// The display styles changed: rebuild every window (or only `index`).
  void Restyle(int index = -1);
  /// The total scroll height (the width becomes 10000 once set, as for new tables); the
  /// scroll bars follow when the events of the moment are done.
  void SetScrollHeight(int totalHeight);
  int ScrollHeight() const { return scrollHeight_; }
  /// Flips a window's whole-box flag, brings it to the top and repaints.
  void ToggleWholeBox(int table);

  /// Fits every window and returns their content sizes (column and row totals).
  std::vector<ArrangeLayout::Content> ContentSizes();
  /// Moves and sizes the windows as arranged (whole-box windows get the flag), sets the
  /// scroll sizes and repaints.
  void ApplyArrangement(const Arrangement& arrangement);
  /// Scrolls so that the table's window is at the top at horizontal position 0, brings
  /// it to the top of the stack and, with `takeFocus`, takes the focus.
  void ShowTable(int table, bool takeFocus = true);

  bool ShowsWelcome() const { return !state_.designHasContent; }
  /// The windows' state; nullptr while there is no design.
  TableSurface* surface();
  /// Canvas client point <-> surface point (the surface keeps unscaled pixels).
  wxPoint ToSurface(const wxPoint& client) const;
  wxPoint ToClient(const wxPoint& surfacePoint) const;

  /// The display scale in per cent (ZoomLevels); a view's own, not part of the design.
  int zoom() const { return zoom_; }
  /// Sets the scale (clamped to the limits), keeping the surface point under `anchor` (a
  /// client point; the middle of the client area when omitted) where it is.
  void SetZoom(int percent, wxPoint anchor = wxDefaultPosition);
  void ZoomIn() { SetZoom(ZoomLevels::Larger(zoom_)); }
  void ZoomOut() { SetZoom(ZoomLevels::Smaller(zoom_)); }
  /// The largest scale at which every window fits the client area, scrolled to the origin.
  void ZoomToFit();
  /// Builds the menu "rightwnd_popup" for `table` (command ids minus kMenuIdBase).
  std::unique_ptr<wxMenu> BuildTableMenu(int table) const;
  static constexpr int kMenuIdBase = 30000;
  /// How many window drawings were made (not taken from the cache), for tests.
  int drawCount() const { return drawCount_; }
  const wxFont& tableFont() const { return painter_.font(); }
  /// The tip that shows the whole text of a cut cell under the pointer.
  TitleTip* titleTip() const { return titleTip_; }

  /// Draws the foreign keys as lines between the windows (the settings' choice at first).
  void ShowRelations(bool show);
  bool RelationsShown() const { return showRelations_; }
  /// The lines as last routed (brought up to date first); empty while they are not shown.
  const RelationLines& Relations();
  /// The line under the pointer (thickened, its tip shown), -1 for none.
  int hoveredLine() const { return hoverLine_; }
  /// Runs with the child table and its first key column when a line is double-clicked.
  void SetOnOpenColumn(std::function<void(int table, int column)> open) {
    openColumn_ = std::move(open);
  }

  /// The welcome lines with their positions in 96-per-inch units, UTF-8.
  struct WelcomeLine {
    int x;
    int y;
    const char* text;
  };
  static const std::vector<WelcomeLine>& WelcomeLines();
  /// Draws the welcome text at 96 units per inch of `dc`.
  static void DrawWelcome(wxDC& dc);

 protected:
  /// Never smaller than GTK can lay out the scroll bars in.
  void DoSetSize(int x, int y, int width, int height, int sizeFlags) override;

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnLeftDClick(wxMouseEvent& event);
  void OnRightDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnWheel(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnKeyDown(wxKeyEvent& event);

  const wxBitmap& WindowBitmap(int table);
  void RefreshSurfaceRect(const PixelRect& rect);
  void UpdateVirtualSize();
  void UpdateHover(const wxPoint& surfacePoint);
  PixelRect VisibleArea() const;
  /// Collects the relations again when the definitions changed and routes the lines for
  /// the windows as they are; `moving`: the window being dragged.
  bool UpdateRelations(int moving = -1);
  void DrawRelations(wxDC& dc, const PixelRect& update);
  void SetHoverLine(int line);
  void SetSelected(int table);
  void RefreshLine(int line);
  /// A surface length or coordinate at the current scale (rounded down).
  int Scaled(int value) const;
  PixelRect ScaledRect(const PixelRect& rect) const;
  /// The surface pixels of a window's frame that resize it at the current scale.
  int EdgeGrip() const;

  AppState& state_;
  DesignSource design_;
  TableCommandTarget* target_ = nullptr;
  Design* surfaceDesign_ = nullptr;
  std::unique_ptr<TableSurface> surface_;
  TableWindowPainter painter_;
  wxBitmap measureBitmap_;
  wxMemoryDC measureDc_;
  std::unique_ptr<CachedTextMeasurer> measurer_;

  struct CachedDrawing {
    unsigned generation = 0;
    int zoom = 0;
    wxBitmap bitmap;
  };
  std::unordered_map<int, CachedDrawing> cache_;
  long long cachedPixels_ = 0;
  int drawCount_ = 0;
  int scrollHeight_ = 1000;
  int scrollWidth_ = 1000;
  bool sizePending_ = false;
  int zoom_ = ZoomLevels::kActual;
  int selected_ = -1;
  std::vector<int> found_;  ///< sorted
  int currentFound_ = -1;
  SurfaceSelection together_;
  TitleTip* titleTip_ = nullptr;

  bool showRelations_ = true;
  bool relationsDirty_ = true;  ///< the definitions changed since the relations were collected
  RelationLines relations_;
  int relationCount_ = 0;
  int hoverLine_ = -1;
  std::function<void(int, int)> openColumn_;
};

}  // namespace tablora
