// Precession matrices (IAU 1976) and the precession of equatorial positions.
// All epochs are in Julian centuries of dynamical time from J2000.0; the
// matrices are rotations v(T2) = M·v(T1) of rectangular coordinates.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/vector.h"

namespace sdro {

/// Mean equator and equinox of T1 → mean equator and equinox of T2
/// (Lieske 1977 angles ζ, z, θ for arbitrary epochs). Agrees with the IAU 1976
/// model to better than 0.001″ within ±5 centuries of J2000.0.
tdrehmatrix precession_matrix_equatorial(double t2, double t1);

/// Mean ecliptic and equinox of T1 → mean ecliptic and equinox of T2
/// (Lieske 1977 angles Π, π, p for arbitrary epochs).
tdrehmatrix precession_matrix_ecliptic(double t2, double t1);

/// FK4 equator and equinox of B1950.0 → mean equator and equinox of T
/// (Newcomb's rates, counted from 1950.0). The FK4–FK5 difference of about
/// 0.5″ per century in the equinox is not modelled.
tdrehmatrix precession_matrix_b1950(double t);

/// Right ascension α and declination δ in degrees, in place, from the mean
/// equator of T1 to that of T2; α returned in [0, 360).
void precess_ra_dec(double& alpha, double& delta, double t1, double t2);

}  // namespace sdro
