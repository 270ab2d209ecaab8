// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/viewport.h"

#include <algorithm>

#include "chart/surface/rnd.h"

namespace sdro {

int usable_chart_diameter(int requested, int M) {
  const int top = std::max(M, kMinChartDiameter);
  return std::clamp(requested, kMinChartDiameter, top);
}

tviewport make_viewport(int requested_diameter, int M, int spiegelung, int drehwinkel) {
  tviewport vp;
  vp.M = std::max(M, kMinChartDiameter);
  vp.d = usable_chart_diameter(requested_diameter, vp.M);
  vp.c = chart_centre(vp.d);
  vp.R = vp.c - 1;
  vp.k = vp.d / 360.0;
  vp.s = spiegelung == -1 ? -1 : 1;
  vp.v = ((drehwinkel % 360) + 360) % 360;
  return vp;
}

std::optional<int> larger_diameter(int d, int M) {
  if (d >= M) return std::nullopt;
  return std::min(M, rnd(d * 1.03));
}

int smaller_diameter(int d) { return std::max(kZoomOutLimit, rnd(d / 1.03)); }

std::optional<int> fitted_diameter(int d, int target_extent, int M) {
  if (d + 16 == target_extent) return std::nullopt;
  return usable_chart_diameter(target_extent - 16, M);
}

tscroll_range scroll_range(int chart_extent, int visible) {
  tscroll_range r;
  r.maximum = std::max(1, chart_extent - visible);
  r.small_step = r.maximum / 75 + 1;
  r.large_step = std::max(0, visible) / 4 + 1;
  return r;
}

tsection_fraction map_section(int key, bool overview) {
  // Horizontal and vertical fractions of the scroll maxima, keys 1..9.
  static constexpr tsection_fraction kSections[] = {
      {0.25, 0.75}, {0.5, 1.0}, {0.75, 0.75},  // 1 2 3
      {0.0, 0.5},   {0.5, 0.5}, {1.0, 0.5},    // 4 5 6
      {0.25, 0.25}, {0.5, 0.0}, {0.75, 0.25},  // 7 8 9
  };
  tsection_fraction f = key >= 1 && key <= 9 ? kSections[key - 1] : tsection_fraction{};
  if (overview) f.vertical /= 2;
  return f;
}

}  // namespace sdro
