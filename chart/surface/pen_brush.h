// Pens and brushes: small values that the drawing code builds once from the
// colour table and selects into a surface, as a device context selects its
// drawing objects.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/surface/colour.h"

namespace sdro {

enum class PenStyle {
  solid,
  /// One-pixel dots with one-pixel gaps along the line (cosmetic: always one
  /// pixel wide; a dotted pen wider than 1 draws solid, as device contexts do).
  dotted,
  /// Draws nothing: shapes are filled without outline.
  none,
};

struct Pen {
  PenStyle style = PenStyle::solid;
  int width = 1;  ///< logical units; 0 counts as 1
  tfarbe colour = farbe::schwarz;

  static constexpr Pen solid(tfarbe c, int w = 1) { return {PenStyle::solid, w, c}; }
  static constexpr Pen dotted(tfarbe c) { return {PenStyle::dotted, 1, c}; }
  static constexpr Pen none() { return {PenStyle::none, 1, farbe::schwarz}; }
  constexpr bool draws() const { return style != PenStyle::none; }
  friend constexpr bool operator==(const Pen&, const Pen&) = default;
};

/// The dot pattern of dotted pens, in pixels along the line.
inline constexpr int kDotOn = 1;
inline constexpr int kDotOff = 1;

enum class BrushStyle { solid, hatched, none };

/// Hatch patterns on an 8-pixel grid anchored at the surface origin.
enum class Hatch {
  horizontal,  ///< ─
  vertical,    ///< │
  fdiagonal,   ///< ╲ (downward left to right)
  bdiagonal,   ///< ╱ (upward left to right)
  cross,       ///< ┼
  diagcross,   ///< ╳
};

struct Brush {
  BrushStyle style = BrushStyle::solid;
  tfarbe colour = farbe::weiss;
  Hatch hatch = Hatch::cross;  ///< used by hatched brushes only

  static constexpr Brush solid(tfarbe c) { return {BrushStyle::solid, c, Hatch::cross}; }
  static constexpr Brush hatched(Hatch h, tfarbe c) { return {BrushStyle::hatched, c, h}; }
  static constexpr Brush none() { return {BrushStyle::none, farbe::schwarz, Hatch::cross}; }
  constexpr bool fills() const { return style != BrushStyle::none; }
  friend constexpr bool operator==(const Brush&, const Brush&) = default;
};

/// The stock brushes of a device context.
namespace stock {
inline constexpr Brush black_brush = Brush::solid(farbe::schwarz);
inline constexpr Brush white_brush = Brush::solid(farbe::weiss);
inline constexpr Brush gray_brush = Brush::solid(farbe::grau);
inline constexpr Brush ltgray_brush = Brush::solid(farbe::hellgrau);
inline constexpr Brush dkgray_brush = Brush::solid(farbe::dunkelgrau);
inline constexpr Brush null_brush = Brush::none();  ///< hollow
inline constexpr Pen black_pen = Pen::solid(farbe::schwarz);
inline constexpr Pen white_pen = Pen::solid(farbe::weiss);
inline constexpr Pen null_pen = Pen::none();
}  // namespace stock

/// True when the hatch pattern sets the pixel (x, y) of the surface.
constexpr bool hatch_covers(Hatch h, int x, int y) {
  switch (h) {
    case Hatch::horizontal: return (y & 7) == 0;
    case Hatch::vertical: return (x & 7) == 0;
    case Hatch::fdiagonal: return ((x - y) & 7) == 0;
    case Hatch::bdiagonal: return ((x + y) & 7) == 0;
    case Hatch::cross: return (x & 7) == 0 || (y & 7) == 0;
    case Hatch::diagcross: return ((x - y) & 7) == 0 || ((x + y) & 7) == 0;
  }
  return false;
}

}  // namespace sdro
