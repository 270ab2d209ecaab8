// The selected drawing objects and text settings of a surface. The defaults
// are those of a fresh device context: black one-pixel pen, white brush,
// black text on an opaque white background, left/top alignment, no clip.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "chart/surface/colour.h"
#include "chart/surface/font_spec.h"
#include "chart/surface/geometry.h"
#include "chart/surface/pen_brush.h"
#include "chart/surface/region.h"

namespace sdro {

struct DrawState {
  Pen pen = stock::black_pen;
  Brush brush = stock::white_brush;
  FontSpec font;
  tfarbe text_colour = farbe::schwarz;
  tfarbe background_colour = farbe::weiss;
  BackgroundMode background_mode = BackgroundMode::opaque;
  TextAlign text_align;
  PixelPoint position;          ///< current position for move_to / line_to
  std::optional<Region> clip;   ///< drawing is limited to this region when set
};

}  // namespace sdro
