// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/bodies/body_style.h"

#include <string_view>

#include "astro/bodies.h"
#include "chart/bodies/phase_figures.h"
#include "chart/surface/symbols.h"

namespace sdro {
namespace {

constexpr double kMinSunMoonRadius = 6.0;
constexpr double kMinPlanetRadius = 4.0;
constexpr double kArcminute = 1.0 / 60.0;

bool true_size_chart(tsky_chart chart) { return chart == tsky_chart::overview || chart == tsky_chart::zoom; }

}  // namespace

int body_symbol_id(int slot) {
  if (slot >= merkur && slot <= pluto) return kFirstBodySymbol - 1 + slot;
  if (slot == kAsteroidSlot) return kAsteroidSymbol;
  if (slot == kCometSlot) return kCometSymbol;
  return 0;
}

int body_symbol_size(int slot) {
  const int id = body_symbol_id(slot);
  return id == 0 ? 0 : symbol_size(id);
}

bool drawn_as_disc(int body, bool planetenscheiben, bool night, tsky_chart chart) {
  if (body < sonne || body > mond) return false;
  if (planetenscheiben || night || body == sonne || body == mond) return true;
  return chart == tsky_chart::zoom && (body == merkur || body == venus || body == mars || body == saturn);
}

double chart_scale(const tprojektion& projection) {
  const double k = projection.viewport().d / 360.0;
  return projection.kind() == tsky_chart::zoom ? k * 180.0 / projection.rim() : k;
}

double apparent_radius(int body, double apparent, const tprojektion& projection) {
  // Sun and Moon: a semi-diameter in degrees; planets: a full diameter in arcseconds.
  const double semi_diameter = body == sonne || body == mond ? apparent : apparent / 3600.0 / 2.0;
  return semi_diameter * chart_scale(projection);
}

double disc_radius(int body, double apparent, const tprojektion& projection) {
  const double minimum = body == sonne || body == mond ? kMinSunMoonRadius : kMinPlanetRadius;
  if (!true_size_chart(projection.kind())) return minimum;
  const double rho = apparent_radius(body, apparent, projection);
  return rho < minimum ? minimum : rho;
}

bool hidden_by_sun(int body, double distance, double elongation, double sun_semi_diameter) {
  if (body == sonne || body == mond) return false;
  if (distance < 1.0 && body != saturn) return false;
  return elongation < sun_semi_diameter - kArcminute;
}

tfarbe body_colour(int body, bool night) {
  if (night) return farbe::rot;
  switch (body) {
    case sonne:
    case merkur: return farbe::gelb;
    case mars: return farbe::rot;
    default: return farbe::weiss;
  }
}

int track_colour_index(std::string_view name) {
  constexpr int kFirstTrackColour = 26;
  constexpr int kOtherTrackColour = 36;
  const int body = find_body_by_name(name);
  return body < 0 ? kOtherTrackColour : kFirstTrackColour + body;
}

bool corner_on_chart(int x, int y, const tviewport& vp) {
  const int limit = 3 * vp.c;
  return x >= -19 && x < limit && y >= -9 && y < limit;
}

}  // namespace sdro
