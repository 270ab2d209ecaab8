// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/component/sky_chart_component.h"

#include "app/dialogs/catalog/stars_component.h"
#include "app/engine/engine.h"

#include <cmath>
#include "astro/angles.h"
#include "astro/chart_kind.h"
#include "astro/language.h"
#include "astro/text_format.h"
#include "chart/sky_light.h"
#include "chart/surface/rnd.h"
#include "chart/symbol_sizes.h"

namespace sdro {
namespace {

/// The star size the automatic choice takes on the zoom chart for its radius.
int zoom_star_size(double radius) {
  if (radius < 8.0) return kSizeLarge;
  if (radius < 17.0) return kSizeMedium;
  if (radius < 35.0) return kSizeSmall;
  return kSizeVerySmall;
}

int effective_star_size(const tkonfiguration& k, tsky_chart chart, bool bitmaps) {
  const int chosen = usable_size_setting(k.sterngroessevariation);
  if (!k.groesseautomatisch) return chosen;
  switch (chart) {
    case tsky_chart::overview:
      return kSizeVerySmall;
    case tsky_chart::zoom:
      return zoom_star_size(usable_zoom_radius(k.zoomkarte[2]));
    default:
      return bitmaps ? chosen : kSizeVerySmall;
  }
}

}  // namespace

tsky_chart_component::tsky_chart_component() = default;

tsky_chart_component::~tsky_chart_component() = default;

void add_sky_chart_component(tengine& engine) { engine.add_component(std::make_unique<tsky_chart_component>()); }

tsky_chart_component* sky_chart(tengine& engine) {
  return dynamic_cast<tsky_chart_component*>(engine.component(tsky_chart_component::kName));
}

const tsky_chart_component* sky_chart(const tengine& engine) {
  return dynamic_cast<const tsky_chart_component*>(engine.component(tsky_chart_component::kName));
}

tstars* tsky_chart_component::catalogue(const tengine& engine) {
  tstars_component* c = stars_component(engine);
  return c ? c->stars() : nullptr;
}

TSAOList* tsky_chart_component::zone_stars(const tengine& engine) {
  tstars_component* c = stars_component(engine);
  return c ? &c->zone_stars() : nullptr;
}

void tsky_chart_component::prepare(tengine& engine) {
  light_ = compute_sky_light(engine.zeitort(), engine.konfig().theorie);
}

void tsky_chart_component::compute_positions(tengine& engine) {
  const tkonfiguration& k = engine.konfig();
  const tstars_component* c = stars_component(engine);
  zone_in_use_ = c && c->zone_catalogue_in_use() && k.kartenart == ka_zoom;
  engine.sternauswahl().aus_zoomkarte = k.kartenart == ka_zoom;
}

bool tsky_chart_component::draws(int kartenart, int kartenunterart) const {
  return sky_chart_of(kartenart, kartenunterart).has_value();
}

std::optional<tprojektion> tsky_chart_component::projection(const tengine& engine) const {
  const tkonfiguration& k = engine.konfig();
  const tviewport vp = make_viewport(k.kartengroesse, engine.max_chart_size(), k.spiegelung, k.drehwinkel);
  return chart_projection(k, vp, engine.settings().azimut);
}

tsky_scene tsky_chart_component::scene(const tengine& engine) {
  const tkonfiguration& k = engine.konfig();
  tools_ = build_tools(k.farben, k.milchstrassebreite, engine.nachtabdunkelung());
  tsky_scene sc;
  sc.konfig = &k;
  if (auto p = projection(engine)) sc.projection = *p;
  sc.tools = &tools_;
  sc.light = light_;
  sc.night = engine.nachtabdunkelung();
  sc.sixteen_colours = effective_colour_mode(engine.settings().color_mode, colour_depth_) == farbmodus_16;
  const tsky_palette palette = sky_palette(engine.settings().color_mode, colour_depth_, sc.night);
  const bool zoom_black = sc.chart() == tsky_chart::zoom && !sc.night;
  sc.background = zoom_black ? tsky_background{} : sky_background(palette, light_, moonlight(k, light_), sc.night);
  sc.sun_limit = k.sonnenhoehegrenze;
  sc.m_lim = limiting_magnitude(k.grenzgroesseauge, k.teleskopzusatz, light_.sun_altitude);
  sc.star_bitmaps = k.sternbitmaps && !sc.night;
  sc.star_size = effective_star_size(k, sc.chart(), sc.star_bitmaps);
  sc.show_scale = engine.settings().show_scale;
  sc.stars = catalogue(engine);
  sc.marker = marker_;
  return sc;
}

void tsky_chart_component::draw(tengine& engine, Zeichenflaeche& chart) {
  tsky_scene sc = scene(engine);
  background_ = sc.background;
  TSAOList* zone_list = zone_stars(engine);
  if (zone_in_use_ && zone_list && sc.chart() == tsky_chart::zoom) {
    zone_.list = zone_list;
    zone_.request = tstars_component::zone_request(engine);
    zone_.request.map = {sc.projection.centre_ra(), sc.projection.centre_dec(), sc.projection.rim()};
    zone_.zeitort = &engine.zeitort();
    zone_.written = &written_;
    zone_.progress = on_zone_progress;
    sc.zone = &zone_;
  }
  draw_sky(chart, sc, hooks_);
}

void tsky_chart_component::status(const tengine& engine, tstatuszeile& s) const {
  const tkonfiguration& k = engine.konfig();
  if (k.kartenart == ka_horizont && k.kartenunterart == 1) {
    s.aequatorzentrum = std::to_string(overview_centre_hours(k.uebersichtzentrum)) + "h";
  }
}

int overview_centre_hours(int uebersichtzentrum) {
  return rnd(normalize_degrees(180.0 - uebersichtzentrum)) / 15;
}

namespace {

/// One decimal, without a sign on a value that rounds to zero.
std::string tenths(double x) { return format_fixed_trimmed(1, std::fabs(x) < 0.05 ? 0.0 : x); }

}  // namespace

std::string mouse_coordinates_text(const tprojektion& projection, double x, double y, tazimutzaehlung origin) {
  const auto sky = projection.sky_at(x, y);
  if (!sky) return {};
  std::string s = "RA: " + format_ra_decimal_minutes(sky->ra / 15.0);
  s += tr(" Dk: ", " Dec: ");
  s += tenths(sky->dec) + "°";
  if (projection.kind() == tsky_chart::horizon) {
    const double o = origin == azimutNord ? 180.0 : 0.0;
    s += tr("  h: ", "  alt: ");
    s += tenths(sky->altitude) + "°";
    s += "  az: " + tenths(normalize_degrees(o + sky->azimuth - 0.05)) + "°";
  }
  return s;
}

}  // namespace sdro
