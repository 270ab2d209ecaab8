// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/time_place_info.h"

#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/instant.h"
#include "astro/language.h"
#include "astro/names.h"
#include "astro/sexagesimal.h"
#include "astro/sidereal.h"
#include "astro/text_format.h"
#include "astro/zeitort.h"
#include "ephem/body_positions.h"
#include "ephem/physical_inputs.h"
#include "ephem/sun_moon.h"
#include "events/event_text.h"
#include "events/moon_phases.h"
#include "places/clock_entry.h"

namespace sdro {
namespace {

std::string clock(double hours) { return format_clock_entry(hours, true); }

std::string decimals(int d, double x) { return point_to_comma(format_fixed_trimmed(d, x)); }
std::string magnitude(int hundredths) { return decimals(1, hundredths / 100.0); }

std::string angle(double degrees) { return format_deg_minutes(format_fixed_trimmed(2, decimal_to_packed(degrees))); }

tinfo_row row(std::string_view label, const RiseSetResult& r, bool with_transit) {
  tinfo_row out;
  out.label = std::string(label);
  if (r.rise_found) out.rise = format_event_time(r.rise);
  if (r.set_found) out.set = format_event_time(r.set);
  if (!r.rise_found && !r.set_found) out.rise = r.state_text;
  if (with_transit && r.transit_found) {
    out.transit = format_event_time(r.transit);
    out.culmination = format_degrees_1(r.culmination_altitude);
  }
  return out;
}

std::string moon_line(const tzeitort& z, const ttheoriewahl& selection) {
  const tplanetposition sun_ecliptic = sun_geocentric(selection, -1, z.t);
  const tbodyposition sun = body_apparent(sonne, selection, -1, z.t, sun_ecliptic, true);
  const tbodyposition moon = body_apparent(mond, selection, -1, z.t, sun_ecliptic, true);
  const tphysephem e = moon_physical(moon_physical_place(moon, sun, z.t, moon.distance));
  const bool waning = normalize_degrees(moon.lambda - sun.lambda) > 180.0;
  char phase[16];
  std::snprintf(phase, sizeof phase, "%3.0f", acos_deg(cos_deg(e.phase_angle)));
  const std::string age = decimals(1, MoonAge(z));
  if (current_language() == english) {
    return std::string("Moon ") + (waning ? "decreasing" : "crescending") + ", Phase Angle ca." + phase + "°" +
           ",  Age " + age + " Days";
  }
  return std::string(waning ? "Abnehmend" : "Zunehmend") + "er Mond, Phasenwinkel ca." + phase + "°" + ",  Alter " +
         age + " Tage";
}

}  // namespace

std::vector<tinfo_event> event_choices(const std::array<RiseSetResult, 5>& e) {
  std::vector<tinfo_event> out;
  out.push_back({std::string(tr("Keine Änderung", "Do no change Time")), 0.0, false});
  const auto add = [&out](bool found, double hours, std::string_view de, std::string_view en) {
    if (found) out.push_back({std::string(tr(de, en)), hours, true});
  };
  const RiseSetResult &moon = e[0], &sun = e[1], &civil = e[2], &nautical = e[3], &astronomical = e[4];
  add(astronomical.rise_found, astronomical.rise, "Beginn Astr. Dämmerung", "Begin Astr. Twighlight");
  add(nautical.rise_found, nautical.rise, "Beginn Naut. Dämmerung", "Begin Naut. Twighlight");
  add(civil.rise_found, civil.rise, "Beginn Bürg. Dämmerung", "Begin Civil Twighlight");
  add(sun.rise_found, sun.rise, "Sonnenaufgang", "Sunrise");
  add(sun.transit_found, sun.transit, "Kulmination", "Transit of the Sun");
  add(sun.set_found, sun.set, "Sonnenuntergang", "Sunset");
  add(civil.set_found, civil.set, "Ende Bürg. Dämmerung", "End Civil Twighlight");
  add(nautical.set_found, nautical.set, "Ende Naut. Dämmerung", "End Naut. Twighlight");
  add(astronomical.set_found, astronomical.set, "Ende Astr. Dämmerung", "End Astr. Twighlight");
  add(moon.rise_found, moon.rise, "Mondaufgang", "Moonrise");
  add(moon.transit_found, moon.transit, "Kulmination Mond", "Transit of the Moon");
  add(moon.set_found, moon.set, "Monduntergang", "Moonset");
  add(true, 0.0, "Mitternacht", "Midnight");
  add(true, 12.0, "Mittag", "Noon");
  return out;
}

void set_clock_to_event(tzeitort& z, double hours) {
  z.local_time = hours;
  instant_from_civil(z);
  civil_from_instant(z);
}

ttime_place_info time_place_info(const tzeitort& z, const ttheoriewahl& selection,
                                 const treference_altitudes& reference, const tinfo_settings& s) {
  ttime_place_info info;
  std::string zone = std::string(tr("Zeitzone: ", "Time Zone: ")) + std::string(time_zone_name(z.zone));
  if (z.additional_minutes != 0) zone += "+" + std::to_string(z.additional_minutes) + "min  ";
  info.lines[0] = format_date(z.day, z.month, z.year) + "  " + clock(z.local_time) + " " + zone;
  const double lst = local_sidereal_time(s.apparent_sidereal_time, z.longitude, z.mjd);
  info.lines[1] = clock(z.ut) + " UT  JD: " + decimals(4, jd_from_mjd(z.mjd)) +
                  (s.apparent_sidereal_time ? "  LAST: " : "  LMST: ") + clock(lst) + "  ET-UT:" +
                  decimals(1, z.delta_t);
  info.lines[2] = std::string(tr("GB:", "Geogr. Lat.:")) + angle(z.latitude) + std::string(tr(" GL:", " Long.:")) +
                  angle(z.longitude) + " " + z.place_name;
  info.lines[3] = z.daylight_saving != 0 ? std::string(tr("Sommerzeit", "Daylight Saving"))
                                         : std::string(tr("Winterzeit", "No Daylight Saving"));
  info.counts = std::string(tr("Planetoiden: ", "Asteroids: ")) + std::to_string(s.asteroids) + "   " +
                std::string(tr("Kometen: ", "Comets: ")) + std::to_string(s.comets);
  info.limits[0] = std::string(tr("Sterne: ", "Stars: ")) + magnitude(s.star_limit) +
                   std::string(tr(" mag    Nebel: ", " mag    Deep Sky: ")) + magnitude(s.deep_sky_limit) + " mag";
  info.limits[1] = std::string(tr("Planetoiden und Kometen: ", "Asteroids und Comets: ")) +
                   magnitude(s.small_body_limit) + " mag";
  if (s.zone_catalogue) info.limits[1] += " SAO/PPM: " + magnitude(s.zone_catalogue_limit) + " mag";

  const triseset_context c = riseset_context(z);
  std::array<RiseSetResult, 5> e = RiseSetSunMoon(selection, reference, rs_sun, rs_astronomical, c);
  e[0] = RiseSetSunMoon(selection, reference, rs_moon, rs_moon, c)[0];
  info.rows[0] = row(tr("Mond:", "Moon:"), e[0], true);
  info.rows[1] = row(tr("Sonne:", "Sun:"), e[1], true);
  info.rows[2] = row(tr("Bürgerlich:", "Civil:"), e[2], false);
  info.rows[3] = row(tr("Nautisch:", "Nautic:"), e[3], false);
  info.rows[4] = row(tr("Astronomisch:", "Astronomic:"), e[4], false);
  info.moon_line = moon_line(z, selection);
  info.events = event_choices(e);
  return info;
}

}  // namespace sdro
