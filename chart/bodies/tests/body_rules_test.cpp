// The rules of the body drawing: disc radii at the chart's scale, symbol or
// disc, bodies in front of and behind the Sun, Pluto's dates, the direction
// of north, satellite circles and the labels of orbit-track points.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/calendar.h"
#include "astro/language.h"
#include "chart/bodies/body_ephemeris.h"
#include "chart/bodies/body_style.h"
#include "chart/bodies/north_direction.h"
#include "chart/bodies/orbit_track.h"
#include "chart/bodies/satellite_track.h"

namespace sdro {
namespace {

const tviewport kView = make_viewport(1170, 1200, 1, 0);

TEST(BodyRules, DiscRadiusFollowsTheApparentSizeWhereTheChartShowsIt) {
  const tprojektion zoom = tprojektion::zoom(kView, 0.0, 0.0, 0.5);  // 1170 pixels per degree
  const tprojektion horizon = tprojektion::horizon(kView, tobserver{});
  const tprojektion overview = tprojektion::overview(kView, 0);
  // Jupiter 45″ across: 22.5″ of radius; the Moon 0.25° of semi-diameter.
  EXPECT_NEAR(disc_radius(jupiter, 45.0, zoom), 22.5 / 3600 * 1170, 1e-9);
  EXPECT_NEAR(disc_radius(mond, 0.25, zoom), 0.25 * 1170, 1e-9);
  EXPECT_DOUBLE_EQ(disc_radius(jupiter, 45.0, horizon), 4.0);
  EXPECT_DOUBLE_EQ(disc_radius(mond, 0.25, horizon), 6.0);
  EXPECT_DOUBLE_EQ(disc_radius(sonne, 0.27, overview), 6.0);  // 0.88 pixels: the minimum
  EXPECT_DOUBLE_EQ(disc_radius(venus, 60.0, overview), 4.0);
  EXPECT_NEAR(chart_scale(tprojektion::zoom(kView, 0.0, 0.0, 10.0)), 1170.0 / 360 * 18, 1e-12);
}

TEST(BodyRules, SymbolOrDisc) {
  EXPECT_TRUE(drawn_as_disc(sonne, false, false, tsky_chart::horizon));
  EXPECT_TRUE(drawn_as_disc(mond, false, false, tsky_chart::overview));
  EXPECT_FALSE(drawn_as_disc(jupiter, false, false, tsky_chart::horizon));
  EXPECT_TRUE(drawn_as_disc(jupiter, true, false, tsky_chart::horizon));
  EXPECT_TRUE(drawn_as_disc(jupiter, false, true, tsky_chart::horizon));  // night dimming
  EXPECT_FALSE(drawn_as_disc(jupiter, false, false, tsky_chart::zoom));
  for (int body : {merkur, venus, mars, saturn}) EXPECT_TRUE(drawn_as_disc(body, false, false, tsky_chart::zoom));
  EXPECT_FALSE(drawn_as_disc(10, true, false, tsky_chart::zoom)) << "asteroids stay symbols";
  EXPECT_FALSE(drawn_as_disc(11, true, true, tsky_chart::zoom)) << "comets stay symbols";
  EXPECT_EQ(body_symbol_size(saturn), 9);
  EXPECT_EQ(body_symbol_size(11), 13);
  EXPECT_EQ(body_symbol_size(mond), 0);
}

TEST(BodyRules, OnlyBodiesBeyondOneAstronomicalUnitHideBehindTheSun) {
  const double sun = 0.27;  // semi-diameter, degrees
  EXPECT_FALSE(hidden_by_sun(venus, 0.29, 0.1, sun)) << "Venus in transit";
  EXPECT_TRUE(hidden_by_sun(jupiter, 6.0, 0.1, sun));
  EXPECT_FALSE(hidden_by_sun(jupiter, 6.0, 0.27, sun)) << "at the limb";
  EXPECT_TRUE(hidden_by_sun(merkur, 1.3, 0.2, sun)) << "Mercury at superior conjunction";
  EXPECT_FALSE(hidden_by_sun(mond, 0.0025, 0.0, sun));
}

TEST(BodyRules, PlutoDatesDependOnTheTheory) {
  ttheoriewahl own;
  ttheoriewahl library;
  library.planet_theory = theorie_vsop87d;
  const double t1650 = centuries_from_j2000(calendar_to_jd(1, 1, 1650, 0.0));
  const double t1880 = centuries_from_j2000(calendar_to_jd(1, 1, 1880, 0.0));
  EXPECT_FALSE(pluto_in_range(own, t1650));
  EXPECT_FALSE(pluto_in_range(library, t1650));
  EXPECT_FALSE(pluto_in_range(own, t1880));
  EXPECT_TRUE(pluto_in_range(library, t1880));
  EXPECT_TRUE(pluto_in_range(own, 0.24));
}

TEST(BodyRules, NorthOnTheCharts) {
  EXPECT_DOUBLE_EQ(north_direction(tprojektion::north(make_viewport(1170, 1200, 1, 30), 0), 100.0, 20.0), 290.0);
  EXPECT_DOUBLE_EQ(north_direction(tprojektion::south(make_viewport(1170, 1200, 1, 30), 0), 100.0, -20.0), 310.0);
  EXPECT_DOUBLE_EQ(north_direction(tprojektion::overview(kView, 0), 100.0, 20.0), 0.0);
  // The zoom chart has north up at its centre, turned with the chart.
  EXPECT_DOUBLE_EQ(north_direction(tprojektion::zoom(kView, 50.0, 20.0, 5.0), 50.0, 20.0), 0.0);
  EXPECT_DOUBLE_EQ(north_direction(tprojektion::zoom(make_viewport(1170, 1200, -1, 90), 50.0, 20.0, 5.0), 50.0, 20.0),
                   90.0);
  // Horizon chart: a body on the meridian in the south has north up
  // (towards the zenith), one on the meridian beyond the pole north down.
  tobserver o;
  o.sidereal_time = 6.0;  // α = 90° culminates
  o.sin_latitude = std::sin(50.0 * 3.14159265358979 / 180);
  o.cos_latitude = std::cos(50.0 * 3.14159265358979 / 180);
  const tprojektion h = tprojektion::horizon(kView, o);
  EXPECT_NEAR(north_direction(h, 90.0, 10.0), 0.0, 1e-6);
  EXPECT_NEAR(north_direction(h, 270.0, 70.0), 180.0, 1e-6);
  EXPECT_NEAR(north_direction(h, 90.0, 89.99), 0.0, 1e-6) << "at the pole: towards it";
}

TEST(BodyRules, SatelliteCirclesShrinkWithRange) {
  const struct {
    double km;
    int radius;
  } cases[] = {{400, 6}, {500, 6}, {600, 5}, {801, 4}, {1801, 3}, {10001, 2}, {36000, 1}};
  for (const auto& c : cases) EXPECT_EQ(satellite_radius(c.km), c.radius) << c.km;
}

TEST(BodyRules, TrackColourByName) {
  EXPECT_EQ(track_colour_index("Sonne"), 26);
  EXPECT_EQ(track_colour_index("Sun"), 26);
  EXPECT_EQ(track_colour_index("Neptune"), 33);
  EXPECT_EQ(track_colour_index("Mond"), 35);
  EXPECT_EQ(track_colour_index("Ceres"), 36);
}

TEST(TrackLabel, PiecesByTheOptions) {
  tbahndatei o;  // start-up: name once, date with a two-digit year
  const double jd1905 = calendar_to_jd(5, 3, 1905, 12.0);
  struct tcase {
    const char* what;
    tbahndatei options;
    bool first;
    double jd;
    double zone;
    std::string label;
  };
  tbahndatei full = o;
  full.jahr_vierstellig = true;
  tbahndatei always = o;
  always.name_immer = true;
  always.name_einmal = false;
  always.datum = false;
  tbahndatei clock = o;
  clock.jahr = false;
  clock.name_einmal = false;
  clock.uhrzeit = true;
  const tcase cases[] = {
      {"jj", o, false, jd1905, 0.0, "5.3.5"},
      {"first instant", o, true, jd1905, 0.0, "5.3.5 MARS"},
      {"jjjj", full, false, jd1905, 0.0, "5.3.1905"},
      {"year -50", o, false, calendar_to_jd(5, 3, -50, 12.0), 0.0, "5.3.-50"},
      {"name always", always, true, jd1905, 0.0, "Mars "},
      // " " and the time in a field of five: a blank before one-digit hours.
      {"time", clock, false, calendar_to_jd(5, 3, 2024, 9.0 + 5.0 / 60), 0.0, "5.3.  9h05m"},
      {"time with zone", clock, false, calendar_to_jd(5, 3, 2024, 22.5), 2.0, "6.3.  0h30m"},
      {"never 60 minutes", clock, false, calendar_to_jd(5, 3, 2024, 9.0 + 59.0 / 60 + 59.9 / 3600), 0.0,
       "5.3. 10h00m"},
      {"minute before midnight", clock, false, calendar_to_jd(5, 3, 2024, 23.0 + 59.0 / 60 + 45.0 / 3600), 0.0,
       "6.3.  0h00m"},
  };
  for (const tcase& c : cases) {
    EXPECT_EQ(track_label("Mars  ", c.first, c.options, c.jd, c.zone), c.label) << c.what;
  }
}

}  // namespace
}  // namespace sdro
