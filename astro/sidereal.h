// Sidereal time.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/nutation.h"

namespace sdro {

/// Greenwich mean sidereal time in hours [0, 24) for the MJD of UT (the IAU
/// 1982 expression; within 0.1 ms of it for 1800–2200).
double greenwich_mean_sidereal_time(double mjd);

/// Equation of the equinoxes Δψ·cos(ε0 + Δε) in hours, for the nutation
/// (radians) and the mean obliquity ε0 (degrees).
double equation_of_equinoxes(const tnutation& n, double mean_obliquity_deg);

/// Local sidereal time in hours [0, 24): the mean one, or with `apparent` the
/// apparent one (mean plus the equation of the equinoxes, nutation at the
/// instant), for the longitude (degrees, WEST positive) and the MJD of UT.
double local_sidereal_time(bool apparent, double longitude, double mjd);

}  // namespace sdro
