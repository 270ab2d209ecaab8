// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/component/sky_chart_component.h"

#include "app/engine/engine.h"
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

tsky_chart_component::tsky_chart_component(bool may_refresh_files) : may_refresh_files_(may_refresh_files) {}

tsky_chart_component::~tsky_chart_component() = default;

tsky_chart_component* sky_chart(tengine& engine) {
  return dynamic_cast<tsky_chart_component*>(engine.component(tsky_chart_component::kName));
}

const tsky_chart_component* sky_chart(const tengine& engine) {
  return dynamic_cast<const tsky_chart_component*>(engine.component(tsky_chart_component::kName));
}

void tsky_chart_component::load_catalogue(tengine& engine) {
  if (external_) return;
  stars_.reset();
  tstars_setup setup;
  setup.data_directory = engine.datenverzeichnis();
  setup.level = engine.settings().level;
  setup.check_year = first_load_;
  setup.useaberrat = engine.konfig().useaberrat;
  setup.azimut = engine.settings().azimut;
  setup.latin = engine.konfig().lateinisch;
  if (!may_refresh_files_) setup.folder_writable = [](const std::filesystem::path&) { return false; };
  tstars_status status = tstars_status::ok;
  stars_ = tstars::create(setup, engine.zeitort(), status);
  first_load_ = false;
  if (!stars_) {
    const tfatal_message m = catalogue_fatal_message(status);
    engine.messages().show(m.text, m.caption, tmessage_icon::error);
  }
}

void tsky_chart_component::initialise(tengine& engine) { load_catalogue(engine); }

void tsky_chart_component::recreate(tengine& engine) { load_catalogue(engine); }

void tsky_chart_component::prepare(tengine& engine) {
  light_ = compute_sky_light(engine.zeitort(), engine.konfig().theorie);
}

bool tsky_chart_component::zone_catalogue_wanted(tengine& engine) const {
  tkonfiguration& k = engine.konfig();
  const tdatenbestand& data = engine.datenbestand();
  bool ppm = k.ppm;
  const bool use = UseZoneCatalogue(k.kartenart == ka_zoom, data.sao, data.ppm, usable_zoom_radius(k.zoomkarte[2]),
                                    engine.settings().use_complete_sao, engine.flags().animationlaeuft, ppm);
  k.ppm = ppm;
  return use;
}

void tsky_chart_component::compute_positions(tengine& engine) {
  const tkonfiguration& k = engine.konfig();
  zone_in_use_ = zone_catalogue_wanted(engine);
  tsternauswahl& selection = engine.sternauswahl();
  selection.aus_zoomkarte = k.kartenart == ka_zoom;
  tstars* s = stars();
  if (!s || !selection.darf_neu_aufbauen) return;
  s->SetDateAndPlace(engine.zeitort(), k.useaberrat, true);
  trecompute_request r;
  r.previous_star_limit = selection.letzte_grenze_sterne;
  r.star_limit = k.grenzgroessesterne;
  r.previous_nebula_limit = selection.letzte_grenze_nebel;
  r.nebula_limit = k.grenzgroessenebel;
  r.zone_catalogue_in_use = zone_in_use_;
  r.animation_running = engine.flags().animationlaeuft;
  // The chart projects the line points itself, for the ranges it draws.
  r.figures = r.boundaries = r.outlines = false;
  r.milky_way = 0;
  s->RecomputePositions(r);
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
  sc.stars = stars();
  sc.marker = marker_;
  return sc;
}

void tsky_chart_component::draw(tengine& engine, Zeichenflaeche& chart) {
  const tkonfiguration& k = engine.konfig();
  tsky_scene sc = scene(engine);
  background_ = sc.background;
  if (zone_in_use_ && sc.chart() == tsky_chart::zoom) {
    const tdatenbestand& data = engine.datenbestand();
    zone_.list = &zone_list_;
    zone_.request.data_directory = engine.datenverzeichnis();
    zone_.request.catalogue = chosen_zone_catalogue(k.ppm, data.sao, data.ppm);
    zone_.request.map = {sc.projection.centre_ra(), sc.projection.centre_dec(), sc.projection.rim()};
    zone_.request.limit = k.grenzgroessesao;
    zone_.request.useaberrat = k.useaberrat;
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

std::string mouse_coordinates_text(const tprojektion& projection, double x, double y, tazimutzaehlung origin) {
  const auto sky = projection.sky_at(x, y);
  if (!sky) return {};
  std::string s = "RA: " + format_ra_decimal_minutes(sky->ra / 15.0);
  s += tr(" Dk: ", " Dec: ");
  s += format_fixed_trimmed(1, sky->dec) + "°";
  if (projection.kind() == tsky_chart::horizon) {
    const double o = origin == azimutNord ? 180.0 : 0.0;
    s += tr("  h: ", "  alt: ");
    s += format_fixed_trimmed(1, sky->altitude) + "°";
    s += "  az: " + format_fixed_trimmed(1, normalize_degrees(o + sky->azimuth - 0.05)) + "°";
  }
  return s;
}

}  // namespace sdro
