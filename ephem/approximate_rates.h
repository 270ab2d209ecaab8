// Approximate rates of change of the heliocentric (for the Sun: geocentric)
// R, B and L of the bodies from their mean anomalies, and the rectangular
// velocity they give. Used for light time and aberration when the theory has
// no velocities, and for positions seen from another planet.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/vector.h"

namespace sdro {

/// Rates in units of 1e-4: L̇ and Ḃ in radians per day, Ṙ in AU per day.
struct trates {
  double l_dot = 0.0;
  double r_dot = 0.0;
  double b_dot = 0.0;
};

/// Rates of body n (1 Mercury … 9 Pluto; 3 the geocentric Sun) at t (Julian
/// centuries TT from J2000.0). Good to a few per cent, which is ample for
/// light time and aberration. Other n give zeros.
trates approximate_rates(int planetnummer, double t);

/// Rectangular velocity (AU per day) at the spherical place (R in AU, B and L
/// in degrees) from rates in units of 1e-4 (as approximate_rates gives them).
tvektor velocity_from_rates(double r, double b, double l, const trates& rates);

/// Light time of a distance Δ (AU) in days.
inline constexpr double kLightDaysPerAu = 0.00578;

}  // namespace sdro
