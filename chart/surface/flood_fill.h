// The area a flood fill covers, found without recursion: a scan-line walk
// with an explicit stack over a mark per pixel, so a fill of the whole image
// costs one pass and a bounded amount of memory.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "chart/surface/span_set.h"

namespace sdro {

/// The 4-connected area around (x, y) of the pixels for which `fillable`
/// holds, inside the w × h image. `marks` is scratch memory (resized to w · h).
/// Empty when the seed itself is not fillable or lies outside.
SpanSet flood_area(int w, int h, int x, int y, const std::function<bool(int, int)>& fillable,
                   std::vector<std::uint8_t>& marks);

}  // namespace sdro
