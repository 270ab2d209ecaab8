// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/element_precession.h"

#include "astro/angles.h"
#include "astro/precession.h"
#include "astro/vector.h"

namespace sdro {

void precess_orbital_elements(double& inclination, double& node, double& perihelion, double t2,
                              double t1) {
  const double i0 = inclination;
  const double node0 = node;
  const double t = t2 - t1;

  // The orbit's pole: longitude Ω − 90°, latitude 90° − i.
  tvektor pole = polar_to_cartesian(node0 - 90.0, 90.0 - i0, 1.0);
  matrix_times_vector(precession_matrix_ecliptic(t2, t1), pole);
  double lon, lat;
  cartesian_to_angles(pole, lon, lat);
  inclination = 90.0 - lat;
  node = normalize_degrees(lon + 90.0);

  // The argument of perihelion turns with the node on the moving ecliptic.
  const double big_pi = 174.8763833 + (3289.48 * t1 + 0.61 * t1 * t1) / 3600.0 +
                        (-869.81 - 0.50 * t1) * t / 3600.0 + 0.04 * t * t / 3600.0;
  const double small_pi = ((47.003 - 0.067 * t1) * t - 0.033 * t * t) / 3600.0;
  double cpi;
  const double spi = sincos_deg(small_pi, cpi);
  double cdn;
  const double sdn = sincos_deg(node0 - big_pi, cdn);
  double ci;
  const double si = sincos_deg(i0, ci);
  const double domega = atan2_deg(si * cpi - ci * spi * cdn, -spi * sdn);
  perihelion = normalize_degrees(perihelion + domega);
}

}  // namespace sdro
