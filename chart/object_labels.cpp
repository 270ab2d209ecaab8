// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/object_labels.h"

#include "app/state/konfiguration.h"
#include "astro/text_format.h"
#include "chart/sky_scene.h"
#include "chart/surface/zeichenflaeche.h"

namespace sdro {

std::string magnitude_text(double magnitude) { return " " + format_fixed_trimmed(1, magnitude) + " mag"; }

std::string object_label(std::string_view name, double magnitude, int saobeschriftungsart) {
  switch (saobeschriftungsart) {
    case 1:
      return magnitude_text(magnitude);
    case 2:
      return std::string(name) + magnitude_text(magnitude);
    default:
      return std::string(name);
  }
}

void select_object_label_font(Zeichenflaeche& surface, const tkonfiguration& k) {
  surface.set_font(chart_font(k, schrift_objekte));
  surface.set_text_colour(chart_font_colour(k, schrift_objekte));
  surface.set_text_align(HAlign::left, VAlign::baseline);
  surface.set_background_mode(BackgroundMode::transparent);
}

void write_object_label(Zeichenflaeche& surface, PixelPoint corner, const std::string& text) {
  if (!text.empty()) surface.text_out(corner.x + kLabelGap, corner.y, text);
}

}  // namespace sdro
