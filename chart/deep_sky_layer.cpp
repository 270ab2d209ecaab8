// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/deep_sky_layer.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "catalog/designations.h"
#include "catalog/stars.h"
#include "chart/object_labels.h"
#include "chart/sky_scene.h"
#include "chart/surface/rnd.h"
#include "chart/surface/zeichenflaeche.h"
#include "chart/symbol_sizes.h"

namespace sdro {
namespace {

/// Step of the numerical north and east directions at an object, degrees.
constexpr double kDirectionStep = 0.1;
/// Outlines smaller than this (pixels) are drawn as small circles…
constexpr double kSmallestOutline = 3.0;
/// …of this radius.
constexpr double kSmallOutlineRadius = 2.125;
constexpr int kOutlinePoints = 61;

struct tvec2 {
  double x = 0.0;
  double y = 0.0;
};

tvec2 unit(tvec2 v) {
  const double n = std::hypot(v.x, v.y);
  if (n <= 0.0) return {0.0, -1.0};
  return {v.x / n, v.y / n};
}

tvec2 screen(const tprojektion& p, double ra, double dec) {
  const auto [x, y] = p.exact_pixel(p.place(ra, dec));
  return {x, y};
}

tvec2 minus(tvec2 a, tvec2 b) { return {a.x - b.x, a.y - b.y}; }

const Brush& type_brush(const tzeichenwerkzeuge& t, int type) {
  switch (type) {
    case 0:
    case 1:
      return t.cluster;
    case 2:
      return t.galaxy;
    case 3:
    case 4:
      return t.nebula;
    default:
      return t.unknown;
  }
}

void draw_outline(Zeichenflaeche& surface, const tsky_scene& scene, const tnebelrecord& o) {
  const tdeep_sky_outline outline = deep_sky_outline(scene, o);
  surface.set_pen(outline.size_known ? scene.t().outline_known : scene.t().outline_unknown);
  surface.set_brush(stock::null_brush);
  surface.polygon(outline.points);
}

}  // namespace

bool deep_sky_group_shown(const tkonfiguration& k, int type) {
  switch (nebula_group(type)) {
    case tnebula_group::clusters: return k.gruppehaufen;
    case tnebula_group::nebulae: return k.gruppenebel;
    case tnebula_group::galaxies: return k.gruppegalaxien;
    case tnebula_group::uncertain: return k.gruppeunsicher;
    case tnebula_group::none: break;
  }
  return false;
}

tdeep_sky_outline deep_sky_outline(const tsky_scene& scene, const tnebelrecord& o) {
  const tprojektion& p = scene.projection;
  const double ra = o.ra_date;
  const double dec = o.dec_date;
  const tvec2 centre = screen(p, ra, dec);
  const double step_north = dec + kDirectionStep > 90.0 ? -kDirectionStep : kDirectionStep;
  const tvec2 north = unit(minus(screen(p, ra, dec + step_north), centre));
  const tvec2 n = step_north > 0 ? north : tvec2{-north.x, -north.y};
  const double cos_dec = std::max(0.01, cos_deg(dec));
  const tvec2 e = unit(minus(screen(p, ra + kDirectionStep / cos_dec, dec), centre));

  tdeep_sky_outline out;
  out.size_known = o.major > 0;  // 0 (and the −100 of older files): size not known
  const double pixels_per_arcmin = p.viewport().R / p.rim() / 60.0;
  double a = out.size_known ? o.major / 2.0 * pixels_per_arcmin : 0.0;
  double b = o.minor > 0 ? o.minor / 2.0 * pixels_per_arcmin : a;
  if (!out.size_known || a < kSmallestOutline) a = b = kSmallOutlineRadius;
  double cos_pa = 1.0;
  const double sin_pa = sincos_deg(out.size_known ? o.position_angle : 0.0, cos_pa);
  const tvec2 major{cos_pa * n.x + sin_pa * e.x, cos_pa * n.y + sin_pa * e.y};
  const tvec2 minor{-sin_pa * n.x + cos_pa * e.x, -sin_pa * n.y + cos_pa * e.y};
  out.points.reserve(kOutlinePoints);
  for (int i = 0; i < kOutlinePoints; ++i) {
    double ct = 1.0;
    const double st = sincos_deg(6.0 * i, ct);
    out.points.push_back({rnd(centre.x + a * ct * major.x + b * st * minor.x),
                          rnd(centre.y + a * ct * major.y + b * st * minor.y)});
  }
  return out;
}

void draw_deep_sky(Zeichenflaeche& surface, const tsky_scene& scene) {
  if (!scene.stars) return;
  const tkonfiguration& k = scene.k();
  StateGuard guard(surface);
  select_object_label_font(surface, k);
  const bool zoom = scene.chart() == tsky_chart::zoom;
  for (tnebelrecord& o : scene.stars->nebulae()) {
    o.x = o.y = -10;
    if (!deep_sky_group_shown(k, o.type) || !scene.nebula_bright_enough(o.magnitude)) continue;
    const auto px = scene.object_pixel(o, o.ra_date, o.dec_date);
    if (!px) continue;
    const int size = deep_sky_diameter(o.magnitude, k.nebelgroessevariation);
    const int left = static_cast<int>(std::trunc(px->x + 1 - size / 2.0));
    const int top = static_cast<int>(std::trunc(px->y + 1 - size / 2.0));
    surface.set_pen(stock::null_pen);
    surface.set_brush(type_brush(scene.t(), o.type));
    surface.ellipse(left, top, left + size, top + size);
    o.x = left;
    o.y = top;
    if (zoom) draw_outline(surface, scene, o);
    if (k.beschriftungobjekte && o.magnitude <= k.beschriftungnebel) {
      const std::string text =
          object_label(deep_sky_display_name(o.designation), o.magnitude / 100.0, k.saobeschriftungsart);
      // At the lower right corner of the symbol's box and, as for stars,
      // kLabelGap pixels right of it: the first letter never touches the
      // symbol, nor is it lost in what is drawn around it.
      write_object_label(surface, {left + size, top + size}, text);
    }
  }
}

}  // namespace sdro
