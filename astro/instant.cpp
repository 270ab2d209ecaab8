// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/instant.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "astro/calendar.h"
#include "astro/delta_t.h"

namespace sdro {

namespace {

void refresh_delta_t(tzeitort& z) {
  if (z.automatic_delta_t) z.delta_t = delta_t(jd_from_mjd(z.mjd));
}

}  // namespace

void instant_from_civil(tzeitort& z) {
  const double offset = zone_offset(z);
  z.ut = ut_from_local(offset, z.local_time);
  z.mjd = calendar_to_mjd(z.day, z.month, z.year, z.ut);
  z.weekday = weekday_of(jd_from_mjd(z.mjd), offset);
  refresh_delta_t(z);
}

void civil_from_instant(tzeitort& z) {
  const double offset = zone_offset(z);
  const double local_mjd = z.mjd + offset / 24.0;
  tcalendar_date date = mjd_to_calendar(local_mjd);
  double hour = std::floor(date.hour * 1e8 + 0.5) / 1e8;
  if (hour >= 24.0) {
    // A moment within 1e-8 h of midnight belongs to the next day at 0 h.
    date = mjd_to_calendar(std::round(local_mjd));
    hour = 0.0;
  }
  z.day = date.day;
  z.month = date.month;
  z.year = date.year;
  z.local_time = hour;
  z.ut = ut_from_local(offset, hour);
  z.weekday = weekday_of(jd_from_mjd(z.mjd), offset);
  refresh_delta_t(z);
}

double dynamical_centuries(double mjd, double delta_t_seconds) {
  return centuries_from_j2000(jd_from_mjd(mjd) + delta_t_seconds / 86400.0);
}

tclock_reading computer_now() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto fraction = now - std::chrono::system_clock::from_time_t(seconds);
  std::tm local{};
  localtime_r(&seconds, &local);
  tclock_reading r;
  r.day = local.tm_mday;
  r.month = local.tm_mon + 1;
  r.year = local.tm_year + 1900;
  r.hours = local.tm_hour + local.tm_min / 60.0 +
            (local.tm_sec + std::chrono::duration<double>(fraction).count()) / 3600.0;
  return r;
}

}  // namespace sdro
