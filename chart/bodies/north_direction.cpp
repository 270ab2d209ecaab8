// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/bodies/north_direction.h"

#include <cmath>

#include "astro/angles.h"

namespace sdro {
namespace {

constexpr double kNorthStep = 0.1;  ///< degrees of declination

/// The chart-up frame offset of a place from the centre, before mirroring
/// and rounding: x right, y down.
void unmirrored_offset(const tprojektion& p, const tchart_place& place, double& x, double& y) {
  const double r = p.radius_of(place);
  x = r * place.sin_q;
  y = r * place.cos_q;
}

double numerical_north(const tprojektion& p, double ra, double dec) {
  double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
  unmirrored_offset(p, p.place(ra, dec), x0, y0);
  // Close to the pole the step would pass it: north is towards the pole.
  const double north = dec + kNorthStep < 90.0 ? dec + kNorthStep : 90.0;
  unmirrored_offset(p, p.place(ra, north), x1, y1);
  if (x1 == x0 && y1 == y0) return normalize_degrees(static_cast<double>(p.viewport().v));
  // The place includes the rotation v: the result is N0 + v.
  return normalize_degrees(atan2_deg(y1 - y0, x1 - x0) - 180.0);
}

}  // namespace

double north_direction(const tprojektion& p, double ra, double dec) {
  const int v = p.viewport().v;
  switch (p.kind()) {
    case tsky_chart::horizon:
      return numerical_north(p, ra, dec);
    case tsky_chart::zoom: {
      const double n0 = normalize_degrees(numerical_north(p, ra, dec) - v);
      return normalize_degrees(std::round(n0) + v);
    }
    case tsky_chart::north:
      return normalize_degrees(v - ra);
    case tsky_chart::south:
      return normalize_degrees(v + 180.0 + ra);
    case tsky_chart::overview:
      break;
  }
  return 0.0;
}

}  // namespace sdro
