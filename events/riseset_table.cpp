// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/riseset_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "astro/calendar.h"
#include "astro/delta_t.h"

namespace sdro {
namespace {

struct tname {
  std::string_view name;
  triseset_subject subject;
};
constexpr std::array<tname, 11> kNames{{
    {"sun", {triseset_subject::sun, 0}},
    {"moon", {triseset_subject::moon, 0}},
    {"mercury", {triseset_subject::planet, 1}},
    {"venus", {triseset_subject::planet, 2}},
    {"mars", {triseset_subject::planet, 4}},
    {"jupiter", {triseset_subject::planet, 5}},
    {"saturn", {triseset_subject::planet, 6}},
    {"uranus", {triseset_subject::planet, 7}},
    {"neptune", {triseset_subject::planet, 8}},
    {"pluto", {triseset_subject::planet, 9}},
    {"twilight", {triseset_subject::twilight, 0}},
}};

std::string_view planet_name(int number) {
  for (const tname& n : kNames) {
    if (n.subject.kind == triseset_subject::planet && n.subject.planet_number == number) return n.name;
  }
  return "?";
}

/// "2024-06-18"; years outside 0..9999 with a sign and four digits at least.
std::string iso_date(int year, int month, int day) {
  char buffer[64];
  if (year >= 0 && year <= 9999) {
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
  } else {
    std::snprintf(buffer, sizeof buffer, "%c%04d-%02d-%02d", year < 0 ? '-' : '+', std::abs(year), month, day);
  }
  return buffer;
}

/// The state text without the blanks that pad it for display.
std::string trimmed_state(const std::string& s) {
  const std::size_t end = s.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

/// One row of the table.
void write_row(std::ostream& out, const std::string& date, std::string_view body, const RiseSetResult& r,
               double jd0, double zone) {
  const auto at = [&](bool found, double hours, double z) {
    return found ? iso_instant(jd0 + hours / 24.0, z) : std::string();
  };
  char altitude[32] = "";
  if (r.transit_found) std::snprintf(altitude, sizeof altitude, "%.2f", r.culmination_altitude);
  out << date << ',' << body << ',' << at(r.rise_found, r.rise, 0) << ',' << at(r.transit_found, r.transit, 0)
      << ',' << at(r.set_found, r.set, 0) << ',' << at(r.rise_found, r.rise, zone) << ','
      << at(r.transit_found, r.transit, zone) << ',' << at(r.set_found, r.set, zone) << ',' << altitude << ','
      << trimmed_state(r.state_text) << '\n';
}

}  // namespace

std::optional<triseset_subject> riseset_subject(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const tname& n : kNames) {
    if (n.name == lower) return n.subject;
  }
  return std::nullopt;
}

std::string riseset_subject_names() {
  std::string s;
  for (const tname& n : kNames) s += (s.empty() ? "" : "|") + std::string(n.name);
  return s;
}

std::string iso_instant(double jd, double zone_hours) {
  // Whole seconds of the local clock first, so that 23:59:59.7 becomes the next day's 00:00:00.
  const double local = std::round((jd + zone_hours / 24.0) * 86400.0) / 86400.0;
  const tcalendar_date d = jd_to_calendar(local);
  long seconds = std::lround(d.hour * 3600.0);
  tcalendar_date day = d;
  if (seconds >= 86400) {  // the hour of the calendar routine may round up to 24 h
    day = jd_to_calendar(std::floor(local - 0.5) + 1.5);
    seconds -= 86400;
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%sT%02ld:%02ld:%02ld", iso_date(day.year, day.month, day.day).c_str(),
                seconds / 3600, seconds / 60 % 60, seconds % 60);
  std::string s = buffer;
  if (zone_hours == 0.0) return s + "Z";
  const long minutes = std::lround(std::abs(zone_hours) * 60.0);
  std::snprintf(buffer, sizeof buffer, "%c%02ld:%02ld", zone_hours < 0 ? '-' : '+', minutes / 60, minutes % 60);
  return s + buffer;
}

void write_riseset_table(std::ostream& out, const triseset_request& q, const ttheoriewahl& selection,
                         const treference_altitudes& reference) {
  out << kRisesetHeader << '\n';
  const double first = calendar_to_jd(q.from_day, q.from_month, q.from_year, 12.0 - q.zone);
  const double last = calendar_to_jd(q.to_day, q.to_month, q.to_year, 12.0 - q.zone);
  const long days = std::lround(last - first);
  for (long i = 0; i <= days; ++i) {
    const double noon = first + static_cast<double>(i);  // local noon of the day, UT
    const triseset_context c{noon, delta_t(noon), q.latitude, q.longitude, q.zone};
    const double jd0 = local_day_start(c);
    const tcalendar_date local = jd_to_calendar(noon + q.zone / 24.0);
    const std::string date = iso_date(local.year, local.month, local.day);
    switch (q.subject.kind) {
      case triseset_subject::sun:
        write_row(out, date, "sun", RiseSetSunMoon(selection, reference, rs_sun, rs_sun, c)[rs_sun - 1], jd0, q.zone);
        break;
      case triseset_subject::moon:
        write_row(out, date, "moon", RiseSetSunMoon(selection, reference, rs_moon, rs_moon, c)[0], jd0, q.zone);
        break;
      case triseset_subject::planet:
        write_row(out, date, planet_name(q.subject.planet_number),
                  RiseSetPlanet(reference, selection, q.subject.planet_number, c), jd0, q.zone);
        break;
      case triseset_subject::twilight: {
        const auto r = RiseSetSunMoon(selection, reference, rs_civil, rs_astronomical, c);
        write_row(out, date, "civil", r[rs_civil - 1], jd0, q.zone);
        write_row(out, date, "nautical", r[rs_nautical - 1], jd0, q.zone);
        write_row(out, date, "astronomical", r[rs_astronomical - 1], jd0, q.zone);
        break;
      }
    }
  }
}

}  // namespace sdro
