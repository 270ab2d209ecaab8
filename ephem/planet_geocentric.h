// Geocentric reduction of a planet (or the Sun): light time and aberration.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/vector.h"
#include "ephem/planet_theory.h"
#include "ephem/theory_selection.h"

namespace sdro {

/// Speed of light in AU per day.
inline constexpr double kLightSpeedAuPerDay = 173.1446333113;
/// The light-time iteration ends when two successive retarded times differ
/// by less than this (0.01 s, in Julian centuries) …
inline constexpr double kLightTimeTolerance = 3.16881e-12;
/// … or after this many evaluations of the planet at the retarded time.
inline constexpr int kMaxLightTimeIterations = 8;

/// Result of the geocentric reduction; vectors in AU, mean ecliptic and
/// equinox of date.
struct tgeocentric {
  tvektor apparent;               ///< light time and (with aberration) the observer's motion
  tvektor astrometric;            ///< light time only
  tvektor heliocentric_retarded;  ///< the planet at the retarded time (method with velocities)
  tvektor planet_velocity;        ///< AU per day
  double distance = 0.0;          ///< Δ, AU
  int iterations = 0;             ///< light-time evaluations (0 for the rates method)
};

/// Geocentric place of planet n (1..9; 3 = the Sun itself) at t (Julian
/// centuries TT). `planet` is its heliocentric position at t (ignored for
/// n = 3) and `sun` the geocentric Sun at t (sun_geocentric). With VSOP87 C
/// (velocities supplied) the light time is iterated with the planet
/// recomputed at the retarded time; otherwise the approximate rates give the
/// velocities. with_aberration adds the observer's motion to `apparent`.
tgeocentric planet_geocentric(int planetnummer, const ttheoriewahl& selection, int precision,
                              double t, bool with_aberration, const tplanetposition& planet,
                              const tplanetposition& sun);

}  // namespace sdro
