// The clipping walk shared by the raster surface's source files.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

#include "chart/surface/raster_surface.h"

namespace sdro {

template <class F>
void RasterSurface::for_visible(int y, int x0, int x1, F&& f) {
  if (y < 0 || y >= height_) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, width_);
  if (x1 <= x0) return;
  const SpanSet* clip = clip_spans();
  if (clip == nullptr) {
    f(x0, x1);
    return;
  }
  for (const Span& s : clip->row(y)) {
    const int a = std::max(x0, s.x0);
    const int b = std::min(x1, s.x1);
    if (a < b) f(a, b);
  }
}

}  // namespace sdro
