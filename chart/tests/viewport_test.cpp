// The viewport: diameter, centre and rim, the diameter commands, scroll
// ranges, map sections and the coordinates under the mouse.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "astro/language.h"
#include "chart/component/sky_chart_component.h"
#include "chart/viewport.h"

namespace sdro {
namespace {

TEST(Viewport, CentreRimAndScale) {
  const tviewport a = make_viewport(1170, 1200, 1, 0);
  EXPECT_EQ(a.c, 585);
  EXPECT_EQ(a.R, 584);
  EXPECT_DOUBLE_EQ(a.k, 3.25);
  const tviewport b = make_viewport(1171, 1200, -1, 370);
  EXPECT_EQ(b.c, 586);
  EXPECT_EQ(b.s, -1);
  EXPECT_EQ(b.v, 10);
  EXPECT_EQ(make_viewport(5000, 1200, 0, -90).d, 1200);
  EXPECT_EQ(make_viewport(5000, 1200, 0, -90).s, 1);
  EXPECT_EQ(make_viewport(5000, 1200, 0, -90).v, 270);
  // A diameter that would divide by zero or give an empty bitmap is raised.
  for (const int bad : {0, -5, 1, 99}) {
    const tviewport v = make_viewport(bad, 1200, 1, 0);
    EXPECT_EQ(v.d, kMinChartDiameter);
    EXPECT_GT(v.R, 0);
  }
  EXPECT_EQ(make_viewport(500, 0, 1, 0).d, kMinChartDiameter);
}

TEST(Viewport, DiameterCommands) {
  EXPECT_EQ(larger_diameter(1000, 1200), 1030);
  EXPECT_EQ(larger_diameter(1180, 1200), 1200);
  EXPECT_FALSE(larger_diameter(1200, 1200));  // a beep, nothing else
  EXPECT_EQ(smaller_diameter(185), 180);
  EXPECT_EQ(smaller_diameter(180), 180);
  EXPECT_EQ(smaller_diameter(1030), 1000);
  EXPECT_FALSE(fitted_diameter(1264, 1280, 2000));
  EXPECT_EQ(fitted_diameter(800, 1280, 2000), 1264);
  EXPECT_EQ(fitted_diameter(800, 1280, 1200), 1200);
  EXPECT_EQ(fitted_diameter(800, 40, 1200), kMinChartDiameter);  // a window too small
}

TEST(Viewport, ScrollRangesAndMapSections) {
  const tscroll_range r = scroll_range(1200, 800);
  EXPECT_EQ(r.maximum, 400);
  EXPECT_EQ(r.small_step, 6);
  EXPECT_EQ(r.large_step, 201);
  EXPECT_EQ(scroll_range(500, 800).maximum, 1);
  const struct {
    int key;
    double h, v, v_overview;
  } table[] = {{8, .5, 0, 0},       {9, .75, .25, .125}, {6, 1, .5, .25}, {3, .75, .75, .375}, {2, .5, 1, .5},
               {1, .25, .75, .375}, {4, 0, .5, .25},     {7, .25, .25, .125}, {5, .5, .5, .25}};
  for (const auto& row : table) {
    EXPECT_DOUBLE_EQ(map_section(row.key, false).horizontal, row.h) << row.key;
    EXPECT_DOUBLE_EQ(map_section(row.key, false).vertical, row.v) << row.key;
    EXPECT_DOUBLE_EQ(map_section(row.key, true).vertical, row.v_overview) << row.key;
  }
}

TEST(Viewport, MouseCoordinatesText) {
  LanguageScope german(sdro::german);
  tobserver o;
  o.sidereal_time = 6.0;
  o.sin_latitude = 0.0;  // on the equator
  o.cos_latitude = 1.0;
  const tprojektion p = tprojektion::horizon(make_viewport(1170, 1200, 1, 0), o);
  EXPECT_EQ(mouse_coordinates_text(p, p.viewport().c, p.viewport().c, azimutSued),
            "RA: 6h00.0m Dk: 0.0°  h: 90.0°  az: 90.0°");
  EXPECT_EQ(mouse_coordinates_text(p, 2, 2, azimutSued), "");  // outside the horizon
  // Half way to the rim due south: altitude 45°, azimuth 0 (180 from north).
  const std::string south = mouse_coordinates_text(p, p.viewport().c, p.viewport().c + p.viewport().R / 2.0, azimutNord);
  EXPECT_NE(south.find("h: 45.0°"), std::string::npos) << south;
  EXPECT_NE(south.find("az: 179.9°"), std::string::npos) << south;
  LanguageScope english(sdro::english);
  const tprojektion north = tprojektion::north(make_viewport(1170, 1200, 1, 0), 0);
  EXPECT_EQ(mouse_coordinates_text(north, 585, 585 + 292, azimutSued), "RA: 0h00.0m Dec: 45.0°");
}

}  // namespace
}  // namespace sdro
