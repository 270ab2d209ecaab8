// Obliquity of the ecliptic and the rotation between ecliptic and equator.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/vector.h"

namespace sdro {

/// Mean obliquity ε0 of the ecliptic of date in degrees; T in Julian centuries
/// of dynamical time from J2000.0. Laskar's polynomial (1986): within 0.01″ of
/// the IAU 1980 value over 1000–3000, and usable for ±10000 years.
double mean_obliquity(double t);

/// Ecliptic → equatorial rectangular coordinates of the same equinox
/// (rotation about x by +ε0(T)), in place.
void ecliptic_to_equatorial_vector(tvektor& v, double t);
/// Equatorial → ecliptic rectangular coordinates (rotation about x by −ε0(T)), in place.
void equatorial_to_ecliptic_vector(tvektor& v, double t);

}  // namespace sdro
