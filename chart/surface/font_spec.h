// Text settings of a surface: the font description, the alignment of the
// reference point and the background mode, as a device context keeps them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace sdro {

/// A font as a font block stores it (face, size, style); the colour of a
/// block is the text colour, selected separately with set_text_colour.
///
/// Size: `height` in logical units wins when it is not 0 — negative is the
/// character (em) height, positive the cell height (ascent + descent), as in
/// a logical font. With `height` 0 the size in points applies: 96 dots per
/// inch on the raster surface, the device resolution on a page.
struct FontSpec {
  std::string face = "Arial";
  int size_points = 8;
  int height = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;

  /// The style byte of a font block: bit 0 bold, 1 italic, 2 underline, 3 strike-out.
  static FontSpec from_block(std::string face, int size_points, int height, std::uint8_t style) {
    return {std::move(face), size_points, height, (style & 1) != 0, (style & 2) != 0,
            (style & 4) != 0, (style & 8) != 0};
  }
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class HAlign { left, centre, right };
enum class VAlign { top, baseline, bottom };

/// Where the reference point of text_out lies on the text: its left edge,
/// centre or right edge, and the top of the character cell, the baseline or
/// the bottom of the cell.
struct TextAlign {
  HAlign h = HAlign::left;
  VAlign v = VAlign::top;
  friend constexpr bool operator==(TextAlign, TextAlign) = default;
};

/// Transparent text leaves the background as it is; opaque text first fills
/// its cell with the background colour. The same mode fills the gaps of
/// dotted pens and hatched brushes.
enum class BackgroundMode { transparent, opaque };

/// Vertical metrics of the selected font, logical units.
struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int height() const { return ascent + descent; }
};

}  // namespace sdro
