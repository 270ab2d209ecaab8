// Nutation in longitude and obliquity (IAU 1980 theory, 63 terms) and its
// application to equatorial positions.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/vector.h"

namespace sdro {

/// Nutation in longitude Δψ and in obliquity Δε.
struct tnutation {
  double dpsi = 0.0;
  double deps = 0.0;
};

/// Δψ, Δε in radians; T in Julian centuries of dynamical time from J2000.0.
/// The IAU 1980 series truncated at 0.0003″ (the term in the Moon's node and
/// 62 periodic terms): within 0.01″ of the full 106-term series.
tnutation nutation(double t);
/// The same in degrees.
tnutation nutation_degrees(double t);

/// Mean equator and equinox of date → true equator and equinox of date, for a
/// rectangular equatorial vector (any unit), in place. First-order rotation
/// by Δψ, Δε; T in Julian centuries of dynamical time.
void nutate_equatorial_vector(tvektor& v, double t);

/// The same rotation for right ascension α and declination δ in degrees
/// (in place; α returned in [0, 360)), with the prepared products Δψ·cos ε0,
/// Δψ·sin ε0 and Δε in radians (tzeitort keeps them).
void nutate_ra_dec(double& alpha, double& delta, double dpsi_cos_eps, double dpsi_sin_eps,
                   double deps);

}  // namespace sdro
