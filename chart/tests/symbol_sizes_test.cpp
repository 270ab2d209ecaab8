// Symbol sizes: the star radius table of every size setting, the bitmaps,
// extinction, zone stars, deep-sky symbols and the scale bar's length.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>

#include "chart/symbol_sizes.h"

namespace sdro {
namespace {

TEST(SymbolSizes, StarRadiusTableForEverySizeSetting) {
  // Classes −1, 0, 1 … 8.
  const struct {
    int b;
    std::array<int, 10> radii;
  } table[] = {
      {-4, {9, 9, 7, 6, 5, 4, 3, 2, 1, 0}},
      {-3, {8, 8, 6, 5, 4, 4, 3, 2, 1, 0}},
      {-2, {7, 7, 5, 4, 4, 3, 2, 2, 1, 0}},
      {-1, {6, 4, 4, 3, 2, 2, 1, 1, 0, -1}},
  };
  for (const auto& row : table) {
    for (int m = -1; m <= 8; ++m) EXPECT_EQ(star_radius(m, row.b), row.radii[m + 1]) << "b " << row.b << " m " << m;
  }
  // Size setting small: 0.4 mag has radius 7, 6.8 mag radius 2.
  EXPECT_EQ(star_radius(magnitude_class(40), -2), 7);
  EXPECT_EQ(star_radius(magnitude_class(680), -2), 2);
}

TEST(SymbolSizes, MagnitudeClassesAndBitmaps) {
  EXPECT_EQ(magnitude_class(-146), -1);
  EXPECT_EQ(magnitude_class(-250), -1);
  EXPECT_EQ(magnitude_class(99), 0);
  EXPECT_EQ(magnitude_class(1050), 8);
  EXPECT_EQ(star_bitmap(-1, -4), 194);
  EXPECT_EQ(star_bitmap(8, -1), 206);
  EXPECT_EQ(star_bitmap(2, -2), 199);
  // A size setting outside −4..−1 (a damaged file) draws as small.
  EXPECT_EQ(star_bitmap(2, 7), 199);
  EXPECT_EQ(usable_size_setting(0), -2);
}

TEST(SymbolSizes, ExtinctionRaisesTheClassNearTheHorizon) {
  EXPECT_EQ(extinction_class(1, 90.0), 1);
  EXPECT_EQ(extinction_class(1, 30.0), 1);   // 1 + 0.3 = 1.3
  EXPECT_EQ(extinction_class(1, 10.0), 2);   // 1 + 0.3 · 4.76
  EXPECT_EQ(extinction_class(1, 0.1), 8);    // 26, clamped
  EXPECT_EQ(extinction_class(-1, -5.0), 8);
}

TEST(SymbolSizes, ZoneStarsByZoomRadius) {
  EXPECT_EQ(zone_star_radius(0.0, 25.0), 6);
  EXPECT_EQ(zone_star_radius(5.0, 15.0), 4);  // 7 − 3.3
  EXPECT_EQ(zone_star_radius(5.0, 8.0), 4);   // 8 − 3.5 = 4.5 → 4
  EXPECT_EQ(zone_star_radius(5.0, 2.0), 6);   // 10 − 4.5 = 5.5 → 6
  EXPECT_EQ(zone_star_radius(12.0, 25.0), 0); // negative counts as 0
  EXPECT_EQ(zone_star_magnitude(-27), -1.0);
  EXPECT_EQ(zone_star_magnitude(73), 7.3);
  // Classes fainter than the faintest bitmap take its half size.
  EXPECT_EQ(zone_star_label_half(10.4, -2), 0);
  EXPECT_EQ(zone_star_label_half(0.0, -4), 4);
}

TEST(SymbolSizes, DeepSkySymbolDiameters) {
  EXPECT_EQ(deep_sky_diameter(340, -2), 9);   // g 3: u −3
  EXPECT_EQ(deep_sky_diameter(580, -2), 7);   // g 5: u −1
  EXPECT_EQ(deep_sky_diameter(790, -2), 5);   // g 7: u 1
  EXPECT_EQ(deep_sky_diameter(1190, -2), 4);  // g 11: u 2
  EXPECT_EQ(deep_sky_diameter(1900, -2), 3);
  EXPECT_EQ(deep_sky_diameter(1900, -1), 2);
  EXPECT_EQ(deep_sky_diameter(1900, -3), 4);
  EXPECT_EQ(deep_sky_diameter(1900, -4), 5);
}

TEST(SymbolSizes, ScaleBarDegreesByZoomRadius) {
  const struct {
    double radius, degrees;
  } table[] = {{30, 10}, {20.5, 10}, {20, 5}, {10.5, 5}, {10, 2}, {5.5, 2}, {5, 3}, {3.5, 3}, {3, 1}, {1.5, 1}, {1, 0.5}, {0.5, 0.5}};
  for (const auto& row : table) EXPECT_EQ(scale_bar_degrees(row.radius), row.degrees) << row.radius;
}

}  // namespace
}  // namespace sdro
