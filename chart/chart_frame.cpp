// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/chart_frame.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "astro/angles.h"
#include "astro/chart_kind.h"
#include "astro/instant_text.h"
#include "astro/names.h"
#include "astro/text_format.h"
#include "chart/sky_scene.h"
#include "chart/surface/rnd.h"
#include "chart/surface/zeichenflaeche.h"
#include "chart/symbol_sizes.h"

namespace sdro {
namespace {

/// Direction components below this count as "straight up/down or sideways".
constexpr double kAxisTolerance = 0.3;

std::string_view trimmed_text(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

/// The left (or top) of a box of extent w placed away from the centre along
/// a direction component.
int away(int at, double direction, int w) {
  if (direction > kAxisTolerance) return at;
  if (direction < -kAxisTolerance) return at - w;
  return at - w / 2;
}

/// The chart's texts keep this distance from its left and right edges.
constexpr int kTextMargin = 4;

/// The width of the widest text in the selected font.
int widest(const Zeichenflaeche& surface, std::initializer_list<std::string_view> texts) {
  int w = 0;
  for (const std::string_view t : texts) w = std::max(w, surface.text_extent(t).cx);
  return w;
}

/// Selects the labelling font; when one of the texts would be wider than
/// `room`, the same face with a smaller cell height so that all of them fit
/// (the texts themselves stay as they are).
void select_fitting_font(Zeichenflaeche& surface, FontSpec font, std::initializer_list<std::string_view> texts,
                         int room) {
  surface.set_font(font);
  const int w = widest(surface, texts);
  if (w <= room) return;
  // A smaller font is about proportionally narrower; a step further when
  // the glyphs do not scale exactly.
  const int cell = std::max(1, surface.font_metrics().height());
  for (font.height = std::max(1, cell * room / w);; --font.height) {
    surface.set_font(font);
    if (font.height <= 1 || widest(surface, texts) <= room) return;
  }
}

/// The left end of a text of width w that starts at `x` by the labelling
/// rule: moved left, right-aligned against the chart's right edge, when it
/// would reach beyond it.
int fitted_left(int x, int w, int d) { return std::max(kTextMargin, std::min(x, d - kTextMargin - w)); }

/// The horizontal offset b of the date and place texts by the chart size.
int labelling_offset(int d) {
  if (d > 900) return -30;
  if (d > 600) return 5;
  if (d > 420) return 18;
  return 30;
}

void draw_cardinal_points(Zeichenflaeche& surface, const tsky_scene& scene) {
  surface.set_text_align(HAlign::left, VAlign::top);
  for (int i = 0; i < 8; ++i) {
    const std::string_view text = trimmed_text(compass_point(i));
    const Extent e = surface.text_extent(text);
    const PixelRect box = cardinal_label_box(scene, i, e.cx, e.cy);
    surface.text_out(box.left, box.top, text);
  }
}

}  // namespace

const Pen& rim_pen(const tsky_scene& scene) {
  const tkonfiguration& k = scene.k();
  const tzeichenwerkzeuge& t = scene.t();
  if (scene.chart() == tsky_chart::horizon && k.gradnetzhorizont) return t.horizon;
  if ((scene.chart() == tsky_chart::north || scene.chart() == tsky_chart::south) && k.gradnetzaequator) {
    return t.equator;
  }
  if (scene.night) return t.red;
  if (scene.sixteen_colours && scene.light.sun_altitude > -6.0) return t.white;
  return t.rim;
}

void draw_background(Zeichenflaeche& surface, const tsky_scene& scene) {
  const Extent size = surface.size();
  surface.fill_rect(0, 0, size.cx, size.cy, Brush::solid(scene.background.sky));
  if (!scene.projection.circular()) return;
  StateGuard guard(surface);
  const int d = scene.viewport().d;
  surface.set_pen(rim_pen(scene));
  surface.set_brush(stock::null_brush);
  surface.ellipse(0, 0, d, d);
}

PixelRect cardinal_label_box(const tsky_scene& scene, int i, int width, int height) {
  const tviewport& vp = scene.viewport();
  const double r = vp.d / 2.0 + (vp.d > 1980 ? 10 : 0);
  double dy = 1.0;
  const double dx = sincos_deg(180.0 + 45.0 * i + vp.v, dy) * vp.s;
  const int x = vp.c + rnd(r * dx);
  const int y = vp.c + rnd(r * dy);
  const int left = std::clamp(away(x, dx, width), 0, std::max(0, vp.d - width));
  const int top = std::clamp(away(y, dy, height), 0, std::max(0, vp.d - height));
  return {left, top, left + width, top + height};
}

void draw_chart_labelling(Zeichenflaeche& surface, const tsky_scene& scene) {
  const tkonfiguration& k = scene.k();
  if (!k.beschriftungkarten || !scene.projection.circular()) return;
  StateGuard guard(surface);
  const int d = scene.viewport().d;
  const std::string title = chart_kind_caption(k.kartenunterart == 1, k.ansichtvon, k.kartenart);
  const std::string date = format_instant(k.zeitort, instant_hh_mm);
  const std::string& place = k.zeitort.place_name;
  select_fitting_font(surface, chart_font(k, schrift_karten), {title, date, place}, d - 2 * kTextMargin);
  surface.set_text_colour(chart_font_colour(k, schrift_karten));
  surface.set_background_mode(BackgroundMode::transparent);
  surface.set_text_align(HAlign::left, VAlign::top);
  if (!title.empty()) {  // bottom left, clear of the scale bar and the date
    surface.text_out(kTextMargin, d - surface.text_extent(title).cy - 2, title);
  }
  // Date and place at the top right, both inside the chart.
  const int b = labelling_offset(d);
  surface.text_out(fitted_left(rnd(b / 1.8) + rnd(d / 2.0 + d / 6.4), surface.text_extent(date).cx, d), 0, date);
  surface.text_out(fitted_left(rnd(d / 2.0 + d / 4.9 + b), surface.text_extent(place).cx, d), 16, place);
  if (scene.chart() == tsky_chart::horizon) {
    surface.set_font(chart_font(k, schrift_karten));
    draw_cardinal_points(surface, scene);
  }
}

tscale_bar scale_bar(const tsky_scene& scene) {
  const double radius = scene.projection.rim();
  const double degrees = scale_bar_degrees(radius);
  tscale_bar bar;
  bar.x_end = 10 + rnd(degrees / radius * scene.viewport().R);
  bar.label = (degrees < 1.0 ? format_fixed_trimmed(1, degrees) : std::to_string(rnd(degrees))) + "°";
  return bar;
}

void draw_scale_bar(Zeichenflaeche& surface, const tsky_scene& scene) {
  if (scene.chart() != tsky_chart::zoom || !scene.show_scale) return;
  const tscale_bar bar = scale_bar(scene);
  StateGuard guard(surface);
  surface.set_pen(scene.t().equator);
  surface.move_to(10, 10);
  surface.line_to(bar.x_end, 10);
  surface.move_to(10, 7);
  surface.line_to(10, 13);
  surface.move_to(bar.x_end, 7);
  surface.line_to(bar.x_end, 13);
  surface.set_font(chart_font(scene.k(), schrift_aequator));
  surface.set_text_colour(chart_font_colour(scene.k(), schrift_aequator));
  surface.set_background_mode(BackgroundMode::transparent);
  surface.set_text_align(HAlign::left, VAlign::baseline);
  surface.text_out(bar.x_end + 3, 13, bar.label);
}

void draw_telrad(Zeichenflaeche& surface, const tsky_scene& scene) {
  if (!scene.marker) return;
  const tprojektion& p = scene.projection;
  const auto at = p.object_pixel(scene.marker->ra, scene.marker->dec);
  if (!at) return;
  const double pixels_per_degree = p.circular() ? p.viewport().R / p.rim() : p.viewport().k;
  const tkonfiguration& k = scene.k();
  StateGuard guard(surface);
  surface.set_pen(scene.t().telrad);
  surface.set_brush(stock::null_brush);
  for (std::size_t i = 0; i < k.telrad.size(); ++i) {
    if (!k.telrad_ein[i] || !std::isfinite(k.telrad[i]) || k.telrad[i] <= 0.0) continue;
    const int r = rnd(k.telrad[i] * pixels_per_degree / 2.0);
    surface.ellipse(at->x - r, at->y - r, at->x + r + 1, at->y + r + 1);
  }
}

}  // namespace sdro
