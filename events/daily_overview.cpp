// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/daily_overview.h"

#include <cstdio>

#include "astro/bodies.h"
#include "astro/horizontal.h"
#include "astro/language.h"
#include "astro/sexagesimal.h"
#include "astro/text_format.h"
#include "astro/topocentric.h"
#include "astro/zeitort.h"
#include "ephem/body_positions.h"
#include "ephem/physical_inputs.h"
#include "ephem/planet_theory.h"
#include "ephem/sun_moon.h"
#include "events/event_text.h"
#include "events/moon_phases.h"

namespace sdro {
namespace {

/// Table row of each body: Sun, Mercury … Pluto, Moon (tkoerper order).
constexpr std::array<int, kOverviewBodies> kRowBodies{sonne, merkur, venus, mars, jupiter, saturn, uranus, neptun, pluto, mond};

std::string comma(std::string s) { return point_to_comma(s); }

std::string ra_text(double ra_degrees) {
  return comma(format_ra_tenths(format_fixed_trimmed(5, decimal_to_packed_tenths(ra_degrees / 15.0))));
}

std::string dec_text(double dec) { return format_deg_seconds(format_fixed_trimmed(4, decimal_to_packed(dec))); }

std::string azimuth_text(double az) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%05.1f", az);
  return comma(buffer) + "°";
}

/// Rise, transit, set and culmination cells; a missing event shows the
/// routine's text, a day without crossings its state in the rise cell.
void event_cells(const RiseSetResult& r, std::array<std::string, kOverviewColumns>& c) {
  c[4] = r.rise_found ? format_event_time(r.rise) : (r.set_found ? r.rise_text : r.state_text);
  c[5] = r.transit_found ? format_event_time(r.transit) : "";
  c[6] = r.set_found ? format_event_time(r.set) : r.set_text;
  c[7] = r.transit_found ? format_degrees_1(r.culmination_altitude) : "";
}

}  // namespace

std::array<std::string, kOverviewColumns> overview_header() {
  return {"Planet",   "      RA",         std::string(tr("      Dk", "      Dec")), "      Rd",
          std::string(tr("Aufg.", "Rise.")), std::string(tr("Kulm.", "Tran.")), std::string(tr("Unter.", "Set.")),
          std::string(tr("Kul.-h.", "Alt.Tr.")), "   Az", std::string(tr("   h", "Alt.")), "mag", "Elongation"};
}

toverview daily_overview(const tzeitort& z, const ttheoriewahl& selection, const treference_altitudes& reference,
                         tazimutzaehlung origin, bool aberration) {
  toverview o;
  o.header = overview_header();
  const triseset_context c = riseset_context(z);
  const auto sun_moon = RiseSetSunMoon(selection, reference, rs_sun, rs_sun, c);
  const auto moon_events = RiseSetSunMoon(selection, reference, rs_moon, rs_moon, c);
  const tplanetposition sun_ecliptic = sun_geocentric(selection, -1, z.t);
  const tbodyposition sun = body_apparent(sonne, selection, -1, z.t, sun_ecliptic, aberration);
  for (int i = 0; i < kOverviewBodies; ++i) {
    toverview_row& row = o.rows[i];
    row.body = kRowBodies[i];
    row.cells[0] = std::string(body_name(row.body));
    if (row.body == pluto && !pluto_valid(selection, z.t)) {
      row.valid = false;
      continue;
    }
    const tbodyposition p =
        row.body == sonne ? sun : body_apparent(row.body, selection, -1, z.t, sun_ecliptic, aberration);
    double ra = p.ra, dec = p.dec;
    if (row.body == mond) {
      const ttopocentric topo = topocentric_place(p.ra, p.dec, p.distance, z.geocentric_latitude, z.sidereal_time,
                                                  z.geocentric_distance, 1.0);
      ra = topo.ra;
      dec = topo.dec;
      row.events = moon_events[0];
    } else if (row.body == sonne) {
      row.events = sun_moon[rs_sun - 1];
    } else {
      const int number = row.body <= venus ? row.body : row.body + 1;  // body index → planet number
      row.events = RiseSetPlanet(reference, selection, number, c);
    }
    row.cells[1] = ra_text(p.ra);
    row.cells[2] = dec_text(p.dec);
    row.cells[3] = comma(format_fixed_trimmed(6, p.distance));
    event_cells(row.events, row.cells);
    const thorizontal h = equatorial_to_horizontal(z, origin, ra, dec);
    row.azimuth = h.azimuth;
    row.altitude = h.altitude;
    row.cells[8] = azimuth_text(h.azimuth);
    row.cells[9] = format_degrees_1(h.altitude);
    if (row.body == mond) {
      const tphysephem e = moon_physical(moon_physical_place(p, sun, z.t, p.distance));
      row.cells[10] = comma(format_fixed_trimmed(1, MoonAge(z)));
      row.cells[11] = format_degrees_1(e.elongation) + " " + std::string(elongation_side_text(e.east));
    } else {
      const tphysephem e = planet_physical(physical_place(p, sun, z.t));
      row.cells[10] = comma(format_fixed_trimmed(1, e.magnitude));
      row.cells[11] = row.body == sonne ? ""
                                        : format_degrees_1(e.elongation) + " " + std::string(elongation_side_text(e.east));
    }
  }
  return o;
}

}  // namespace sdro
