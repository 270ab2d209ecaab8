// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/aberration.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/vector.h"

namespace sdro {

tsun_for_aberration sun_longitude_and_eccentricity(double t) {
  const double e = 0.016708617 - 4.204e-5 * t - 1.236e-7 * t * t;
  const double m = (357.5291 + (35999.05028 - 1.561e-4 * t) * t) * kDegToRad;
  const double l0 = 280.46646 + 36000.76983 * t + 3.032e-4 * t * t;
  const double c = (2.0 - e * e / 4.0) * e * std::sin(m) + 1.25 * e * e * std::sin(2.0 * m) +
                   13.0 / 12.0 * e * e * e * std::sin(3.0 * m);
  return {l0 + c * kRadToDeg, e};
}

void annual_aberration_prepared(double& alpha, double& delta, double cos_sun, double sin_sun,
                                double cos_eps, double sin_eps) {
  // κ times the direction of the displacement, in equatorial coordinates; the
  // star moves by the part of it perpendicular to its direction.
  const double k = kAberrationConstant * kDegToRad;
  const tvektor shift{k * sin_sun, -k * cos_sun * cos_eps, -k * cos_sun * sin_eps};
  const tvektor u = polar_to_cartesian(alpha, delta, 1.0);
  const tvektor moved = u + shift - dot(shift, u) * u;
  cartesian_to_angles(moved, alpha, delta);
}

void annual_aberration(int mode, double& alpha, double& delta, double epsilon, double t) {
  const tsun_for_aberration sun = sun_longitude_and_eccentricity(t);
  double cos_sun;
  double sin_sun = sincos_deg(sun.longitude, cos_sun);
  if (mode == 2) {
    double cos_peri;
    const double sin_peri = sincos_deg(102.93735 + (1.71954 + 0.00046 * t) * t, cos_peri);
    cos_sun -= sun.eccentricity * cos_peri;
    sin_sun -= sun.eccentricity * sin_peri;
  }
  double cos_eps;
  const double sin_eps = sincos_deg(epsilon, cos_eps);
  annual_aberration_prepared(alpha, delta, cos_sun, sin_sun, cos_eps, sin_eps);
}

}  // namespace sdro
