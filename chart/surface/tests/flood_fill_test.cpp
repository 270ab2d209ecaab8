// Flood fill in surface and border mode on the raster surface.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "chart/surface/raster_surface.h"
#include "chart/surface/recording_surface.h"
#include "chart/surface/tests/surface_test_support.h"

namespace sdro {
namespace {

using test::at;
using test::count;

constexpr tfarbe kSky = farbe::schwarz;
constexpr tfarbe kRim = farbe::weiss;
constexpr tfarbe kPaint = farbe::grau;

class FloodFill : public ::testing::Test {
 protected:
  FloodFill() : image(test::filled_image(60, 60, kSky)), s(image) {
    s.set_pen(Pen::solid(kRim));
    s.set_brush(stock::null_brush);
    s.ellipse(10, 10, 50, 50);  // a closed white circle on black
    s.set_brush(Brush::solid(kPaint));
  }
  QImage image;
  RasterSurface s;
};

TEST_F(FloodFill, SurfaceModeFillsTheConnectedAreaOfOneColour) {
  const int rim = count(image, kRim);
  EXPECT_TRUE(s.flood_fill(30, 30, kSky, FloodMode::surface));
  EXPECT_EQ(at(image, 30, 30), kPaint);
  EXPECT_EQ(at(image, 2, 2), kSky);  // outside the circle untouched
  EXPECT_EQ(count(image, kRim), rim);
  // Nothing to fill when the seed has another colour.
  EXPECT_FALSE(s.flood_fill(2, 2, farbe::rot, FloodMode::surface));
  EXPECT_FALSE(s.flood_fill(-1, 5, kSky, FloodMode::surface));
}

TEST_F(FloodFill, BorderModeFillsUpToTheBorderColour) {
  s.set_pixel(30, 30, farbe::rot);  // other colours inside are filled over
  EXPECT_TRUE(s.flood_fill(25, 25, kRim, FloodMode::border));
  EXPECT_EQ(at(image, 30, 30), kPaint);
  EXPECT_EQ(at(image, 2, 2), kSky);
  EXPECT_FALSE(s.flood_fill(30, 10, kRim, FloodMode::border));  // seed on the border
}

TEST_F(FloodFill, LeakyBorderSpillsOverTheWholeImage) {
  s.set_pen(Pen::solid(kSky));
  s.move_to(10, 29);
  s.line_to(10, 32);  // a gap in the left rim
  EXPECT_TRUE(s.flood_fill(30, 30, kSky, FloodMode::surface));
  EXPECT_EQ(count(image, kSky), 0);
  EXPECT_EQ(count(image, kPaint) + count(image, kRim), 3600);
}

TEST_F(FloodFill, FullImageFillAndHatchedBrush) {
  QImage big = test::filled_image(1222, 1222, kSky);
  RasterSurface b(big);
  b.set_brush(Brush::solid(kPaint));
  EXPECT_TRUE(b.flood_fill(600, 600, kSky, FloodMode::surface));
  EXPECT_EQ(count(big, kPaint), 1222 * 1222);

  // A hatched brush fills the found area with its pattern, transparent gaps
  // keep the old colour and the fill does not run away through them.
  s.set_background_mode(BackgroundMode::transparent);
  s.set_brush(Brush::hatched(Hatch::diagcross, farbe::rot));
  EXPECT_TRUE(s.flood_fill(30, 30, kSky, FloodMode::surface));
  EXPECT_GT(count(image, farbe::rot), 0);
  EXPECT_EQ(at(image, 2, 2), kSky);
  EXPECT_EQ(at(image, 24, 24), farbe::rot);  // on the diagonal grid
  EXPECT_EQ(at(image, 25, 24), kSky);
}

TEST_F(FloodFill, ClipLimitsTheFill) {
  s.set_clip(Region::rectangle(0, 0, 30, 60));
  EXPECT_TRUE(s.flood_fill(20, 30, kSky, FloodMode::surface));
  EXPECT_EQ(at(image, 29, 30), kPaint);
  EXPECT_EQ(at(image, 30, 30), kSky);
}

TEST(FloodFillElsewhere, RecordedAndRefusedWithoutPixels) {
  RecordingSurface r;
  EXPECT_TRUE(r.flood_fill(3, 4, farbe::weiss, FloodMode::border));
  ASSERT_EQ(r.calls_of(DrawOp::flood_fill).size(), 1u);
  EXPECT_EQ(r.calls()[0].flood_mode, FloodMode::border);
  EXPECT_EQ(r.calls()[0].colour, farbe::weiss);
}

}  // namespace
}  // namespace sdro
