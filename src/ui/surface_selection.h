#pragma once

#include <vector>

#include "ui/pixel_rect.h"

namespace tablora {

class TableSurface;

/// The table windows selected together on a design surface (Ctrl+click, a band dragged
/// over the empty surface, Ctrl+A), and their moving together: when one of them is
/// dragged, the others follow by the same distance.
class SurfaceSelection {
 public:
  /// Table indexes, ascending.
  const std::vector<int>& tables() const { return tables_; }
  bool Contains(int table) const;
  /// True when more than one window is selected (then commands act on them all).
  bool Several() const { return tables_.size() > 1; }
  void Clear() { tables_.clear(); }
  /// Ctrl+click: adds the table, or takes it out when it was in. `current` (the window
  /// selected alone before, or -1) joins first.
  void Toggle(int table, int current);
  void SelectAll(int count);

  /// The band: pressed on the empty surface at (x, y), dragged to the second corner.
  void StartBand(int x, int y);
  void DragBand(int x, int y) { bandX2_ = x, bandY2_ = y; }
  bool banding() const { return banding_; }
  PixelRect Band() const;
  /// Selects every window the band touches (added to the selection when `add`).
  void EndBand(const TableSurface& surface, bool add);

  /// A drag of `table`, one of the selection, begins: the others' places are kept.
  void StartMove(const TableSurface& surface, int table);
  /// Moves the other selected windows by the distance the dragged one went; the areas to
  /// repaint (old and new places).
  std::vector<PixelRect> FollowMove(TableSurface& surface);
  /// The windows the last move carried along (the dragged one not included); the move ends.
  std::vector<int> EndMove(const TableSurface& surface);
  bool moving() const { return moveTable_ >= 0; }

  /// The design's table list changed: indexes follow, the selection is kept.
  void TableRemoved(int index);
  void TableInserted(int index);

 private:
  std::vector<int> tables_;
  bool banding_ = false;
  int bandX1_ = 0, bandY1_ = 0, bandX2_ = 0, bandY2_ = 0;
  int moveTable_ = -1;
  std::vector<PixelRect> startRects_;  ///< per selected table, at StartMove
};

}  // namespace tablora
