#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/settings.h"

namespace tablora {

/// State bits of a grid cell.
enum GridCellState : unsigned {
  kCellFocused = 0x1,
  kCellSelected = 0x2,
  kCellDropHighlighted = 0x4,
  kCellReadOnly = 0x8,
  kCellFixed = 0x10,
  kCellModified = 0x20,
};

/// Text format bits of a grid cell (the DrawText flags the saved designs use).
enum GridCellFormat : unsigned {
  kFormatLeft = 0x0,
  kFormatCenter = 0x1,
  kFormatRight = 0x2,
  kFormatVCenter = 0x4,
  kFormatBottom = 0x8,
  kFormatWordBreak = 0x10,
  kFormatSingleLine = 0x20,
  kFormatNoPrefix = 0x800,
  kFormatEndEllipsis = 0x8000,
};

/// Which fields `GridModel::SetCell` writes.
enum GridCellMask : unsigned {
  kMaskText = 0x1,
  kMaskFormat = 0x40,
};

/// One cell of a `GridModel`. A covered cell lies inside another cell's merged block
/// and names its owner; the owner's spans count the extra rows and columns it owns.
struct GridCell {
  bool extendsRight = false;
  bool extendsDown = false;
  bool covered = false;
  int mergeValue = 0;
  int rowSpan = 0;
  int columnSpan = 0;
  int ownerRow = -1;
  int ownerColumn = -1;
  unsigned state = 0;
  std::string text;  ///< code page 936
  unsigned format = kFormatLeft | kFormatVCenter | kFormatSingleLine | kFormatNoPrefix;
  int image = -1;  ///< index into the grid's image list, -1 for none
  std::intptr_t itemData = 0;
  std::optional<Rgb> textColour;  ///< unset: the grid's colour
  std::optional<Rgb> backColour;  ///< unset: the grid's colour
  int fontWeight = 0;             ///< 0: the grid's font (semi-bold in fixed cells)

  bool OwnsSpan() const { return rowSpan > 0 || columnSpan > 0; }
};

/// A cell position; {-1, -1} is no cell.
struct CellId {
  int row = -1;
  int column = -1;
  bool IsValid() const { return row >= 0 && column >= 0; }
  bool operator==(const CellId& o) const { return row == o.row && column == o.column; }
  bool operator!=(const CellId& o) const { return !(*this == o); }
};

/// An inclusive rectangle of cells; the default range is empty (invalid).
struct CellRange {
  int minRow = -1;
  int minColumn = -1;
  int maxRow = -1;
  int maxColumn = -1;
  bool IsValid() const {
    return minRow >= 0 && minColumn >= 0 && maxRow >= minRow && maxColumn >= minColumn;
  }
  bool Contains(int row, int column) const {
    return IsValid() && row >= minRow && row <= maxRow && column >= minColumn &&
           column <= maxColumn;
  }
  bool operator==(const CellRange& o) const {
    return minRow == o.minRow && minColumn == o.minColumn && maxRow == o.maxRow &&
           maxColumn == o.maxColumn;
  }
};

}  // namespace tablora
