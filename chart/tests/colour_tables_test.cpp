// Colours: the night table, the sky colours of each mode, the background by
// the Sun's altitude with moonlight, the limiting magnitude by the Sun, and
// the tools made from a table.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/state/konfiguration.h"
#include "chart/colour_tables.h"
#include "chart/drawing_tools.h"

namespace sdro {
namespace {

constexpr tfarbe rgb(int r, int g, int b) { return tfarbe::rgb(r, g, b); }

tsky_light sun_at(double h) {
  tsky_light l;
  l.sun_altitude = h;
  return l;
}

TEST(ColourTables, NightTableIsRedWithDarkRedAndOneGrey) {
  const tfarbtabelle t = night_colour_table();
  for (int i = 0; i < kFarbenCount; ++i) {
    const bool dark = (i <= 5) || (i >= 9 && i <= 12) || i == 14 || i == 15 || (i >= 18 && i <= 23) ||
                      i == 25 || i == 38;
    const tfarbwert expected = i == 17 ? farbe_rgb(128, 128, 128) : dark ? farbe_rgb(128, 0, 0) : farbe_rgb(255, 0, 0);
    EXPECT_EQ(t[i], expected) << i;
  }
}

TEST(ColourTables, SkyColoursOfEveryModeAndDepth) {
  EXPECT_EQ(sky_palette(4, 8, false)[himmel_tag], rgb(90, 90, 180));
  EXPECT_EQ(sky_palette(4, 8, false)[himmel_mondlicht], rgb(52, 65, 65));
  EXPECT_EQ(sky_palette(3, 32, false)[himmel_tiefe_daemmerung], rgb(0, 0, 32));
  EXPECT_EQ(sky_palette(2, 32, false)[himmel_10], rgb(0, 0, 128));
  // Automatic by colour depth.
  EXPECT_EQ(sky_palette(5, 24, false), sky_palette(4, 0, false));
  EXPECT_EQ(sky_palette(5, 15, false), sky_palette(3, 0, false));
  EXPECT_EQ(sky_palette(5, 8, false), sky_palette(3, 0, false));
  EXPECT_EQ(sky_palette(5, 4, false), sky_palette(2, 0, false));
  EXPECT_EQ(sky_palette(17, 4, false), sky_palette(2, 0, false));  // unknown mode: automatic
  for (const tfarbe c : sky_palette(4, 32, true)) EXPECT_EQ(c, farbe::schwarz);
  for (const tfarbe c : sky_palette(0, 32, false)) EXPECT_EQ(c, farbe::schwarz);
}

TEST(ColourTables, TwoColourModeIsBlueUntilCivilTwilightEnds) {
  const tsky_palette p = sky_palette(farbmodus_zweifarbig, 32, false);
  EXPECT_EQ(sky_background(p, sun_at(10.0), false, false).sky, rgb(0, 0, 128));
  EXPECT_EQ(sky_background(p, sun_at(-3.0), false, false).sky, rgb(0, 0, 128));
  EXPECT_EQ(sky_background(p, sun_at(-7.0), false, false).sky, farbe::schwarz);
  EXPECT_EQ(sky_background(p, sun_at(-30.0), true, false).sky, farbe::schwarz);
}

TEST(ColourTables, BackgroundFollowsTheSunAndTheMoon) {
  const tsky_palette p = sky_palette(farbmodus_highcolor, 32, false);
  const struct {
    double h;
    bool moonlit, night;
    tfarbe sky;
    bool window_black;
  } table[] = {
      {-0.8, false, false, p[himmel_tag], false},
      {-0.9, false, false, p[himmel_buergerlich], false},
      {-6.0, false, false, p[himmel_10], false},
      {-12.0, false, false, p[himmel_14], false},
      {-15.0, false, false, p[himmel_tiefe_daemmerung], false},
      {-15.0, true, false, p[himmel_mondlicht], true},
      {-20.0, false, false, farbe::schwarz, true},
      {-20.0, true, false, p[himmel_mondlicht], true},
      {-20.0, false, true, p[himmel_tiefe_daemmerung], false},
  };
  for (const auto& row : table) {
    const tsky_background b = sky_background(p, sun_at(row.h), row.moonlit, row.night);
    EXPECT_EQ(b.sky, row.sky) << row.h << " " << row.moonlit << " " << row.night;
    EXPECT_EQ(b.window_black, row.window_black) << row.h << " " << row.moonlit << " " << row.night;
  }
}

TEST(ColourTables, MoonlightNeedsAHighEnoughAndFullEnoughMoon) {
  tkonfiguration k;
  k.mondlicht = true;
  k.mondlichthoehe = 5;
  k.mondlichtprozent = 10;
  tsky_light l;
  l.moon_altitude = 5.5;
  l.moon_fraction = 0.10;
  EXPECT_TRUE(moonlight(k, l));
  l.moon_fraction = 0.09;
  EXPECT_FALSE(moonlight(k, l));
  l.moon_fraction = 0.5;
  l.moon_altitude = 5.0;
  EXPECT_FALSE(moonlight(k, l));
  l.moon_altitude = 40.0;
  k.mondlicht = false;
  EXPECT_FALSE(moonlight(k, l));
}

TEST(ColourTables, LimitingMagnitudeBySunAltitude) {
  EXPECT_DOUBLE_EQ(limiting_magnitude(5.0, 0.0, -6.0), 1.5);
  EXPECT_DOUBLE_EQ(limiting_magnitude(5.0, 0.0, 10.0), -2.0);
  EXPECT_DOUBLE_EQ(limiting_magnitude(5.0, 0.0, -12.0), 5.0);
  EXPECT_DOUBLE_EQ(limiting_magnitude(5.0, 0.0, -12.5), 26.0);
  EXPECT_DOUBLE_EQ(limiting_magnitude(5.0, 2.0, -6.0), 3.5);
}

TEST(ColourTables, ToolsFollowTheTableAndTheMilkyWayWidths) {
  const tfarbtabelle day = default_day_colours();
  const tzeichenwerkzeuge t = build_tools(day, {3, 2, 1, 0}, false);
  EXPECT_EQ(t.figure.colour, tfarbe::rgb(255, 0, 0));
  EXPECT_EQ(t.zodiac.colour, tfarbe::rgb(0, 128, 0));
  EXPECT_EQ(t.boundary.colour, tfarbe::rgb(255, 255, 0));
  EXPECT_EQ(t.telrad_dotted.style, PenStyle::dotted);
  EXPECT_EQ(t.milky_way[0].width, 3);
  EXPECT_EQ(t.milky_way[2].width, 1);
  EXPECT_EQ(t.milky_way[3].width, 1);  // a width of 0 draws one pixel wide
  EXPECT_EQ(t.star_colour, farbe::weiss);
  const tzeichenwerkzeuge n = build_tools(night_colour_table(), {3, 2, 1, 1}, true);
  EXPECT_EQ(n.star_colour, farbe::rot);
  EXPECT_EQ(n.figure.colour, tfarbe::rgb(128, 0, 0));
  EXPECT_EQ(n.telrad.colour, tfarbe::rgb(255, 0, 0));
}

}  // namespace
}  // namespace sdro
