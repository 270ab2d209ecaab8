// Two-body motion about the Sun: positions and velocities in the orbit plane
// for elliptic, hyperbolic and near-parabolic orbits, and the orientation
// of the orbit in space.
//
// Units: AU, days, degrees; Gaussian gravitational constant k (massless
// body). Orbit-plane coordinates: x towards perihelion, y 90° ahead in the
// direction of motion.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/vector.h"

namespace sdro {

/// Gaussian gravitational constant k, radians per day (AU, solar mass).
inline constexpr double kGauss = 0.01720209895;
/// k² in AU³/day² (0.0002959122083 to the digits usually quoted; taken as
/// the exact square so that orbits and elements derived from states agree).
inline constexpr double kGaussSquared = kGauss * kGauss;
/// k in degrees per day, the mean daily motion for a = 1 AU (0.985607669).
inline constexpr double kGaussDegreesPerDay = kGauss * 57.295779513082321;
/// k times the days of a Julian century (628.30666414875), for times in
/// Julian centuries.
inline constexpr double kGaussCentury = kGauss * 36525.0;

/// State in the orbit plane. `valid` is false for impossible elements (a ≤ 0,
/// q ≤ 0, an eccentricity outside the form's range, non-finite input; the
/// coordinates are then zero) and when the near-parabolic iteration did not
/// settle (the last iterate is kept).
struct torbit_state {
  double x = 0.0, y = 0.0;    ///< AU
  double vx = 0.0, vy = 0.0;  ///< AU per day
  bool valid = false;
};

/// Ellipse: eccentricity e in [0, 1), semi-major axis a (AU), mean anomaly M
/// (degrees; small negative anomalies before perihelion keep full precision).
torbit_state orbit_elliptic(double e, double a, double mean_anomaly_deg);

/// Hyperbola: e > 1, |a| (AU), the instant t and the perihelion time T0 in
/// Julian centuries from J2000.0.
torbit_state orbit_hyperbolic(double e, double abs_a, double t, double t0);

/// Orbits with e near 1 on either side (and e = 1), by the Stumpff functions:
/// perihelion distance q (AU), t and T0 in Julian centuries. Exact for the
/// parabola; for e ≠ 1 it converges while |1 − e| times the square of the
/// parabolic anomaly stays small (near perihelion); the iteration is bounded
/// and a state it could not settle is flagged.
torbit_state orbit_near_parabolic(double e, double q, double t, double t0);

/// Comet: perihelion distance q (AU), eccentricity e, time of perihelion and
/// instant as JD. e < 1 ellipse, e > 1 hyperbola, e = 1 parabola.
torbit_state comet_orbit_state(double q, double e, double perihelion_jd, double jd);

/// Mean daily motion in degrees per day of an orbit with semi-major axis a (AU).
double mean_daily_motion(double a);

/// Minor planet: a (AU), e, mean anomaly M0 (degrees) at the epoch (JD), the
/// mean daily motion n (degrees per day; 0: computed from a) → state at JD.
torbit_state minor_planet_orbit_state(double a, double e, double mean_anomaly0, double n,
                                      double epoch_jd, double jd);

/// Gauss vectors of the orbit from ω, i, Ω (degrees, ecliptic and equinox of
/// the elements): the columns of the matrix are P (to perihelion), Q and W (pole).
tdrehmatrix gauss_vectors(double perihelion, double inclination, double node);

/// Orbit-plane coordinates (x, y) → ecliptic X, Y, Z = P·x + Q·y (positions
/// and velocities alike).
tvektor orbit_to_ecliptic(const tdrehmatrix& gauss, double x, double y);

/// Heliocentric ecliptic position and velocity from the orbit-plane state.
struct theliocentric_state {
  tvektor position;  ///< AU
  tvektor velocity;  ///< AU per day
};
theliocentric_state heliocentric_state(const tdrehmatrix& gauss, const torbit_state& s);

}  // namespace sdro
