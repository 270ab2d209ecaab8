// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/line_layers.h"

#include "catalog/stars.h"
#include "chart/sky_lines.h"
#include "chart/sky_scene.h"
#include "chart/surface/zeichenflaeche.h"

namespace sdro {
namespace {

/// The zoom chart draws figures and boundaries from this radius on.
constexpr double kZoomFigureRadius = 2.0;
constexpr std::size_t kLastZodiacPoint = 118;
constexpr std::size_t kFirstOtherFigurePoint = 119;
constexpr std::size_t kLastFigurePoint = 577;

bool figures_fit(const tsky_scene& scene) {
  return scene.chart() != tsky_chart::zoom || scene.projection.rim() >= kZoomFigureRadius;
}

void draw_block(Zeichenflaeche& surface, const tsky_scene& scene, tline_block block, const Pen& pen) {
  draw_line_range(surface, scene, scene.stars->line_block(block), pen);
}

/// Whether a constellation name at this place is drawn, and where.
std::optional<PixelPoint> name_pixel(const tsky_scene& scene, const tsternbildlabel& l) {
  const tprojektion& p = scene.projection;
  if (p.kind() == tsky_chart::overview) return p.overview_object_pixel(l.ra_date, l.dec_date);
  const tchart_place place = scene.place_of(l);
  if (!(place.e > 90.0 - p.rim())) return std::nullopt;
  const PixelPoint px = p.pixel(place);
  const int limit = 3 * p.viewport().c;
  if (p.kind() == tsky_chart::zoom && (px.x <= 0 || px.x >= limit || px.y <= 0 || px.y >= limit)) {
    return std::nullopt;
  }
  return px;
}

}  // namespace

void draw_milky_way(Zeichenflaeche& surface, const tsky_scene& scene) {
  const int level = scene.k().milchstrasse;
  if (!scene.stars || level < 1 || !scene.faint_light_visible()) return;
  const auto& pens = scene.t().milky_way;
  draw_block(surface, scene, tline_block::milky_way_coarse, pens[milchstrasse_grob]);
  if (level >= 2) draw_block(surface, scene, tline_block::milky_way_medium, pens[milchstrasse_mittel]);
  if (level >= 4) draw_block(surface, scene, tline_block::milky_way_very_fine, pens[milchstrasse_sehr_fein]);
  if (level >= 3) draw_block(surface, scene, tline_block::milky_way_fine, pens[milchstrasse_fein]);
}

void draw_outline_lines(Zeichenflaeche& surface, const tsky_scene& scene) {
  if (!scene.stars || !scene.k().nebelumrisse || !scene.faint_light_visible()) return;
  draw_block(surface, scene, tline_block::outlines, scene.t().outline_lines);
}

void draw_figures(Zeichenflaeche& surface, const tsky_scene& scene) {
  const tkonfiguration& k = scene.k();
  if (!scene.stars || !k.sternbilder || !figures_fit(scene)) return;
  StateGuard guard(surface);
  surface.set_background_mode(BackgroundMode::transparent);
  const Pen& zodiac = k.tierkreishervorheben ? scene.t().zodiac : scene.t().figure;
  draw_line_range(surface, scene, {1, kLastZodiacPoint}, zodiac);
  if (k.allesternbilder) {
    draw_line_range(surface, scene, {kFirstOtherFigurePoint, kLastFigurePoint}, scene.t().figure);
  }
}

void draw_boundaries(Zeichenflaeche& surface, const tsky_scene& scene) {
  if (!scene.stars || !scene.k().sternbildgrenzen || !figures_fit(scene)) return;
  draw_block(surface, scene, tline_block::boundaries, scene.t().boundary);
}

void draw_constellation_names(Zeichenflaeche& surface, const tsky_scene& scene) {
  if (!scene.stars) return;
  tsternbildtabelle& labels = scene.stars->constellations();
  for (tsternbildlabel& l : labels) l.x = l.y = -10;
  if (!scene.k().beschriftungsternbilder) return;
  StateGuard guard(surface);
  surface.set_font(chart_font(scene.k(), schrift_sternbilder));
  surface.set_text_colour(chart_font_colour(scene.k(), schrift_sternbilder));
  surface.set_background_mode(BackgroundMode::transparent);
  surface.set_text_align(HAlign::centre, VAlign::baseline);
  for (tsternbildlabel& l : labels) {
    const auto px = name_pixel(scene, l);
    if (!px) continue;
    l.x = px->x;
    l.y = px->y;
    surface.text_out(px->x, px->y, l.name);
  }
}

}  // namespace sdro
