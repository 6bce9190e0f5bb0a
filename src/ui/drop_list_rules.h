#pragma once

#include <string>
#include <vector>

#include "ui/pixel_rect.h"

namespace tablora {

/// Where an open item list goes and how many items it shows.
struct DropPlacement {
  PixelRect rect;     ///< screen rectangle of the list, its frame included
  int shownItems = 0;
  bool operator==(const DropPlacement& o) const {
    return rect == o.rect && shownItems == o.shownItems;
  }
};

/// The item a typed text leads to in a drop-down list.
struct TypeAheadMatch {
  int index = -1;  ///< the first item the text leads to, or -1
  /// The text named the item by the first letters of its Chinese characters' readings
  /// ("s" for 是): it cannot be meant as it stands, so the item takes its place.
  bool byInitials = false;
  bool operator==(const TypeAheadMatch& o) const {
    return index == o.index && byInitials == o.byInitials;
  }
};

/// The pure rules of the grid's drop-down lists: their size, their place on the screen
/// and how typing finds an item.
class DropListRules {
 public:
  /// Most items an open list shows; longer lists scroll.
  static constexpr int kMostShownItems = 12;

  /// Items shown for a list of `count` items: all of them up to kMostShownItems.
  static int ShownItems(int count);

  /// The list under `cell` (screen coordinates), `width` wide with `items` items of
  /// `itemHeight` plus `frame` pixels above and below. It opens below the cell, above it
  /// when only there it fits on `screen`, otherwise on the roomier side with as many items
  /// as fit there; it moves left (never past the screen's left edge) when it would leave the
  /// screen at the right.
  static DropPlacement Place(const PixelRect& cell, int width, int items, int itemHeight,
                             int frame, const PixelRect& screen);

  /// The first item that begins with `typed` (ASCII letters compared without case); failing
  /// that, for a text of ASCII letters alone, the first item whose characters' reading
  /// initials begin with it, or else with its last letter. Code page 936 texts; an empty
  /// text matches nothing.
  static TypeAheadMatch TypeAhead(const std::vector<std::string>& items, const std::string& typed);

  /// The reading initials of a code page 936 text: the lower-case first letter of each
  /// common Chinese character's reading, each ASCII letter or digit as it is (lower case);
  /// other characters stop it ("是否" gives "sf", "id号" gives "idh").
  static std::string Initials(const std::string& text);
};

}  // namespace tablora
