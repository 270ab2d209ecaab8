// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/nutation.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation_iau1980_table.h"
#include "astro/obliquity.h"

namespace sdro {

namespace {

constexpr double kArcsecToRad = 4.84813681109537e-6;

// Fundamental arguments of the lunar and solar motion in degrees.
struct tfundamental_arguments {
  double d, m, mp, f, om;
};

tfundamental_arguments fundamental_arguments(double t) {
  const double t2 = t * t;
  const double t3 = t2 * t;
  return {
      297.8503631 + 445267.11148 * t - 0.0019142 * t2 + 5.278e-6 * t3,    // D
      357.5277233 + 35999.05034 * t - 0.0001603 * t2 - 3.33e-6 * t3,      // M
      134.9629814 + 477198.8673981 * t + 0.0086972 * t2 + 1.778e-5 * t3,  // M'
      93.2719103 + 483202.0175381 * t - 0.0036825 * t2 + 3.056e-6 * t3,   // F
      125.0445222 - 1934.1362608 * t + 0.00207833 * t2 + 2.22e-6 * t3,    // Ω
  };
}

// First-order rotation of a vector by (Δψ cos ε0, Δψ sin ε0, Δε); the
// increments are formed from the unchanged vector.
void rotate_first_order(tvektor& v, double dpsi_cos_eps, double dpsi_sin_eps, double deps) {
  const double dx = -(dpsi_cos_eps * v.y + dpsi_sin_eps * v.z);
  const double dy = dpsi_cos_eps * v.x - deps * v.z;
  const double dz = dpsi_sin_eps * v.x + deps * v.y;
  v.x += dx;
  v.y += dy;
  v.z += dz;
}

}  // namespace

tnutation nutation(double t) {
  const tfundamental_arguments a = fundamental_arguments(t);
  double dpsi = 0.0;
  double deps = 0.0;
  for (const auto& term : nutation_data::kTerms) {
    const double argument =
        (term.d * a.d + term.m * a.m + term.mp * a.mp + term.f * a.f + term.om * a.om) * kDegToRad;
    dpsi += (term.psi + term.psi_t * t) * std::sin(argument);
    deps += (term.eps + term.eps_t * t) * std::cos(argument);
  }
  // The table is in units of 0.0001″.
  return {dpsi * 1e-4 * kArcsecToRad, deps * 1e-4 * kArcsecToRad};
}

tnutation nutation_degrees(double t) {
  const tnutation n = nutation(t);
  return {n.dpsi * kRadToDeg, n.deps * kRadToDeg};
}

void nutate_equatorial_vector(tvektor& v, double t) {
  const double eps0 = mean_obliquity(t) * kDegToRad;
  const tnutation n = nutation(t);
  rotate_first_order(v, n.dpsi * std::cos(eps0), n.dpsi * std::sin(eps0), n.deps);
}

void nutate_ra_dec(double& alpha, double& delta, double dpsi_cos_eps, double dpsi_sin_eps,
                   double deps) {
  tvektor v = polar_to_cartesian(alpha, delta, 1.0);
  rotate_first_order(v, dpsi_cos_eps, dpsi_sin_eps, deps);
  cartesian_to_angles(v, alpha, delta);
}

}  // namespace sdro
