// Annual aberration of equatorial positions (Ron–Vondrák first order, κ = 20.49552″).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// Constant of aberration κ in degrees (20.49552″).
inline constexpr double kAberrationConstant = 0.0056932;

struct tsun_for_aberration {
  double longitude = 0.0;     ///< the Sun's true geometric longitude ⊙, degrees (not reduced)
  double eccentricity = 0.0;  ///< eccentricity e of the Earth's orbit
};

/// The Sun's true geometric longitude (mean equinox of date, about 0.01°
/// accuracy) and the Earth's orbital eccentricity; T in Julian centuries of
/// dynamical time from J2000.0.
tsun_for_aberration sun_longitude_and_eccentricity(double t);

/// Applies annual aberration to α, δ (degrees, in place; α returned in
/// [0, 360)); ε the obliquity in degrees, T in Julian centuries. Mode 1: the
/// circular term only; mode 2: with the elliptic terms (e and the longitude
/// of perihelion ϖ). The displacement is applied as a vector, so positions at
/// and near the celestial poles are handled without a division by cos δ.
/// Accuracy about 0.01″ against the first-order theory.
void annual_aberration(int mode, double& alpha, double& delta, double epsilon, double t);

/// Mode 1 with prepared values: cos ⊙, sin ⊙, cos ε, sin ε (tzeitort keeps them).
void annual_aberration_prepared(double& alpha, double& delta, double cos_sun, double sin_sun,
                                double cos_eps, double sin_eps);

}  // namespace sdro
