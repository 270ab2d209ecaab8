// The figures of the Sun, the Moon and the planets drawn as discs: the plain
// disc with its lit part (drawDisc), the phase figure turned to the bright
// limb (drawPhase), Saturn with its rings and the Moon in the Earth's shadow.
//
// One object of each class lives as long as the chart drawing. The caller
// selects the brush the dark part is filled with (the sky background) before
// it draws a figure; every figure leaves the surface's settings as it found
// them. Coordinates are pixels, angles degrees.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/surface/colour.h"
#include "chart/surface/pen_brush.h"

namespace sdro {

class Zeichenflaeche;

/// Body slots of the figures: tkoerper 0..9, 10 asteroid, 11 comet.
inline constexpr int kAsteroidSlot = 10;
inline constexpr int kCometSlot = 11;

/// What every figure needs.
struct tfigur {
  int x = 0;                 ///< centre
  int y = 0;
  double rho = 5.0;          ///< radius, pixels
  int body = 0;              ///< slot
  tfarbe colour = farbe::weiss;
  double phase_angle = 0.0;  ///< i: 0 full, 180 new
  double elongation_direction = 0.0;  ///< λ − λ☉ in [0, 360)
};

/// The screen figure or the one for the printed copy.
enum class tphasenmodus { bildschirm, druck };

/// The pens and options of a drawing pass.
struct tphasenstil {
  bool moon_fill = true;           ///< `mondphasenfuellen`
  tfarbe lit_edge = farbe::weiss;  ///< colour 37 "Beleuchteter Rand"
  tfarbe dark_edge = farbe::grau;  ///< colour 38 "Unbeleuchteter Rand"
  bool night = false;              ///< night dimming
};

class tPhasen {
 public:
  tPhasen() = default;
  virtual ~tPhasen() = default;
  tPhasen(const tPhasen&) = delete;
  tPhasen& operator=(const tPhasen&) = delete;

  void set_style(const tphasenstil& style) { style_ = style; }
  const tphasenstil& style() const { return style_; }

  /// The plain disc (not turned): the ellipse in the selected brush with its
  /// lit part filled in the body colour, on the side facing the Sun.
  virtual void drawDisc(Zeichenflaeche& s, const tfigur& f) const;
  /// The phase figure turned by `turn` (a = −(χ + N + 90)): terminator and
  /// limb, the dark side filled grey when filling is on.
  virtual void drawPhase(Zeichenflaeche& s, tphasenmodus mode, bool mirrored, double turn,
                         const tfigur& f) const;

 protected:
  tphasenstil style_;
};

/// The phase figure of the printed copy.
class tphasen_d : public tPhasen {
 public:
  virtual void drawPrinted(Zeichenflaeche& s, bool mirrored, double turn, const tfigur& f) const {
    drawPhase(s, tphasenmodus::druck, mirrored, turn, f);
  }
};

/// Saturn with its rings.
class tringe : public tPhasen {
 public:
  /// `ring_semi_axis`: the outer ring's semi-major axis in pixels at the
  /// chart's scale; `tilt`: the ring tilt B (degrees, the Earth's
  /// Saturnicentric latitude); `enlarged`: the globe is drawn larger than its
  /// apparent size, so the ring is widened to three globe radii and shown at
  /// the middle of its ten-degree tilt band.
  virtual void drawSaturn(Zeichenflaeche& s, const tfigur& f, double ring_semi_axis, double tilt,
                          bool enlarged) const;
};

/// The Moon in the Earth's shadow.
class terdschatten : public tPhasen {
 public:
  /// `shadow_x`, `shadow_y`: the shadow's centre on the chart (pixels);
  /// `penumbra`, `umbra`: its radii in Moon radii (umbra 0 in a penumbral
  /// eclipse).
  virtual void drawEclipsedMoon(Zeichenflaeche& s, const tfigur& f, double shadow_x, double shadow_y,
                                double penumbra, double umbra) const;
};

/// The ring tilt a small ring is drawn with: the middle of B's ten-degree band.
double banded_ring_tilt(double tilt);

}  // namespace sdro
