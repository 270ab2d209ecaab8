// SPDX-License-Identifier: GPL-3.0-or-later
// The ELP/MPP02 lunar solution (Chapront & Francou 2003, constants fitted to
// DE405): geocentric rectangular position of the Moon.
//
// Accuracy: the constants are fitted to DE405 over 1950-2060, where the
// complete series follow it closely; farther out the accuracy degrades
// slowly (the polynomial parts dominate beyond a few thousand years).
// Finite for every T within +/-100 centuries; never throws.
#pragma once

namespace sdro::elp {

/// Mean distance of the Moon (km), the scale of the truncation rule for the
/// distance terms.
inline constexpr double mean_distance_km = 384400.0;

/// Geocentric position in km.
struct MoonVector {
  double x, y, z;
};

/// Longitude and latitude (rad) referred to the mean ecliptic and equinox
/// of date, and distance (km), at T (Julian centuries of TDB from J2000.0),
/// keeping terms of at least min_angle (rad) in the angles and min_distance
/// (km) in the distance (0 keeps all).
struct MoonSpherical {
  double longitude, latitude, distance;
};
MoonSpherical moon_of_date(double T, double min_angle, double min_distance);

/// The same position rotated to the inertial mean ecliptic and equinox of
/// J2000.0 with Laskar's precession quantities P and Q, as the theory
/// prescribes.
MoonVector moon_j2000(double T, double min_angle, double min_distance);

/// The library's form: Julian Date of TDB (bounded as
/// theory::bounded_centuries) and the libraries' precision argument.
MoonVector moon_j2000_for_jd(double jd, double precision);

}  // namespace sdro::elp
