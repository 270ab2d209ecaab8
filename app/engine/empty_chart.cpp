// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/engine/empty_chart.h"

#include <string>

#include "app/state/konfiguration.h"
#include "astro/angles.h"
#include "astro/chart_kind.h"
#include "astro/names.h"
#include "chart/surface/zeichenflaeche.h"

namespace sdro {
namespace {

tfarbe colour(tfarbwert value) { return tfarbe::from_value(static_cast<std::uint32_t>(value)); }

FontSpec font_of(const tschrift& f) { return FontSpec::from_block(f.name, f.groesse, f.hoehe, f.stil); }

bool is_round(int kind, int subkind) {
  return (kind == ka_horizont && subkind == 0) || kind == ka_zoom || kind == ka_nordhimmel ||
         kind == ka_suedhimmel;
}

std::string trimmed(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

// Cardinal points of the horizon chart: north at the top, east to the left
// (the sky seen from below), turned by the chart rotation and mirrored.
void draw_cardinal_points(Zeichenflaeche& chart, const tkonfiguration& k, int c, int r) {
  chart.set_font(font_of(k.schriften[schrift_horizont]));
  chart.set_text_colour(colour(k.farben[11]));
  chart.set_text_align(HAlign::centre, VAlign::top);
  const int inset = r - 14;
  for (int i = 0; i < 8; i += 2) {
    const double angle = 45.0 * i + k.drehwinkel;  // 0 north, 90 east
    const int x = c - static_cast<int>(k.spiegelung * inset * sin_deg(angle));
    const int y = c - static_cast<int>(inset * cos_deg(angle)) - 6;
    chart.text_out(x, y, trimmed(compass_point(i)));
  }
}

}  // namespace

void clear_chart(Zeichenflaeche& chart) {
  const Extent size = chart.size();
  chart.fill_rect(0, 0, size.cx, size.cy, stock::black_brush);
}

void draw_empty_chart(Zeichenflaeche& chart, const tkonfiguration& k, int d) {
  StateGuard guard(chart);
  chart.set_background_mode(BackgroundMode::transparent);
  chart.set_pen(Pen::solid(colour(k.farben[10])));
  chart.set_brush(stock::null_brush);
  const int c = (d - 1) / 2 + 1;
  const int r = c - 1;
  if (is_round(k.kartenart, k.kartenunterart)) {
    chart.ellipse(c - r, c - r, c + r + 1, c + r + 1);
    if (k.kartenart == ka_horizont) draw_cardinal_points(chart, k, c, r);
  } else {
    chart.rectangle(0, 0, d, d);
  }
  if (k.beschriftungkarten) {
    chart.set_font(font_of(k.schriften[schrift_karten]));
    chart.set_text_colour(colour(k.schriften[schrift_karten].farbe));
    chart.set_text_align(HAlign::left, VAlign::top);
    chart.text_out(4, 2, chart_kind_caption(k.kartenunterart == 1, k.ansichtvon, k.kartenart));
  }
}

}  // namespace sdro
