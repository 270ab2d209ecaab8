// Evaluation of the own planetary and solar perturbation series: one routine
// that every planet (and the geocentric Sun) shares; the tables differ.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephem/series_types.h"

namespace sdro {

/// Heliocentric (for the Sun: geocentric) ecliptic position from one series.
/// l in [0, 360) and b in degrees, r in AU, all referred to the frame the
/// series is built for (mean ecliptic and equinox of date; Pluto's of B1950.0).
struct tseriesposition {
  double l = 0.0;
  double b = 0.0;
  double r = 0.0;
};

/// Sums the perturbation groups, the extra terms and the polynomials of the
/// series at t (Julian centuries of dynamical time from J2000.0) and assembles
/// L, B, R. Accuracy is that of the published series (see the tests).
tseriesposition evaluate_planet_series(const tplanetseries& series, double t);

/// cos k·M and sin k·M for k = 0..max, built by the angle-addition recurrence;
/// negative multiples by conjugation.
class tmultiples {
 public:
  /// Fills the table for the angle m (radians) up to the multiple max
  /// (clamped into 0..kMaxMultiple).
  void fill(double m, int max);
  double cos_k(int k) const { return c_[k < 0 ? -k : k]; }
  double sin_k(int k) const { return k < 0 ? -s_[-k] : s_[k]; }

 private:
  double c_[kMaxMultiple + 1] = {1.0};
  double s_[kMaxMultiple + 1] = {0.0};
};

}  // namespace sdro
