// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/precession.h"

#include "astro/angles.h"

namespace sdro {

namespace {

// The equatorial precession matrix from the angles ζ, z, θ in degrees.
tdrehmatrix matrix_from_zeta_z_theta(double zeta, double z, double theta) {
  double cz, cth, cze;
  const double sz = sincos_deg(z, cz);
  const double sth = sincos_deg(theta, cth);
  const double sze = sincos_deg(zeta, cze);
  tdrehmatrix m;
  m.m[0][0] = cz * cth * cze - sz * sze;
  m.m[0][1] = -cz * cth * sze - sz * cze;
  m.m[0][2] = -cz * sth;
  m.m[1][0] = sz * cth * cze + cz * sze;
  m.m[1][1] = -sz * cth * sze + cz * cze;
  m.m[1][2] = -sz * sth;
  m.m[2][0] = sth * cze;
  m.m[2][1] = -sth * sze;
  m.m[2][2] = cth;
  return m;
}

}  // namespace

tdrehmatrix precession_matrix_equatorial(double t2, double t1) {
  const double dt = t2 - t1;
  const double zeta = ((2306.2181 + (1.39656 - 0.000139 * t1) * t1) +
                       ((0.30188 - 0.000344 * t1) + 0.017998 * dt) * dt) *
                      dt / 3600.0;
  const double z = zeta + ((0.7928 + 0.000411 * t1) + 0.000205 * dt) * dt * dt / 3600.0;
  const double theta = ((2004.3109 - (0.8533 + 0.000217 * t1) * t1) -
                        ((0.42665 + 0.000217 * t1) + 0.041833 * dt) * dt) *
                       dt / 3600.0;
  return matrix_from_zeta_z_theta(zeta, z, theta);
}

tdrehmatrix precession_matrix_ecliptic(double t2, double t1) {
  const double dt = t2 - t1;
  const double big_pi =
      174.876383889 +
      ((3289.4789 + 0.60622 * t1) * t1 + (-869.8089 - 0.50491 * t1 + 0.03536 * dt) * dt) / 3600.0;
  const double small_pi = ((47.0029 - (0.06603 - 0.000598 * t1) * t1) +
                           ((-0.03302 + 0.000598 * t1) + 0.00006 * dt) * dt) *
                          dt / 3600.0;
  const double p = ((5029.0966 + (2.22226 - 0.000042 * t1) * t1) +
                    ((1.11113 - 0.000042 * t1) - 0.000006 * dt) * dt) *
                   dt / 3600.0;
  double ca, cc, cp;
  const double sa = sincos_deg(big_pi + p, ca);
  const double sc = sincos_deg(big_pi, cc);
  const double sp = sincos_deg(small_pi, cp);
  tdrehmatrix m;
  m.m[0][0] = ca * cc + sa * cp * sc;
  m.m[0][1] = ca * sc - sa * cp * cc;
  m.m[0][2] = -sa * sp;
  m.m[1][0] = sa * cc - ca * cp * sc;
  m.m[1][1] = sa * sc + ca * cp * cc;
  m.m[1][2] = ca * sp;
  m.m[2][0] = sp * sc;
  m.m[2][1] = -sp * cc;
  m.m[2][2] = cp;
  return m;
}

tdrehmatrix precession_matrix_b1950(double t) {
  const double u = t + 0.5;
  const double zeta = (2304.948 + (0.302 + 0.018 * u) * u) * u / 3600.0;
  const double z = (2304.948 + (1.093 + 0.019 * u) * u) * u / 3600.0;
  const double theta = (2004.255 - (0.426 + 0.042 * u) * u) * u / 3600.0;
  return matrix_from_zeta_z_theta(zeta, z, theta);
}

void precess_ra_dec(double& alpha, double& delta, double t1, double t2) {
  tvektor v = polar_to_cartesian(alpha, delta, 1.0);
  matrix_times_vector(precession_matrix_equatorial(t2, t1), v);
  cartesian_to_angles(v, alpha, delta);
}

}  // namespace sdro
