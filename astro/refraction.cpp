// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/refraction.h"

#include <cmath>

#include "astro/angles.h"

namespace sdro {

namespace {

// Altitude of the largest refraction of the formula: h + 10.3/(h + 5.11) is
// smallest where (h + 5.11)² = 10.3.
const double kLargestAt = std::sqrt(10.3) - 5.11;
// Below this altitude nothing is refracted.
constexpr double kNoRefractionBelow = -5.0;

// Scale of the standard refraction for the air; clamped so that no input
// can make it negative, infinite or large enough to fold the altitude scale.
double air_factor(double temperature, double pressure) {
  if (!(pressure > 0.0)) return 0.0;
  const double t = std::isfinite(temperature) ? std::fmax(temperature, -150.0) : 10.0;
  const double f = (pressure / 1010.0) * (283.0 / (273.0 + t));
  return std::fmin(f, 3.0);
}

double saemundsson(double h) { return 1.02 / tan_deg(h + 10.3 / (h + 5.11)) + 0.0019279; }

// Refraction of the standard atmosphere in arcminutes at every true altitude.
double standard_refraction(double h) {
  if (h >= kLargestAt) return saemundsson(h);
  if (h <= kNoRefractionBelow) return 0.0;
  const double w = (h - kNoRefractionBelow) / (kLargestAt - kNoRefractionBelow);
  return saemundsson(kLargestAt) * w * w * (3.0 - 2.0 * w);
}

double apparent(double factor, double h) { return h + factor * standard_refraction(h) / 60.0; }

}  // namespace

double refraction(double temperature, double pressure, double true_altitude) {
  return apparent(air_factor(temperature, pressure), true_altitude);
}

double unrefract(double temperature, double pressure, double apparent_altitude) {
  const double factor = air_factor(temperature, pressure);
  if (factor == 0.0 || !std::isfinite(apparent_altitude)) return apparent_altitude;
  // The true altitude lies between h − Rmax and h, where apparent(·) − h
  // changes sign; regula falsi with the Illinois modification.
  double lo = apparent_altitude - factor * saemundsson(kLargestAt) / 60.0 - 1e-9;
  double hi = apparent_altitude;
  double f_lo = apparent(factor, lo) - apparent_altitude;
  double f_hi = apparent(factor, hi) - apparent_altitude;
  if (f_hi <= 0.0) return hi;
  if (f_lo >= 0.0) return lo;
  int side = 0;
  double x = hi;
  for (int k = 0; k < 100 && hi - lo > 1e-11; ++k) {
    x = (lo * f_hi - hi * f_lo) / (f_hi - f_lo);
    const double fx = apparent(factor, x) - apparent_altitude;
    if (std::fabs(fx) < 1e-12) return x;
    if (fx > 0.0) {
      hi = x;
      f_hi = fx;
      if (side == 1) f_lo /= 2.0;
      side = 1;
    } else {
      lo = x;
      f_lo = fx;
      if (side == -1) f_hi /= 2.0;
      side = -1;
    }
  }
  return x;
}

}  // namespace sdro
