// Osculating orbital elements from a heliocentric state vector.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/vector.h"

namespace sdro {

enum class torbit_type : int { ellipse = 0, parabola = 1, hyperbola = 2 };

/// Osculating elements (ecliptic and equinox of the state vector; angles in
/// degrees in [0, 360) unless stated).
struct tosculating_elements {
  double a = 0.0;            ///< semi-major axis, AU (negative for a hyperbola, 0 for a parabola)
  double q = 0.0;            ///< perihelion distance, AU
  double e = 0.0;            ///< eccentricity
  double inclination = 0.0;  ///< i, [0, 180]
  double node = 0.0;         ///< Ω, longitude of the ascending node
  double perihelion = 0.0;   ///< ω, argument of perihelion
  double longitude_of_perihelion = 0.0;  ///< ϖ = Ω + ω
  /// M in (−180, 180]; for a hyperbola e sinh H − H in degrees; 0 for a parabola
  double mean_anomaly = 0.0;
  double daily_motion = 0.0;  ///< n, degrees per day (for a hyperbola √(GM/|a|³)); 0 for a parabola
  double perihelion_time = 0.0;    ///< JD (in the time scale of the epoch)
  double semi_latus_rectum = 0.0;  ///< p, AU
  torbit_type type = torbit_type::ellipse;
};

enum class telements_status : int {
  ok = 0,
  no_state,     ///< zero or non-finite position or velocity
  rectilinear,  ///< position and velocity parallel: no orbital plane
  degenerate,   ///< the arithmetic broke down (a state at a numerical limit)
};

/// Elements of the two-body orbit through position (AU) and velocity (AU per
/// day), both heliocentric ecliptic, for a body of `mass` solar masses
/// (GM = k²(1 + mass)), at the epoch (JD). For an orbit in the ecliptic
/// (i = 0 or 180°) the node is 0 and ω is counted from the equinox.
/// On any status but ok, `elements` is left unchanged.
telements_status elements_from_state(const tvektor& position, const tvektor& velocity, double mass,
                                     double epoch_jd, tosculating_elements& elements);

}  // namespace sdro
