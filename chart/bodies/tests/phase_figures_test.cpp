// The disc figures by their pixels: the lit and dark parts of the phase
// figure, the plain disc, Saturn's ring when the globe is enlarged, and the
// Moon in the Earth's shadow.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>

#include "chart/bodies/phase_figures.h"
#include "chart/surface/raster_surface.h"

namespace sdro {
namespace {

constexpr int kSize = 120;
constexpr int kCentre = 60;
constexpr tfarbe kLit = tfarbe::rgb(200, 200, 0);
constexpr tfarbe kDark = tfarbe::rgb(0, 0, 200);

class Figures : public ::testing::Test {
 protected:
  Figures() : image_(kSize, kSize, QImage::Format_RGB32), s_(image_) {
    image_.fill(Qt::black);
    s_.set_brush(Brush::solid(farbe::schwarz));  // the sky
    phasen_.set_style({true, kLit, kDark, false});
    ringe_.set_style({true, kLit, kDark, false});
  }
  int count(tfarbe c, int x0 = 0, int x1 = kSize) const {
    int n = 0;
    for (int y = 0; y < kSize; ++y) {
      for (int x = x0; x < x1; ++x) n += tfarbe::from_rgb32(image_.pixel(x, y)) == c;
    }
    return n;
  }
  static tfigur moon(double phase_angle, double rho = 40.0) {
    tfigur f;
    f.x = f.y = kCentre;
    f.rho = rho;
    f.body = 9;
    f.colour = farbe::weiss;
    f.phase_angle = phase_angle;
    return f;
  }
  /// The phase figure with the bright limb towards screen-right (a = 0).
  void phase(double i, bool fill = true) {
    phasen_.set_style({fill, kLit, kDark, false});
    phasen_.drawPhase(s_, tphasenmodus::bildschirm, false, 0.0, moon(i));
  }

  QImage image_;
  RasterSurface s_;
  tPhasen phasen_;
  tringe ringe_;
  terdschatten schatten_;
};

TEST_F(Figures, PhasesLightTheirShareOfTheDisc) {
  const double disc = 3.14159265 * 40 * 40;
  struct tcase {
    double i;
    double lit;  ///< illuminated fraction (1 + cos i) / 2
  };
  for (const tcase c : {tcase{0, 1.0}, tcase{30, 0.933}, tcase{90, 0.5}, tcase{150, 0.067}}) {
    image_.fill(Qt::black);
    phase(c.i);
    const double white = count(farbe::weiss) + count(kLit);  // the lit limb counts as lit
    const double inside = white + count(farbe::grau);
    EXPECT_NEAR(white / inside, c.lit, 0.03) << "i = " << c.i;
    EXPECT_NEAR(inside / disc, 1.0, 0.08) << "i = " << c.i << ": only the limb is not filled";
  }
}

TEST_F(Figures, HalfMoonIsLitOnTheSideOfTheTurn) {
  phase(90);
  EXPECT_LT(count(farbe::weiss, 0, kCentre - 1), 60);      // left of the terminator: dark
  EXPECT_GT(count(farbe::weiss, kCentre + 1, kSize), 2250);  // right: lit
  EXPECT_GT(count(farbe::grau, 0, kCentre - 1), 2250);
  // The straight terminator reaches the limb: no white leaks into the grey half.
  EXPECT_EQ(count(farbe::weiss, 0, kCentre - 2), 0);
}

TEST_F(Figures, NewMoonIsFilledGreyOrLeftAsOutline) {
  phase(180);
  EXPECT_EQ(count(farbe::weiss), 0);
  EXPECT_GT(count(farbe::grau), 4500);
  image_.fill(Qt::black);
  phase(180, false);
  EXPECT_EQ(count(farbe::grau), 0);
  EXPECT_EQ(count(farbe::weiss), 0);
  EXPECT_GT(count(kDark) + count(kLit), 200);  // the outline figure
  EXPECT_LT(count(kDark) + count(kLit), 800);
}

TEST_F(Figures, PlainDiscLightsTheSideFacingTheSun) {
  tfigur f = moon(90, 20);
  f.body = 0;
  f.colour = farbe::gelb;
  f.elongation_direction = 90;  // east of the Sun: the western (right) half is lit
  phasen_.drawDisc(s_, f);
  EXPECT_LT(count(farbe::gelb, 0, kCentre - 1), 80);  // the outline only
  EXPECT_EQ(tfarbe::from_rgb32(image_.pixel(kCentre - 10, kCentre)), farbe::schwarz);
  EXPECT_GT(count(farbe::gelb, kCentre, kSize), 600);
  image_.fill(Qt::black);
  f.phase_angle = 0;
  phasen_.drawPhase(s_, tphasenmodus::bildschirm, false, 0.0, f);  // the Sun: always the plain disc
  EXPECT_NEAR(count(farbe::gelb), 3.14159265 * 400, 60);
}

TEST_F(Figures, SmallSaturnGetsAWideRingAtTheMiddleOfItsTiltBand) {
  EXPECT_DOUBLE_EQ(banded_ring_tilt(23.0), 25.0);
  EXPECT_DOUBLE_EQ(banded_ring_tilt(-3.0), -5.0);
  EXPECT_DOUBLE_EQ(banded_ring_tilt(0.0), 0.0);
  tfigur f = moon(5, 4.0);
  f.body = 5;
  ringe_.drawSaturn(s_, f, 3.0, 23.0, true);
  const tfarbe ring = tfarbe::rgb(92, 192, 192);
  int left = kSize, right = 0, top = kSize, bottom = 0;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (tfarbe::from_rgb32(image_.pixel(x, y)) != ring) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_NEAR(right - left + 1, 24, 1);                   // 2 × 3ρ
  EXPECT_NEAR(bottom - top + 1, 2 * 12 * std::sin(25 * 3.14159265 / 180), 1.5);
}

TEST_F(Figures, LargeSaturnShowsItsOwnRing) {
  tfigur f = moon(5, 20.0);
  f.body = 5;
  ringe_.drawSaturn(s_, f, 45.0, 10.0, false);
  const tfarbe ring = tfarbe::rgb(92, 192, 192);
  int left = kSize, right = 0;
  for (int x = 0; x < kSize; ++x) {
    if (tfarbe::from_rgb32(image_.pixel(x, kCentre)) != ring) continue;
    left = std::min(left, x);
    right = std::max(right, x);
  }
  EXPECT_NEAR(right - left + 1, 90, 1);
  EXPECT_EQ(tfarbe::from_rgb32(image_.pixel(kCentre, kCentre - 18)), f.colour) << "the globe stands in front";
}

TEST_F(Figures, EclipsedMoonShowsUmbraAndPenumbra) {
  // The shadow's centre 30 pixels left of the Moon's, umbra 1 and penumbra
  // 2 Moon radii: the left part lies in the umbra, the rest in the penumbra.
  schatten_.drawEclipsedMoon(s_, moon(0, 30), kCentre - 30, kCentre, 2.0, 1.0);
  const int umbra = count(farbe::dunkelrot);
  const int penumbra = count(farbe::hellgrau);
  EXPECT_GT(umbra, 700);
  EXPECT_GT(penumbra, 1000);
  EXPECT_EQ(count(farbe::weiss), 0) << "the whole Moon is in the penumbra";
  EXPECT_EQ(tfarbe::from_rgb32(image_.pixel(kCentre - 20, kCentre)), farbe::dunkelrot);
  EXPECT_EQ(tfarbe::from_rgb32(image_.pixel(kCentre + 20, kCentre)), farbe::hellgrau);
}

}  // namespace
}  // namespace sdro
