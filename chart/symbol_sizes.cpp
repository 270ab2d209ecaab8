// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/symbol_sizes.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "chart/surface/rnd.h"
#include "chart/surface/symbols.h"

namespace sdro {
namespace {

constexpr int kFaintestClass = 8;
constexpr int kBrightestClass = -1;

int clamped_class(int m) { return std::clamp(m, kBrightestClass, kFaintestClass); }

}  // namespace

int usable_size_setting(int b) { return b >= kSizeLarge && b <= kSizeVerySmall ? b : kSizeSmall; }

int magnitude_class(std::int32_t magnitude) { return clamped_class(magnitude / 100); }

int extinction_class(int m, double altitude) {
  const double raised = altitude <= 0.1 ? 26.0 : m + 0.3 * (1.0 / sin_deg(altitude) - 1.0);
  return clamped_class(rnd(raised));
}

int star_radius(int m, int b) {
  const double x = 8.0 / (4 - b);
  const double a = b == kSizeVerySmall ? 7.0 : 8.0;
  int r = rnd((a - m) / x);
  if (r == 4 - b) ++r;
  return r;
}

int star_bitmap(int m, int b) {
  return std::clamp(clamped_class(m) + usable_size_setting(b) + 199, kFirstStarBitmap, kLastStarBitmap);
}

double zone_star_magnitude(std::int16_t tenths) { return std::max(-1.0, tenths / 10.0); }

int zone_star_radius(double m, double radius) {
  m = std::max(m, -1.0);
  double r;
  if (radius > 20.0) {
    r = 6.0 - 0.62 * m;
  } else if (radius > 10.0) {
    r = 7.0 - 0.66 * m;
  } else if (radius > 5.0) {
    r = 8.0 - 0.7 * m;
  } else {
    r = 10.0 - 0.9 * m;
  }
  return std::max(0, rnd(r));
}

int zone_star_label_half(double m, int b) { return symbol_half_size(star_bitmap(rnd(m), b)); }

int deep_sky_diameter(std::int32_t magnitude, int b) {
  const int g = magnitude / 100;
  int u = 3;
  if (g <= 3) {
    u = -3;
  } else if (g <= 5) {
    u = -1;
  } else if (g < 8) {
    u = 1;
  } else if (g < 12) {
    u = 2;
  }
  switch (usable_size_setting(b)) {
    case kSizeVerySmall: u += 1; break;
    case kSizeMedium: u -= 1; break;
    case kSizeLarge: u -= 2; break;
    default: break;
  }
  return 6 - u;
}

double scale_bar_degrees(double radius) {
  if (radius > 20.0) return 10.0;
  if (radius > 10.0) return 5.0;
  if (radius > 5.0) return 2.0;
  if (radius > 3.0) return 3.0;
  if (radius > 1.0) return 1.0;
  return 0.5;
}

}  // namespace sdro
