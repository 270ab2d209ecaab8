// Kepler's equation in its elliptic and hyperbolic forms, and the Stumpff functions.
//
// Both solvers converge for every eccentricity, including orbits arbitrarily
// close to a parabola (e = 0.9999999 or 1.0000001) at any distance from
// perihelion: they start from the root of the cubic approximation of the
// equation (exact near perihelion), keep a bracket around the root and fall
// back to bisection when a Newton step leaves it. The iterations are
// bounded; the result is the last iterate, never NaN for finite input.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// Elliptic Kepler equation E − e sin E = M. e in [0, 1), M in degrees (any
/// value) → eccentric anomaly E in degrees in [0, 360). Residual below 1e-14
/// rad in M.
double kepler_elliptic(double e, double mean_anomaly_deg);

/// The same in radians with M reduced into (−π, π] and E returned in (−π, π],
/// so small anomalies of near-parabolic orbits keep their full relative
/// precision.
double eccentric_anomaly(double e, double mean_anomaly_rad);

/// Hyperbolic Kepler equation e sinh H − H = MH. e > 1, MH in radians →
/// H in radians (the sign of MH). Relative residual below 1e-14.
double kepler_hyperbolic(double e, double mean_anomaly_rad);

/// Stumpff functions c1 = Σ (−x)ⁿ/(2n+1)!, c2 = Σ (−x)ⁿ/(2n+2)!, c3 = Σ (−x)ⁿ/(2n+3)!.
struct tstumpff {
  double c1 = 1.0;
  double c2 = 0.5;
  double c3 = 1.0 / 6.0;
};
/// Stumpff functions of x: by their series for |x| ≤ 1, by the closed forms
/// (circular for x > 0, hyperbolic for x < 0) beyond. Full double precision.
tstumpff stumpff(double x);

}  // namespace sdro
