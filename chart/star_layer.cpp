// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/star_layer.h"

#include "astro/text_format.h"
#include "catalog/stars.h"
#include "chart/object_labels.h"
#include "chart/sky_scene.h"
#include "chart/surface/symbols.h"
#include "chart/surface/zeichenflaeche.h"
#include "chart/symbol_sizes.h"

namespace sdro {
namespace {

void label_at(Zeichenflaeche& surface, PixelPoint at, int half, const std::string& text) {
  write_object_label(surface, {at.x + half, at.y + half}, text);
}

/// The size class of a catalogue star: its magnitude class, with extinction
/// on the horizon chart raised by the air mass of its altitude.
int size_class(const tsky_scene& scene, const tsternrecord& s) {
  const int m = magnitude_class(s.magnitude);
  if (scene.k().extinktion && scene.chart() == tsky_chart::horizon) return extinction_class(m, s.altitude);
  return m;
}

bool inside_zoom_box(const tsky_scene& scene, PixelPoint p) {
  const int limit = 3 * scene.viewport().c;
  return p.x > 0 && p.x < limit && p.y > 0 && p.y < limit;
}

void draw_written_labels(Zeichenflaeche& surface, const tsky_scene& scene, const twritten_labels& written) {
  const tprojektion& p = scene.projection;
  for (const twritten_magnitude& m : written.magnitudes) {
    const PixelPoint px = p.pixel(p.place(m.ra, m.dec));
    if (inside_zoom_box(scene, px)) surface.text_out(px.x - 18, px.y + 20, format_fixed_trimmed(1, m.magnitude / 100.0) + " mag");
  }
  for (const twritten_name& n : written.names) {
    const PixelPoint px = p.pixel(p.place(n.ra, n.dec));
    if (inside_zoom_box(scene, px)) surface.text_out(px.x - 18, px.y - 14, n.text);
  }
}

}  // namespace

int draw_star_symbol(Zeichenflaeche& surface, const tzeichenwerkzeuge& tools, PixelPoint at, int m,
                     int size_setting, bool bitmap) {
  const int id = star_bitmap(m, size_setting);
  const int half = symbol_half_size(id);
  if (bitmap) {
    surface.draw_bitmap(at.x - half, at.y - half, symbol_bitmap(id), RasterOp::bit_or);
    return half;
  }
  const int r = star_radius(m, usable_size_setting(size_setting));
  if (r > 0) {
    surface.set_pen(tools.star_pen);
    surface.set_brush(tools.star_brush);
    surface.ellipse(at.x - r, at.y - r, at.x + r + 1, at.y + r + 1);
  } else {
    surface.set_pixel(at.x, at.y, tools.star_colour);
  }
  return half;
}

void draw_catalogue_stars(Zeichenflaeche& surface, const tsky_scene& scene) {
  if (!scene.stars) return;
  tsterne_list& stars = scene.stars->stars();
  const tkonfiguration& k = scene.k();
  StateGuard guard(surface);
  select_object_label_font(surface, k);
  const bool labels = k.beschriftungobjekte;
  for (tsternrecord& s : stars) {
    s.x = s.y = -10;
    if (!scene.star_bright_enough(s.magnitude)) continue;
    const auto px = scene.object_pixel(s, s.ra_apparent, s.dec_apparent, true);
    if (!px) continue;
    s.x = px->x;
    s.y = px->y;
    const int half = draw_star_symbol(surface, scene.t(), *px, size_class(scene, s), scene.star_size,
                                      scene.star_bitmaps);
    if (labels && s.magnitude <= k.beschriftungsterne) {
      label_at(surface, *px, half, object_label(s.designation, s.magnitude / 100.0, k.saobeschriftungsart));
    }
  }
}

void draw_zone_stars(Zeichenflaeche& surface, const tsky_scene& scene) {
  tzone_source* zone = scene.zone;
  if (!zone || !zone->list || !zone->zeitort) return;
  const tkonfiguration& k = scene.k();
  StateGuard guard(surface);
  select_object_label_font(surface, k);
  const tprojektion& p = scene.projection;
  const double radius = p.rim();
  const auto draw = [&](tsaoobjekt& star, const thorizontal_place& h) {
    star.x = star.y = -10;
    const auto px = p.object_pixel(p.place_from_horizontal(h.altitude, h.sin_azimuth, h.cos_azimuth));
    if (!px) return;
    star.x = px->x;
    star.y = px->y;
    const double m = zone_star_magnitude(star.magnitude);
    const int r = zone_star_radius(m, radius);
    if (r > 0) {
      surface.set_pen(scene.t().star_pen);
      surface.set_brush(scene.t().star_brush);
      surface.ellipse(px->x - r, px->y - r, px->x + r + 1, px->y + r + 1);
    } else {
      surface.set_pixel(px->x, px->y, scene.t().star_colour);
    }
    if (k.beschriftungobjekte && m * 10.0 <= k.beschriftungsao) {
      label_at(surface, *px, zone_star_label_half(m, scene.star_size),
               object_label(star.designation, m, k.saobeschriftungsart));
    }
  };
  zone->result = ReadZoneStars(*zone->list, zone->request, *zone->zeitort, draw, zone->progress);
  if (zone->written) draw_written_labels(surface, scene, *zone->written);
}

void draw_stars(Zeichenflaeche& surface, const tsky_scene& scene) {
  if (scene.zone && scene.chart() == tsky_chart::zoom) {
    draw_zone_stars(surface, scene);
  } else {
    draw_catalogue_stars(surface, scene);
  }
}

}  // namespace sdro
