// Precession of the orientation elements of an orbit.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// Inclination i, longitude of the ascending node Ω and argument of
/// perihelion ω in degrees, in place, from the mean ecliptic and equinox of
/// T1 to those of T2 (Julian centuries of dynamical time from J2000.0).
/// Ω and ω are returned in [0, 360). Callers pass T1 = (equinox year − 2000)/100
/// of the element set and T2 = T of the instant.
void precess_orbital_elements(double& inclination, double& node, double& perihelion, double t2,
                              double t1);

}  // namespace sdro
