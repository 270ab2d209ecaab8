// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/interpolation.h"

#include <cmath>

namespace sdro {

tparabola parabola_through_three(double y_minus, double y0, double y_plus) {
  double a = 0.5 * (y_plus + y_minus) - y0;
  if (a == 0.0) a = 1e-10;
  const double b = 0.5 * (y_plus - y_minus);
  tparabola p;
  p.extremum_x = -b / (2.0 * a);
  p.extremum_y = y0 + p.extremum_x * (b + a * p.extremum_x);
  const double discriminant = b * b - 4.0 * a * y0;
  if (discriminant >= 0.0) {
    const double dx = 0.5 * std::sqrt(discriminant) / std::fabs(a);
    p.zero1 = p.extremum_x - dx;
    p.zero2 = p.extremum_x + dx;
    if (std::fabs(p.zero1) <= 1.0) ++p.zero_count;
    if (std::fabs(p.zero2) <= 1.0) ++p.zero_count;
    if (p.zero1 < -1.0) p.zero1 = p.zero2;
  }
  return p;
}

textremum extremum_through_three(double y_minus, double y0, double y_plus) {
  const double d1 = y_minus - y0;
  const double d2 = y0 - y_plus;
  textremum r;
  r.value = y0;
  if (d1 - d2 == 0.0) return r;
  r.x = (d1 + d2) / (2.0 * (d1 - d2));
  r.value = y0 - (d1 + d2) * (d1 + d2) / (8.0 * (d1 - d2));
  r.inside = std::fabs(r.x) < 1.0;
  return r;
}

}  // namespace sdro
