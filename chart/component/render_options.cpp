// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/component/render_options.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "app/engine/engine.h"
#include "astro/chart_kind.h"
#include "astro/language.h"
#include "astro/text_format.h"
#include "chart/colour_tables.h"
#include "chart/view_commands.h"

namespace sdro {
namespace {

constexpr double kLowestLimit = -2.0;
constexpr double kHighestLimit = 9.7;
/// The faintest loading level the star file offers (magnitude × 10).
constexpr int kHighestLevel = 97;

std::vector<std::string> split(const std::string& s, char sep) {
  std::vector<std::string> out;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = s.find(sep, from);
    out.push_back(s.substr(from, at - from));
    if (at == std::string::npos) return out;
    from = at + 1;
  }
}

std::optional<double> number(const std::string& s) {
  const treal_text r = parse_real(s);
  if (!r.ok || !std::isfinite(r.value)) return std::nullopt;
  return r.value;
}

std::optional<bool> on_off(const std::string& s) {
  if (s == "on") return true;
  if (s == "off") return false;
  return std::nullopt;
}

struct tzoom_option {
  double ra, dec, radius;
};
std::optional<tzoom_option> zoom_option(const std::string& s) {
  const auto parts = split(s, ',');
  if (parts.size() != 3) return std::nullopt;
  const auto ra = number(parts[0]), dec = number(parts[1]), radius = number(parts[2]);
  if (!ra || !dec || !radius || *ra < 0.0 || *ra >= 360.0 || std::fabs(*dec) > 90.0 || *radius < 0.5 ||
      *radius > 60.0) {
    return std::nullopt;
  }
  return tzoom_option{*ra, *dec, *radius};
}

std::optional<int> view_option(const std::string& s) {
  if (s == "S") return blick_sued;
  if (s == "E") return blick_ost;
  if (s == "N") return blick_nord;
  if (s == "W") return blick_west;
  const auto v = number(s);
  if (!v || *v < 0.0 || *v >= 360.0 || *v != std::floor(*v)) return std::nullopt;
  return static_cast<int>(*v);
}

struct tgrid_option {
  bool horizon = false, equator = false, ecliptic = false;
};
std::optional<tgrid_option> grid_option(const std::string& s) {
  tgrid_option g;
  if (s == "none") return g;
  for (const std::string& part : split(s, ',')) {
    if (part == "horizon") {
      g.horizon = true;
    } else if (part == "equator") {
      g.equator = true;
    } else if (part == "ecliptic") {
      g.ecliptic = true;
    } else {
      return std::nullopt;
    }
  }
  return g;
}

bool chart_option_ok(const std::string& s) {
  return s == "200" || s == "204" || s == "205" || s == "206" || s == "207";
}

void take_switch(bool& member, const std::string& value) {
  if (const auto v = on_off(value)) member = *v;
}

void take_chart_kind(tkonfiguration& k, const tchart_render_options& o) {
  const std::string chart = o.chart.empty() && !o.zoom.empty() ? "204" : o.chart;
  if (chart.empty()) {
    if (!o.equatorial.empty()) {
      k.kartenart = ka_horizont;
      k.kartenunterart = 1;
    }
    return;
  }
  const int kind = std::stoi(chart);
  k.kartenart = kind == ka_uebersicht ? ka_horizont : kind;
  k.kartenunterart = kind == ka_uebersicht || (kind == ka_horizont && !o.equatorial.empty()) ? 1 : 0;
}

/// A star limit above the loading level raises "Level" and reloads the catalogue.
void take_limit(tengine& engine, double limit) {
  const int hundredths = static_cast<int>(std::lround(limit * 100.0));
  const int level = std::min(kHighestLevel, (hundredths + 9) / 10);
  if (level > engine.settings().level) {
    engine.settings().level = level;
    engine.grafikNeuAnlegen(engine.max_chart_size(), engine.max_chart_size());
  }
  engine.konfig().grenzgroessesterne = std::min(hundredths, engine.settings().level * 10);
}

}  // namespace

std::string check_chart_options(const tchart_render_options& o) {
  if (!o.chart.empty() && !chart_option_ok(o.chart)) {
    return "--chart " + o.chart +
           std::string(tr(": erwartet 200 (Horizont), 204 (Ausschnitt), 205 (Übersicht), 206 (Nordhimmel) oder "
                          "207 (Südhimmel)",
                          ": expected 200 (horizon), 204 (zoom), 205 (overview), 206 (northern) or 207 (southern)"));
  }
  if (!o.zoom.empty() && !zoom_option(o.zoom)) {
    return "--zoom " + o.zoom +
           std::string(tr(": erwartet RA,DEC,RADIUS in Grad mit 0 <= RA < 360, |DEC| <= 90, RADIUS 0.5..60",
                          ": expected RA,DEC,RADIUS in degrees with 0 <= RA < 360, |DEC| <= 90, RADIUS 0.5..60"));
  }
  if (!o.view.empty() && !view_option(o.view)) {
    return "--view " + o.view +
           std::string(tr(": erwartet S, E, N, W oder ganze Grad 0..359", ": expected S, E, N, W or whole degrees 0..359"));
  }
  if (!o.constellations.empty() && o.constellations != "all" && o.constellations != "zodiac" && !on_off(o.constellations)) {
    return "--constellations " + o.constellations +
           std::string(tr(": erwartet on, off, all oder zodiac", ": expected on, off, all or zodiac"));
  }
  for (const auto& [flag, value] : {std::pair{"--names", &o.names}, std::pair{"--boundaries", &o.boundaries},
                                    std::pair{"--outlines", &o.outlines}}) {
    if (!value->empty() && !on_off(*value)) {
      return std::string(flag) + " " + *value + std::string(tr(": erwartet on oder off", ": expected on or off"));
    }
  }
  if (!o.milky_way.empty() && !(o.milky_way.size() == 1 && o.milky_way[0] >= '0' && o.milky_way[0] <= '4')) {
    return "--milky-way " + o.milky_way + std::string(tr(": erwartet eine Stufe 0..4", ": expected a level 0..4"));
  }
  if (!o.grids.empty() && !grid_option(o.grids)) {
    return "--grids " + o.grids +
           std::string(tr(": erwartet none oder eine durch Kommas getrennte Liste aus horizon, equator, ecliptic",
                          ": expected none or a comma list of horizon, equator, ecliptic"));
  }
  if (!o.limit.empty()) {
    const auto m = number(o.limit);
    if (!m || *m < kLowestLimit || *m > kHighestLimit) {
      return "--limit " + o.limit + std::string(tr(": erwartet eine Größe -2..9.7", ": expected a magnitude -2..9.7"));
    }
  }
  return {};
}

void apply_chart_options(tengine& engine, const tchart_render_options& o, int screen_width) {
  tkonfiguration& k = engine.konfig();
  take_chart_kind(k, o);
  if (const auto z = zoom_option(o.zoom)) {
    zoom_to(k, z->ra, z->dec, z->radius, screen_width, engine.max_chart_size());
  } else if (k.kartenart == ka_zoom) {
    enter_zoom_chart(k, screen_width, engine.max_chart_size());
  }
  if (const auto v = view_option(o.view)) set_view_direction(k, *v);
  if (!o.mirror.empty()) k.spiegelung = -1;
  if (o.constellations == "all" || o.constellations == "zodiac") {
    k.sternbilder = true;
    k.allesternbilder = o.constellations == "all";
  } else {
    take_switch(k.sternbilder, o.constellations);
  }
  take_switch(k.beschriftungsternbilder, o.names);
  take_switch(k.sternbildgrenzen, o.boundaries);
  take_switch(k.nebelumrisse, o.outlines);
  if (!o.milky_way.empty()) k.milchstrasse = static_cast<std::uint8_t>(o.milky_way[0] - '0');
  if (const auto g = grid_option(o.grids)) {
    k.gradnetzhorizont = g->horizon;
    k.gradnetzaequator = g->equator;
    k.gradnetzekliptik = g->ecliptic;
  }
  if (const auto m = number(o.limit)) take_limit(engine, *m);
  if (!o.night.empty()) set_night_dimming(engine, true);
  engine.flags().positionenneu = true;
  engine.flags().bildneu = true;
}

void set_night_dimming(tengine& engine, bool on) {
  if (on == engine.nachtabdunkelung()) return;
  engine.set_nachtabdunkelung(on, night_colour_table());
  if (!on) return;
  // Maps, objects, the Earth map and the horizon system in red, the others dark red.
  for (int i = 0; i < kSchriftenCount; ++i) {
    const bool red = i == schrift_karten || i == schrift_objekte || i == schrift_erdkarte || i == schrift_horizont;
    engine.konfig().schriften[static_cast<std::size_t>(i)].farbe = red ? farbe_rgb(255, 0, 0) : farbe_rgb(128, 0, 0);
  }
}

}  // namespace sdro
