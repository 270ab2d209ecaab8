// Rectangles and ellipses on the raster surface. The outline lies inside the
// box: with a pen of width w it is the set of the shape's pixels that are not
// interior pixels of the shape inset by w − 1, an interior pixel being one
// whose four neighbours belong to that set. For w = 1 that is the one-pixel,
// eight-connected rim; the brush fills the rest. Rows are computed one at a
// time and only where the image is, so a huge circle costs no more than the
// image it crosses.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>

#include "chart/surface/raster_clip.h"
#include "chart/surface/raster_surface.h"
#include "chart/surface/scan_convert.h"

namespace sdro {

namespace {

// A shape with one span per row: a rectangle or an inscribed ellipse.
struct RowShape {
  PixelRect box;
  bool ellipse;

  // The span of the absolute row y.
  Span row(int y) const {
    if (box.empty() || y < box.top || y >= box.bottom) return {};
    if (ellipse) return ellipse_row(box, y - box.top);
    return {box.left, box.right};
  }
  RowShape inset(int d) const {
    return {{box.left + d, box.top + d, box.right - d, box.bottom - d}, ellipse};
  }
};

bool is_empty(Span s) { return s.x1 <= s.x0; }

// The pixels of row y whose four neighbours belong to the shape.
Span interior(const RowShape& shape, int y) {
  const Span s = shape.row(y);
  const Span up = shape.row(y - 1);
  const Span down = shape.row(y + 1);
  if (is_empty(s) || is_empty(up) || is_empty(down)) return {};
  const Span i{std::max({s.x0 + 1, up.x0, down.x0}), std::min({s.x1 - 1, up.x1, down.x1})};
  return is_empty(i) ? Span{} : i;
}

}  // namespace

void RasterSurface::outlined_shape(const PixelRect& box, bool ellipse) {
  if (box.empty()) return;
  begin_pixels();
  const Pen& pen = state().pen;
  const RowShape outer{box, ellipse};
  if (pen.style == PenStyle::dotted && pen.width <= 1) {
    dotted_outline(box, ellipse);
    return;
  }
  const RowShape inner = outer.inset(std::max(pen.width, 1) - 1);
  const Brush pen_brush = Brush::solid(pen.colour);
  const int y0 = std::max(box.top, 0);
  const int y1 = std::min(box.bottom, height_);
  for (int y = y0; y < y1; ++y) {
    const Span o = outer.row(y);
    if (is_empty(o)) continue;
    if (!pen.draws()) {
      paint_span(y, o.x0, o.x1, state().brush);
      continue;
    }
    const Span in = interior(inner, y);
    if (is_empty(in)) {
      paint_span(y, o.x0, o.x1, pen_brush);
      continue;
    }
    paint_span(y, in.x0, in.x1, state().brush);
    paint_span(y, o.x0, in.x0, pen_brush);
    paint_span(y, in.x1, o.x1, pen_brush);
  }
}

void RasterSurface::dotted_outline(const PixelRect& box, bool ellipse) {
  const RowShape shape{box, ellipse};
  const int y0 = std::max(box.top, 0);
  const int y1 = std::min(box.bottom, height_);
  for (int y = y0; y < y1; ++y) {
    const Span in = interior(shape, y);
    if (!is_empty(in)) paint_span(y, in.x0, in.x1, state().brush);
  }
  if (!ellipse) {
    const PixelPoint corners[] = {{box.left, box.top},
                                  {box.right - 1, box.top},
                                  {box.right - 1, box.bottom - 1},
                                  {box.left, box.bottom - 1},
                                  {box.left, box.top}};
    int phase = 0;
    for (int i = 0; i < 4; ++i) segment(corners[i], corners[i + 1], phase);
    return;
  }
  // The rim in the order of its direction from the centre, so that the dots
  // run around the figure. Rows outside the image still count for the pattern.
  struct RimPixel {
    double angle;
    int x;
    int y;
  };
  std::vector<RimPixel> rim;
  const double cx = (box.left + box.right) / 2.0;
  const double cy = (box.top + box.bottom) / 2.0;
  for (int y = box.top; y < box.bottom; ++y) {
    const Span o = shape.row(y);
    const Span in = interior(shape, y);
    for (int x = o.x0; x < o.x1; ++x) {
      if (x >= in.x0 && x < in.x1) {
        x = in.x1 - 1;
        continue;
      }
      rim.push_back({std::atan2(y + 0.5 - cy, x + 0.5 - cx), x, y});
    }
  }
  std::sort(rim.begin(), rim.end(),
            [](const RimPixel& a, const RimPixel& b) { return a.angle < b.angle; });
  for (std::size_t i = 0; i < rim.size(); ++i) {
    pattern_pixel(rim[i].x, rim[i].y, static_cast<int>(i));
  }
}

void RasterSurface::do_ellipse(const PixelRect& box) { outlined_shape(box, true); }

void RasterSurface::do_rectangle(const PixelRect& box) { outlined_shape(box, false); }

}  // namespace sdro
