// Lines on the raster surface. A line steps along its major axis from the
// first point and leaves out the last one; the minor coordinate of step i is
// i · d_minor / d_major rounded half up. The closed form lets a line that
// reaches far outside the image (the charts pass vertices up to 32000) walk
// only the steps inside it, and keeps the dot pattern counted from the
// line's true start.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdlib>

#include "chart/surface/raster_clip.h"
#include "chart/surface/raster_surface.h"
#include "chart/surface/scan_convert.h"

namespace sdro {

namespace {

struct Steps {
  long long first;
  long long last;  // exclusive
};

// The steps i in [0, n) for which start + i · dir lies in [0, limit).
Steps steps_inside(int start, int dir, long long n, int limit) {
  long long lo = 0;
  long long hi = n;
  if (dir > 0) {
    lo = std::max(lo, -static_cast<long long>(start));
    hi = std::min(hi, static_cast<long long>(limit) - start);
  } else if (dir < 0) {
    lo = std::max(lo, static_cast<long long>(start) - limit + 1);
    hi = std::min(hi, static_cast<long long>(start) + 1);
  } else if (start < 0 || start >= limit) {
    hi = lo;
  }
  return {lo, std::max(lo, hi)};
}

int sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

void RasterSurface::pattern_pixel(int x, int y, int index) {
  const Pen& pen = state().pen;
  if (pen.style != PenStyle::dotted) {
    plot(x, y, pen.colour.to_rgb32());
  } else if (index % (kDotOn + kDotOff) < kDotOn) {
    plot(x, y, pen.colour.to_rgb32());
  } else if (state().background_mode == BackgroundMode::opaque) {
    plot(x, y, state().background_colour.to_rgb32());
  }
}

void RasterSurface::stamp(int x, int y, std::uint32_t rgb32) {
  // stamp_rows_ holds the round pen tip centred on (0, 0).
  const int top = y - static_cast<int>(stamp_rows_.size()) / 2;
  for (std::size_t r = 0; r < stamp_rows_.size(); ++r) {
    const int yy = top + static_cast<int>(r);
    const Span s = stamp_rows_[r];
    for_visible(yy, x + s.x0, x + s.x1,
                [&](int a, int b) { std::fill(row(yy) + a, row(yy) + b, rgb32); });
  }
}

void RasterSurface::segment(PixelPoint a, PixelPoint b, int& phase) {
  const Pen& pen = state().pen;
  if (!pen.draws()) return;
  const int dx = std::abs(b.x - a.x);
  const int dy = std::abs(b.y - a.y);
  const int sx = sign(b.x - a.x);
  const int sy = sign(b.y - a.y);
  const bool x_major = dx >= dy;
  const long long major = x_major ? dx : dy;
  const long long minor = x_major ? dy : dx;
  const int width = std::max(pen.width, 1);
  const auto minor_at = [&](long long i) {
    return static_cast<int>((2 * i * minor + major) / (2 * major));
  };
  if (width > 1) {
    // Wide pens draw both end points with round caps; dotted ones draw solid.
    const std::uint32_t colour = pen.colour.to_rgb32();
    const int half = width / 2;
    ellipse_rows({-half, -half, width - half, width - half}, stamp_rows_);
    // Only the steps whose tip can reach the image: major coordinate in [−width, limit + width).
    const Steps reach = x_major ? steps_inside(a.x + width, sx, major + 1, width_ + 2 * width)
                               : steps_inside(a.y + width, sy, major + 1, height_ + 2 * width);
    for (long long i = reach.first; i < reach.last; ++i) {
      const int m = major == 0 ? 0 : minor_at(i);
      const int x = x_major ? a.x + static_cast<int>(i) * sx : a.x + m * sx;
      const int y = x_major ? a.y + m * sy : a.y + static_cast<int>(i) * sy;
      stamp(x, y, colour);
    }
    return;
  }
  if (major == 0) return;
  const Steps steps = x_major ? steps_inside(a.x, sx, major, width_)
                              : steps_inside(a.y, sy, major, height_);
  for (long long i = steps.first; i < steps.last; ++i) {
    const int m = minor_at(i);
    const int x = x_major ? a.x + static_cast<int>(i) * sx : a.x + m * sx;
    const int y = x_major ? a.y + m * sy : a.y + static_cast<int>(i) * sy;
    pattern_pixel(x, y, phase + static_cast<int>(i));
  }
  phase = static_cast<int>((phase + major) % (kDotOn + kDotOff));
}

void RasterSurface::do_line(PixelPoint from, PixelPoint to, int& pattern_phase) {
  begin_pixels();
  segment(from, to, pattern_phase);
}

void RasterSurface::do_polyline(std::span<const PixelPoint> points) {
  begin_pixels();
  int phase = 0;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) segment(points[i], points[i + 1], phase);
}

}  // namespace sdro
