// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/sexagesimal.h"

#include <cmath>

#include "astro/angles.h"

namespace sdro {
namespace {

double fraction(double x) { return x - std::trunc(x); }

// Degrees, minutes and seconds (or tenths) with carries, packed with the sign.
double pack(double sign, double degrees, double minutes, double seconds) {
  if (seconds >= 60.0) {
    seconds -= 60.0;
    minutes += 1.0;
  }
  if (minutes >= 60.0) {
    minutes -= 60.0;
    degrees += 1.0;
  }
  return sign * (degrees + minutes / 100.0 + seconds / 10000.0);
}

}  // namespace

double packed_to_decimal(double x) {
  const double s = sign_of(x);
  const double a = std::fabs(x);
  const double c = (a + 1e-10) * 100.0;
  const double d = fraction(c);
  const double e = fraction(std::trunc(c) / 100.0);
  return s * (std::trunc(a) + e / 0.6 + d / 36.0);
}

double decimal_to_packed(double x) {
  const double a = std::fabs(x);
  const double b = std::trunc(a);
  const double m = (a - b) * 60.0;
  const double c = std::trunc(m);
  const double d = std::trunc((m - c) * 60.0 + 0.005);
  return pack(sign_of(x), b, c, d);
}

double decimal_to_packed_tenths(double x) {
  const double a = std::fabs(x) + 1.0 / 72000.0;
  const double b = std::trunc(a);
  const double m = (a - b) * 60.0;
  const double c = std::trunc(m);
  const double d = std::trunc((m - c) * 600.0 + 0.0005) / 10.0;
  return pack(sign_of(x), b, c, d);
}

}  // namespace sdro
