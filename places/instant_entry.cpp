// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/instant_entry.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/delta_t.h"
#include "astro/instant.h"
#include "astro/language.h"
#include "astro/text_format.h"
#include "places/date_entry.h"
#include "places/entry_checks.h"
#include "places/number_text.h"

namespace sdro {
namespace {

std::optional<int> whole_number(std::string_view text) {
  const auto v = parse_whole_number(text);
  if (!v || *v < -1000000 || *v > 1000000) return std::nullopt;
  return static_cast<int>(*v);
}

tday_fraction_check refused(std::string_view message, std::string_view caption = {}) {
  return {false, std::string(message), std::string(caption)};
}

/// Completes the instant from the civil fields, then writes the civil fields
/// back from the instant, so that a local time beyond 24 h moves the date.
void complete_and_normalise(tzeitort& z) {
  instant_from_civil(z);
  civil_from_instant(z);
}

}  // namespace

double local_time_at_0h_ut(const tzeitort& z) { return normalize_hours(zone_offset(z)); }

void set_zone_to_ut(tzeitort& z) {
  z.zone = -z.daylight_saving;
  z.additional_minutes = 0;
}

double approximate_delta_t(const tzeitort& z) {
  const double ut = ut_from_local(zone_offset(z), z.local_time);
  return delta_t(calendar_to_jd(z.day, z.month, z.year, ut));
}

void set_instant_from_ut(tzeitort& z, int day, int month, int year, double ut_hours) {
  z.day = day;
  z.month = month;
  z.year = year;
  z.local_time = ut_hours + zone_offset(z);
  complete_and_normalise(z);
}

tday_fraction day_fraction_of(const tzeitort& z) {
  const tcalendar_date ut_date = mjd_to_calendar(z.mjd);
  return {ut_date.year, ut_date.month, ut_date.day + ut_date.hour / 24.0};
}

std::string format_day_fraction(double day) { return point_to_comma(format_fixed_trimmed(5, day)); }

tday_fraction_check check_day_fraction(std::string_view year, std::string_view month,
                                       std::string_view day, tday_fraction& out) {
  const auto y = whole_number(year);
  if (!y || *y < kMinYear || *y > 20000) {
    return refused(tr("Jahr: muß >=-4712 und <=20000 sein!", "Year: must be >=-4712 and <=20000!"));
  }
  const auto m = whole_number(month);
  if (!m || *m < 1 || *m > 12) {
    return refused(tr("Monat: Bitte Ganzzahl >=1 und <=12 eingeben!",
                      "Monat: Please enter an Integer between 1 and 12!"));
  }
  const auto d = parse_decimal(day);
  if (!d || *d < 0.0 || *d > 32.0) {
    return refused(tr("Tagesbruchteil: muß positiver Wert <=32 sein!", "Fraction of Day must be positive and <=32!"));
  }
  // The day must exist in that month: 31.5 April is not moved to 1 May.
  const int whole_day = static_cast<int>(std::floor(*d));
  if (!date_exists(whole_day, *m, *y)) {
    const tdate_message msg = missing_date_message(whole_day, *m, *y);
    return refused(msg.message, msg.caption);
  }
  if (!julian_date_in_range(calendar_to_jd(whole_day, *m, *y, (*d - whole_day) * 24.0))) {
    const tdate_message msg = date_range_message();
    return refused(msg.message, msg.caption);
  }
  out = {*y, *m, *d};
  return {true, {}, {}};
}

void set_instant_from_day_fraction(tzeitort& z, const tday_fraction& d) {
  const double whole = std::floor(d.day);
  set_instant_from_ut(z, static_cast<int>(whole), d.month, d.year, (d.day - whole) * 24.0);
}

std::string format_julian_date(double mjd) {
  return point_to_comma(format_fixed_trimmed(5, jd_from_mjd(mjd)));
}

tjulian_date_entry read_julian_date_entry(std::string_view text) {
  tjulian_date_entry r;
  if (text.find_first_not_of(" \t") == std::string_view::npos) return r;
  const auto jd = parse_decimal(text);
  if (!jd || !julian_date_in_range(*jd)) {
    r.state = tjulian_date_entry::refused;
    r.message = std::string(tr("Julianisches Datum muß>=5 und <=5373484 sein!", "Julian Date must be >=5 and <=5373484!"));
    return r;
  }
  r.state = tjulian_date_entry::accepted;
  r.jd = *jd;
  return r;
}

void set_instant_from_jd(tzeitort& z, double jd) {
  z.mjd = mjd_from_jd(jd);
  civil_from_instant(z);
}

void take_place(tzeitort& z, const tzeitort& from, bool keep_ut) {
  z.place_name = from.place_name;
  z.latitude = from.latitude;
  z.longitude = from.longitude;
  z.zone = from.zone;
  z.additional_minutes = from.additional_minutes;
  z.height = from.height;
  z.pressure = from.pressure;
  z.temperature = from.temperature;
  z.use_refraction = from.use_refraction;
  if (keep_ut) {
    civil_from_instant(z);
  } else {
    instant_from_civil(z);
  }
}

tmap_place place_from_map_point(double east_longitude, double latitude, std::string_view city) {
  tmap_place p;
  double lon = -east_longitude;  // the program counts west positive
  lon = std::fmod(lon + 180.0, 360.0);
  if (lon < 0.0) lon += 360.0;
  lon -= 180.0;
  if (lon == -180.0 && east_longitude < 0.0) lon = 180.0;
  p.longitude = lon;
  p.latitude = std::clamp(latitude, -90.0, 90.0);
  const long tlat = static_cast<long>(trunc_int(p.latitude));
  const long tlon = static_cast<long>(trunc_int(p.longitude));
  if (!city.empty()) {
    p.name = std::string(city);
  } else {
    p.name = std::string(tr("Br: ", "Lat.: ")) + std::to_string(tlat) + std::string(tr("° Lg: ", "° Long.: ")) +
             std::to_string(tlon) + "°";
  }
  p.zone = -static_cast<int>(trunc_int((7.5 * sign_of(lon) + lon) / 15.0));
  return p;
}

}  // namespace sdro
