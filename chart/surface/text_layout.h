// Placement of a text line by its reference point and alignment, shared by
// all back-ends so that labels land in the same place on screen, on paper
// and in the recording.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/surface/font_spec.h"
#include "chart/surface/geometry.h"

namespace sdro {

struct TextPlacement {
  int left = 0;      ///< x of the text's left edge
  int baseline = 0;  ///< y of the baseline
  PixelRect cell;    ///< the character cell of the whole line
};

/// The text of `width` with the font metrics, aligned at (x, y). Centred text
/// starts width / 2 (integer division) left of x.
inline TextPlacement place_text(int x, int y, TextAlign align, int width, FontMetrics m) {
  TextPlacement p;
  p.left = align.h == HAlign::left ? x : align.h == HAlign::right ? x - width : x - width / 2;
  p.baseline = align.v == VAlign::top      ? y + m.ascent
               : align.v == VAlign::bottom ? y - m.descent
                                           : y;
  p.cell = {p.left, p.baseline - m.ascent, p.left + width, p.baseline + m.descent};
  return p;
}

}  // namespace sdro
