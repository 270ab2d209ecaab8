// SPDX-License-Identifier: GPL-3.0-or-later
// The precision argument and the time argument of the theory libraries.
//
// Precision rule (all three libraries): for p >= 0 a periodic term is kept
// when its amplitude is at least 10^-p, the amplitude taken in radians for
// angles and in AU for the planets' radius vectors; the Moon's distance terms
// are measured against the mean distance instead (10^-p * 384400 km). Any
// negative or non-finite p (the chart passes -1) keeps every term: the
// complete series. Larger p never keeps fewer terms.
#pragma once

#include <cmath>

namespace sdro::theory {

/// Smallest amplitude kept for the precision argument p (dimensionless, see
/// above); 0 keeps every term.
inline double amplitude_threshold(double precision) {
  if (!(precision >= 0.0)) return 0.0;           // -1, other negatives, NaN
  if (precision > 300.0) return 0.0;             // 10^-p underflows: everything
  return std::pow(10.0, -precision);
}

/// Time argument limited to what the series can be evaluated at: Julian
/// centuries from J2000.0, clamped to [-100, +100] (the program itself uses
/// about -67 to +80); NaN is evaluated at J2000.0.
inline double bounded_centuries(double T) {
  if (std::isnan(T)) return 0.0;
  if (T < -100.0) return -100.0;
  if (T > 100.0) return 100.0;
  return T;
}

/// Stores value through a caller's pointer; a null pointer is skipped.
inline void store(double* target, double value) {
  if (target != nullptr) *target = value;
}

}  // namespace sdro::theory
