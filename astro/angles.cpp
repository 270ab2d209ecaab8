// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/angles.h"

#include <cmath>

namespace sdro {

double trunc_int(double x) { return std::trunc(x); }

double normalize_degrees(double x) {
  double r = x - 360.0 * std::trunc(x / 360.0);
  if (r < 0.0) r += 360.0;
  // A tiny negative remainder plus 360 rounds to exactly 360.
  return r >= 360.0 ? 0.0 : r;
}

double normalize_hours(double x) {
  double r = x - 24.0 * std::trunc(x / 24.0);
  if (r < 0.0) r += 24.0;
  return r >= 24.0 ? 0.0 : r;
}

double frac_positive(double x) {
  double r = x - std::trunc(x);
  if (r < 0.0) r += 1.0;
  return r >= 1.0 ? 0.0 : r;
}

double sin_deg(double x) { return std::sin(x * kDegToRad); }
double cos_deg(double x) { return std::cos(x * kDegToRad); }
double tan_deg(double x) { return std::tan(x * kDegToRad); }

double sincos_deg(double x, double& c) {
  const double r = x * kDegToRad;
  c = std::cos(r);
  return std::sin(r);
}

double atan_deg(double x) { return std::atan(x) / kDegToRad; }

double asin_deg(double x) {
  if (x >= 1.0) return 90.0;
  if (x <= -1.0) return -90.0;
  if (std::fabs(x) <= 1e-7) return x / kDegToRad;
  return std::atan(x / std::sqrt(1.0 - x * x)) / kDegToRad;
}

double acos_deg(double x) { return 90.0 - asin_deg(x); }

double atan2_deg(double x, double y) {
  if (x == 0.0 && y == 0.0) return 0.0;
  const double a = std::fabs(x);
  const double b = std::fabs(y);
  double h = a > b ? atan_deg(b / a) : 90.0 - atan_deg(a / b);
  if (x < 0.0) h = 180.0 - h;
  return y < 0.0 ? -h : h;
}

double sign_of(double x) { return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0); }

double log10_of(double x) { return std::log(x) / std::log(10.0); }

double cube_root(double x) { return std::cbrt(x); }

}  // namespace sdro
