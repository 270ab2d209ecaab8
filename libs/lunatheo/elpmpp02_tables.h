// SPDX-License-Identifier: GPL-3.0-or-later
// Coefficient tables of the ELP/MPP02 lunar solution (Chapront & Francou 2003),
// constants fitted to DE405. Generated into tables/elpmpp02_moon.cpp.
#pragma once

#include <cstddef>

namespace sdro::elp {

/// One term A sin(p0 + p1 T + p2 T^2 + p3 T^3 + p4 T^4): A in arcseconds
/// (longitude, latitude) or km (distance), p in rad, T in Julian centuries.
struct ElpTerm {
  double amplitude;
  double argument[5];
};

/// The terms multiplying T^k, sorted by decreasing |amplitude|.
struct ElpSeries {
  const ElpTerm* terms;
  std::size_t count;
};

/// One coordinate: the series for the powers 0 .. count-1 of T.
struct ElpCoordinate {
  const ElpSeries* powers;
  std::size_t count;
};

struct ElpMoon {
  double mean_longitude[5];  // W1: rad, polynomial in T
  ElpCoordinate longitude;   // V - W1, arcseconds
  ElpCoordinate latitude;    // U, arcseconds
  ElpCoordinate distance;    // r, km
};

extern const ElpMoon moon;

}  // namespace sdro::elp
