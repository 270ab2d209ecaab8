// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/delta_t.h"

#include <cmath>

#include "astro/calendar.h"
#include "astro/delta_t_table.h"

namespace sdro {

namespace {

using delta_t_data::kFirstYear;
using delta_t_data::kLastYear;
using delta_t_data::kSeconds;

constexpr int kTableSize = kLastYear - kFirstYear + 1;
// End of the blend from the table into the long-term parabola.
constexpr double kBlendEndYear = 2150.0;

double far_past(double t) { return 2715.6 + (573.36 + 46.5 * t) * t; }
double middle_ages(double t) { return 50.6 + (67.5 + 22.5 * t) * t; }
double far_future(double t) { return 59.9 + (123.5 + 32.5 * t) * t; }
// Rate of far_future in seconds per year.
double far_future_rate(double t) { return (123.5 + 65.0 * t) / 100.0; }

double from_table(double year) {
  const double x = year - kFirstYear;
  int i = static_cast<int>(std::floor(x));
  if (i < 0) i = 0;
  if (i > kTableSize - 2) i = kTableSize - 2;
  const double q = x - i;
  return kSeconds[i] + (kSeconds[i + 1] - kSeconds[i]) * q;
}

// Cubic Hermite from the last table year (value and last yearly trend) to
// the parabola at kBlendEndYear (value and rate): continuous with a
// continuous rate at both ends.
double blend(double year) {
  const double y1 = kLastYear;
  const double v1 = kSeconds[kTableSize - 1];
  const double s1 = kSeconds[kTableSize - 1] - kSeconds[kTableSize - 2];
  const double t2 = (kBlendEndYear - 2000.0) / 100.0;
  const double v2 = far_future(t2);
  const double s2 = far_future_rate(t2);
  const double h = kBlendEndYear - y1;
  const double u = (year - y1) / h;
  const double u2 = u * u;
  const double u3 = u2 * u;
  return (2 * u3 - 3 * u2 + 1) * v1 + (u3 - 2 * u2 + u) * h * s1 + (-2 * u3 + 3 * u2) * v2 +
         (u3 - u2) * h * s2;
}

}  // namespace

double delta_t(double jd) {
  const double year = (jd - kJ2000) / 365.25 + 2000.0;
  const double t = (year - 2000.0) / 100.0;
  if (!std::isfinite(year)) return 0.0;
  if (year < 948.0) return far_past(t);
  if (year < kFirstYear) return middle_ages(t);
  if (year <= kLastYear) return from_table(year);
  if (year < kBlendEndYear) return blend(year);
  return far_future(t);
}

}  // namespace sdro
