// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/engine/status_line.h"

#include "app/engine/engine.h"
#include "astro/angles.h"
#include "astro/chart_kind.h"
#include "astro/language.h"
#include "astro/names.h"
#include "astro/sexagesimal.h"
#include "astro/text_format.h"

namespace sdro {
namespace {

// The date separator of dates before the Gregorian reform.
constexpr char kDateSeparator = '-';

std::string clock_text(double hours) {
  return format_clock(format_fixed(2, 4, decimal_to_packed(normalize_hours(hours))));
}

std::string degrees_text(double degrees) {
  return format_deg_minutes(format_fixed_trimmed(2, decimal_to_packed(degrees)));
}

std::string date_panel(const tzeitort& z, bool uselast) {
  std::string s = format_calendar_date(z.day, z.month, z.year, kDateSeparator);
  s += " ";
  s += weekday_name(z.weekday);
  s += "  ";
  s += clock_text(z.local_time);
  s += " ";
  s += time_zone_name(z.zone);
  if (z.additional_minutes != 0) s += " +" + std::to_string(z.additional_minutes) + "min  ";
  if (z.daylight_saving != 0) s += tr(" Sommerzeit", " Daylight Saving");
  s += "  ";
  s += clock_text(z.ut);
  s += " UT  JD: ";
  s += format_fixed_trimmed(5, z.mjd + 2400000.5);
  s += tr("  GB:", "  Geogr. Lat.:");
  s += degrees_text(z.latitude);
  s += tr(" GL:", " Long.:");
  s += degrees_text(z.longitude);
  s += "  ";
  s += z.place_name;
  s += uselast ? "  LAST: " : "  LMST: ";
  s += clock_text(z.sidereal_time);
  return s;
}

std::string centre_panel(const tkonfiguration& k) {
  std::string s = "RA: ";
  s += format_ra_minutes(format_fixed_trimmed(2, decimal_to_packed(k.zoomkarte[0] / 15.0)));
  s += tr(" Dk: ", " Dec: ");
  s += format_fixed_trimmed(1, k.zoomkarte[1]);
  s += "° ";
  s += format_fixed_trimmed(1, k.zoomkarte[2]);
  s += "°";
  return s;
}

}  // namespace

std::vector<std::string> tstatuszeile::texts() const {
  std::vector<std::string> out;
  for (const std::string* t : {&datum, &koordinaten, &fortschritt, &aequatorzentrum, &katalog,
                               &planetentheorie, &mondtheorie, &grenzgroesse}) {
    if (!t->empty()) out.push_back(*t);
  }
  for (const auto& p : weitere) {
    if (!p.text.empty()) out.push_back(p.text);
  }
  return out;
}

std::string magnitude_label(int magnitude_hundredths) {
  const int tenths = magnitude_hundredths / 10;
  return format_fixed_trimmed(1, tenths / 10.0) + " mag";
}

tstatuszeile statuszeile(const tengine& engine) {
  const tkonfiguration& k = engine.konfig();
  tstatuszeile s;
  s.datum = date_panel(k.zeitort, k.uselast);
  if (k.kartenart == ka_zoom || k.kartenart == ka_anblick) s.koordinaten = centre_panel(k);
  if (k.echtzeit) s.fortschritt = clock_text(engine.clock().now().hours);
  if (k.kartenart == ka_horizont && k.kartenunterart == 1) {
    s.aequatorzentrum = std::to_string(static_cast<int>(normalize_degrees(k.uebersichtzentrum) / 15.0)) + "h";
  }
  const tdatenbestand& d = engine.datenbestand();
  s.katalog = (k.ppm && d.ppm) ? "PPM" : d.sao ? "SAO" : d.ppm ? "PPM" : "";
  s.planetentheorie = theory_panel_text(k.theorie);
  s.mondtheorie = lunar_panel_text(k.theorie, engine.library_usability());
  s.grenzgroesse = magnitude_label(k.kartenart == ka_zoom ? k.grenzgroessesao : k.grenzgroessesterne);
  for (const auto& c : engine.components()) c->status(engine, s);
  return s;
}

}  // namespace sdro
