// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animation/animation_steps.h"

#include <cmath>

#include "app/engine/instant.h"
#include "astro/calendar.h"
#include "astro/instant.h"

namespace sdro {
namespace {

constexpr int kFirstYearStepBack = -4711;
constexpr int kLastYearStepForward = 9998;
constexpr int kZeroIntervalUnits = 40;

}  // namespace

double packed_to_hours(double packed) {
  const double h = std::trunc(packed);
  const double rest = (packed - h) * 100.0;
  const double m = std::trunc(rest + 1e-9);
  const double s = (rest - m) * 100.0;
  const double hours = h + m / 60.0 + s / 3600.0;
  return std::round(hours * 1e8) / 1e8;
}

double hours_to_packed(double hours) {
  const double total = std::round(hours * 3600.0);
  const double h = std::trunc(total / 3600.0);
  const double m = std::trunc((total - h * 3600.0) / 60.0);
  const double s = total - h * 3600.0 - m * 60.0;
  return h + m / 100.0 + s / 10000.0;
}

double animation_step_days(const tanimation& a) {
  if (a.sternzeit) return a.sterntage * kSiderealDay;
  return a.tage + packed_to_hours(a.zeitschritt) / 24.0;
}

int animation_interval_ms(const tanimation& a) {
  return 10 * (a.intervall == 0 ? kZeroIntervalUnits : a.intervall);
}

std::optional<double> animation_step(double mjd, double days, bool backwards) {
  const double next = backwards ? mjd - days : mjd + days;
  const double jd = jd_from_mjd(next);
  if (!(jd >= kFirstAnimationJd && jd <= kLastAnimationJd)) return std::nullopt;
  return next;
}

void set_instant_mjd(tzeitort& z, double mjd) {
  z.mjd = mjd;
  civil_from_instant(z);
}

std::optional<tzeitort> year_step(const tzeitort& z, int direction) {
  if (direction < 0 && z.year < kFirstYearStepBack) return std::nullopt;
  if (direction > 0 && z.year > kLastYearStepForward) return std::nullopt;
  tzeitort next = z;
  next.year += direction < 0 ? -1 : 1;
  complete_from_civil(next);
  civil_from_instant(next);  // 29 February of a common year becomes 1 March
  return next;
}

std::optional<tzeitort> mjd_step(const tzeitort& z, double days) {
  const double jd = jd_from_mjd(z.mjd + days);
  if (!(jd >= kFirstStepJd && jd <= kLastStepJd)) return std::nullopt;
  tzeitort next = z;
  set_instant_mjd(next, z.mjd + days);
  return next;
}

}  // namespace sdro
