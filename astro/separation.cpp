// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/separation.h"

#include <cmath>

#include "astro/angles.h"

namespace sdro {

namespace {

constexpr double kSmallAngle = 10.0 / 60.0;  // 10 arcminutes

double haversine_separation(double dalpha, double delta1, double delta2) {
  const double s_dec = sin_deg((delta1 - delta2) / 2.0);
  const double s_ra = sin_deg(dalpha / 2.0);
  const double h = s_dec * s_dec + cos_deg(delta1) * cos_deg(delta2) * s_ra * s_ra;
  return 2.0 * asin_deg(std::sqrt(h));
}

}  // namespace

double angular_separation(double alpha1, double alpha2, double delta1, double delta2) {
  const double dalpha = alpha1 - alpha2;
  double d = acos_deg(sin_deg(delta1) * sin_deg(delta2) +
                      cos_deg(delta1) * cos_deg(delta2) * cos_deg(dalpha));
  if (d < kSmallAngle) d = haversine_separation(dalpha, delta1, delta2);
  return delta2 > delta1 ? -d : d;
}

}  // namespace sdro
