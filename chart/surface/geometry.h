// Integer geometry of the drawing surface. Coordinates are logical units:
// pixels on the raster surface, print units on a page. Rectangles follow the
// device-context convention: left and top inclusive, right and bottom
// exclusive, so {0, 0, 10, 10} covers the pixels 0..9 in both directions.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

namespace sdro {

struct PixelPoint {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(PixelPoint, PixelPoint) = default;
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;   ///< exclusive
  int bottom = 0;  ///< exclusive

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr bool empty() const { return right <= left || bottom <= top; }
  constexpr bool contains(int x, int y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  /// The same rectangle with left ≤ right and top ≤ bottom.
  constexpr PixelRect normalized() const {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
  }
  constexpr PixelRect intersected(const PixelRect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
  }
  friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

/// A width and a height (text extents, surface sizes).
struct Extent {
  int cx = 0;
  int cy = 0;
  friend constexpr bool operator==(Extent, Extent) = default;
};

}  // namespace sdro
