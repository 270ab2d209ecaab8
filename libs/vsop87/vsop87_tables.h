// SPDX-License-Identifier: GPL-3.0-or-later
// Coefficient tables of the VSOP87 D planetary theory (Bretagnon & Francou 1988):
// heliocentric spherical coordinates referred to the mean dynamical ecliptic and
// equinox of date. One generated file per body in tables/.
#pragma once

#include <cstddef>

namespace sdro::vsop87 {

/// One periodic term A cos(B + C tau): A in rad (longitude, latitude) or AU
/// (radius vector), B in rad, C in rad per thousand Julian years.
struct Term {
  double amplitude;
  double phase;
  double frequency;
};

/// The terms multiplying tau^k, sorted by decreasing |amplitude|.
struct Series {
  const Term* terms;
  std::size_t count;
};

/// One coordinate: the series for the powers 0 .. count-1 of tau.
struct Coordinate {
  const Series* powers;
  std::size_t count;
};

/// The three coordinates of one body.
struct Body {
  const char* name;
  Coordinate longitude;  // L, rad
  Coordinate latitude;   // B, rad
  Coordinate radius;     // R, AU
};

extern const Body mercury;
extern const Body venus;
extern const Body earth;
extern const Body mars;
extern const Body jupiter;
extern const Body saturn;
extern const Body uranus;
extern const Body neptune;

}  // namespace sdro::vsop87
