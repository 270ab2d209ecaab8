// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/obliquity.h"

namespace sdro {

double mean_obliquity(double t) {
  // Coefficients of U⁰ … U¹⁰ in arcseconds, U = T/100 (10000 Julian years).
  static constexpr double kCoefficients[] = {84381.448, -4680.93, -1.55, 1999.25, -51.38, -249.67,
                                             -39.05,    7.12,     27.87, 5.79,    2.45};
  const double u = t / 100.0;
  double sum = 0.0;
  for (int k = 10; k >= 0; --k) sum = sum * u + kCoefficients[k];
  return sum / 3600.0;
}

void ecliptic_to_equatorial_vector(tvektor& v, double t) {
  matrix_times_vector(rotation_x(mean_obliquity(t)), v);
}

void equatorial_to_ecliptic_vector(tvektor& v, double t) {
  matrix_times_vector(rotation_x(-mean_obliquity(t)), v);
}

}  // namespace sdro
