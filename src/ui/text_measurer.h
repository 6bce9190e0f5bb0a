#pragma once

#include <string>

namespace tablora {

/// Measures code page 936 text in the grid's font. The GUI implements it with a device
/// context; tests use a fixed-pitch fake. All results are in pixels.
class TextMeasurer {
 public:
  struct Extent {
    int width = 0;
    int height = 0;
  };

  virtual ~TextMeasurer() = default;
  /// Size of `text` on one line; `bold` selects the semi-bold font of fixed cells.
  virtual Extent TextExtent(const std::string& text, bool bold) const = 0;
  /// Height of `text` broken into lines no wider than `width`.
  virtual int WrappedHeight(const std::string& text, int width, bool bold) const = 0;
  /// Size of image `index` of the grid's image list; {0, 0} when there is none.
  virtual Extent ImageExtent(int index) const = 0;
};

}  // namespace tablora
