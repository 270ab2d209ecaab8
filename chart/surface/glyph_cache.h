// Glyphs of the raster surface: each character of a font is rendered once,
// without antialiasing, into a pixel mask that text output then paints like
// any other span set. This makes a label cost a few span fills instead of a
// painter set-up, and keeps text subject to the same clipping as the rest.
// Characters are placed one after the other by their whole-pixel advances
// (no kerning), and text_extent measures the same way.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

#include "chart/surface/font_spec.h"
#include "chart/surface/span_set.h"

namespace sdro {

struct Glyph {
  int advance = 0;
  SpanSet mask;  ///< pixels relative to the pen position on the baseline
};

class GlyphFace {
 public:
  /// The shared face of a font on the raster surface (96 dots per inch).
  static const GlyphFace& of(const FontSpec& spec);

  FontMetrics metrics() const { return metrics_; }
  const Glyph& glyph(char32_t c) const;
  /// Width of the UTF-8 text: the sum of the advances.
  int width(std::u32string_view text) const;

  explicit GlyphFace(const FontSpec& spec);

 private:
  FontSpec spec_;
  double pixel_size_;
  FontMetrics metrics_;
  mutable std::mutex mutex_;
  mutable std::unordered_map<char32_t, std::unique_ptr<Glyph>> glyphs_;
};

/// The code points of a UTF-8 text (invalid bytes become U+FFFD).
std::u32string code_points(std::string_view utf8);

}  // namespace sdro
