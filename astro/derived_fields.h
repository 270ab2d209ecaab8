// Bringing the derived fields of the instant record up to date.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/zeitort.h"

namespace sdro {

/// Recomputes everything the record derives from its MJD, ΔT and place:
/// ΔT (when automatic), T (dynamical time), the local sidereal time (the
/// apparent one with `apparent_sidereal_time`), the observer's geocentric
/// latitude and distance, the mean obliquity with its sine and cosine, sine
/// and cosine of the latitude, the nutation and its products with the
/// obliquity, the Sun's longitude and the Earth's eccentricity for
/// aberration, and the precession matrices from B1950.0 and J1950.0 to the
/// date. The civil fields, the Sun's R, B, L and the lunar-eclipse fields
/// are left as they are.
void update_derived_fields(tzeitort& z, bool apparent_sidereal_time);

}  // namespace sdro
