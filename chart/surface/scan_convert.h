// Pixel coverage of the basic shapes. A pixel belongs to a shape when its
// centre (x + 0.5, y + 0.5) lies inside; with corners on whole coordinates
// this gives the exclusive right and bottom edges of device-context drawing.
// Ellipse(), elliptic regions and the outlines derived from them share these
// functions, so a filled region and a drawn figure of the same box cover the
// same pixels.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

#include "chart/surface/geometry.h"
#include "chart/surface/span_set.h"

namespace sdro {

/// Polygon fill rules: alternate (even-odd) and winding (non-zero).
enum class FillMode { alternate, winding };

/// Row r (0 = box.top) of the ellipse inscribed in the normalised `box`; an
/// empty span {0, 0} when the row has no pixels or lies outside the box.
Span ellipse_row(const PixelRect& box, int r);

/// One span per row of the ellipse inscribed in `box` (box.top first, an
/// empty span {0, 0} for a row without pixels). The ellipse is symmetric
/// about both centre lines of the box. `out` is overwritten.
void ellipse_rows(const PixelRect& box, std::vector<Span>& out);

/// The pixels of the ellipse inscribed in `box`, limited to `bounds`.
SpanSet ellipse_spans(const PixelRect& box, const PixelRect& bounds);

/// The pixels of the rectangle, limited to `bounds`.
SpanSet rect_spans(const PixelRect& box, const PixelRect& bounds);

/// The pixels of the closed polygon (the last point joins the first), limited to `bounds`.
SpanSet polygon_spans(std::span<const PixelPoint> points, FillMode mode,
                      const PixelRect& bounds);

/// The bounding box of the points, right and bottom exclusive of the pixel grid.
PixelRect points_bounds(std::span<const PixelPoint> points);

}  // namespace sdro
