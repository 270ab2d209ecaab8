// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/calendar.h"

#include <cmath>

namespace sdro {

namespace {

// The last day of the Julian calendar as packed yyyymmdd (1582-10-04).
constexpr double kLastJulianDay = 15821004.1;
// JD (at noon, as a whole number) of 1582-10-15, the first Gregorian day.
constexpr double kFirstGregorianJdn = 2299161.0;

}  // namespace

double calendar_to_mjd(int day, int month, int year, double hour) {
  double y = year;
  double m = month;
  if (month <= 2) {
    y -= 1.0;
    m += 12.0;
  }
  double b;
  if (10000.0 * year + 100.0 * month + day <= kLastJulianDay) {
    b = std::floor((y + 4716.0) / 4.0) - 1181.0;
  } else {
    b = std::floor(y / 400.0) - std::floor(y / 100.0) + std::floor(y / 4.0);
  }
  return 365.0 * y - 679004.0 + b + std::floor(30.6001 * (m + 1.0)) + day + hour / 24.0;
}

double calendar_to_jd(int day, int month, int year, double hour) {
  return jd_from_mjd(calendar_to_mjd(day, month, year, hour));
}

tcalendar_date mjd_to_calendar(double mjd) {
  const double a = mjd + kMjdOffset + 0.5;
  const double c = std::floor(a);
  double d;
  if (c >= kFirstGregorianJdn) {
    const double e = std::floor((c - 1867216.25) / 36524.25);
    d = c + e - std::floor(e / 4.0) + 1525.0;
  } else {
    d = c + 1524.0;
  }
  const double f = std::floor((d - 122.1) / 365.25);
  const double g = d - (std::floor(f / 4.0) + 365.0 * f);
  const double h = std::floor(g / 30.6001);
  tcalendar_date r;
  r.day = static_cast<int>(std::floor(g + 0.5) - std::floor(30.6001 * h));
  r.month = static_cast<int>(h - 1.0 - 12.0 * std::floor(h / 14.0));
  r.year = static_cast<int>(f - 4715.0 - std::floor((r.month + 7) / 10.0));
  r.hour = (a - c) * 24.0;
  return r;
}

tcalendar_date jd_to_calendar(double jd) { return mjd_to_calendar(mjd_from_jd(jd)); }

int weekday_of(double jd, double offset_hours) {
  // JD 2451544.5 (2000-01-01 0h) was a Saturday (6).
  const double w = jd + offset_hours / 24.0 - 5.5;
  double r = w - 7.0 * std::floor(w / 7.0);
  if (r >= 7.0) r = 0.0;
  return static_cast<int>(r);
}

}  // namespace sdro
