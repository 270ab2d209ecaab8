// The sky chart options of the headless chart image: every bad value is
// refused before anything changes; good ones set the chart.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "chart/component/render_options.h"
#include "chart/tests/sky_engine_fixture.h"

namespace sdro {
namespace {

TEST(RenderOptions, BadValuesAreNamed) {
  const struct {
    tchart_render_options o;
    const char* flag;
  } bad[] = {
      {{.chart = "201"}, "--chart"},
      {{.chart = "horizon"}, "--chart"},
      {{.zoom = "360,0,10"}, "--zoom"},
      {{.zoom = "10,91,10"}, "--zoom"},
      {{.zoom = "10,0,0"}, "--zoom"},
      {{.zoom = "10,0"}, "--zoom"},
      {{.zoom = "a,b,c"}, "--zoom"},
      {{.view = "NE"}, "--view"},
      {{.view = "360"}, "--view"},
      {{.view = "12.5"}, "--view"},
      {{.constellations = "yes"}, "--constellations"},
      {{.names = "1"}, "--names"},
      {{.boundaries = ""}, ""},
      {{.milky_way = "5"}, "--milky-way"},
      {{.milky_way = "-1"}, "--milky-way"},
      {{.grids = "horizon,poles"}, "--grids"},
      {{.limit = "12"}, "--limit"},
      {{.limit = "nan"}, "--limit"},
  };
  for (const auto& b : bad) {
    const std::string message = check_chart_options(b.o);
    if (*b.flag == 0) {
      EXPECT_TRUE(message.empty()) << message;
    } else {
      EXPECT_EQ(message.rfind(b.flag, 0), 0u) << message;
    }
  }
  EXPECT_EQ(check_chart_options({.chart = "205", .zoom = "0,-90,60", .view = "W", .grids = "none", .limit = "6.5"}), "");
}

TEST(RenderOptions, GoodValuesSetTheChart) {
  testing::SkyEngine sky;
  ASSERT_TRUE(sky.ok());
  tengine& e = sky.engine();
  apply_chart_options(e, {.chart = "205"}, 1280);
  EXPECT_EQ(e.konfig().kartenart, 200);
  EXPECT_EQ(e.konfig().kartenunterart, 1);
  apply_chart_options(e, {.chart = "200"}, 1280);
  EXPECT_EQ(e.konfig().kartenunterart, 0);
  apply_chart_options(e, {.zoom = "56.75,24.12,2", .view = "N", .mirror = "1", .constellations = "zodiac",
                          .boundaries = "on", .milky_way = "4", .outlines = "off", .grids = "equator,ecliptic"},
                      1280);
  const tkonfiguration& k = e.konfig();
  EXPECT_EQ(k.kartenart, 204);
  EXPECT_DOUBLE_EQ(k.zoomkarte[2], 2.0);
  EXPECT_EQ(k.kartengroesse, std::min(1264, e.max_chart_size()));
  EXPECT_EQ(k.drehwinkel, 180);
  EXPECT_EQ(k.spiegelung, -1);
  EXPECT_TRUE(k.sternbilder);
  EXPECT_FALSE(k.allesternbilder);
  EXPECT_TRUE(k.sternbildgrenzen);
  EXPECT_EQ(k.milchstrasse, 4);
  EXPECT_FALSE(k.nebelumrisse);
  EXPECT_FALSE(k.gradnetzhorizont);
  EXPECT_TRUE(k.gradnetzaequator);
  EXPECT_TRUE(k.gradnetzekliptik);
  // A limit beyond the loading level raises it and reloads the catalogue.
  apply_chart_options(e, {.limit = "6.5"}, 1280);
  EXPECT_EQ(k.grenzgroessesterne, 650);
  EXPECT_GE(e.settings().level, 65);
  ASSERT_NE(sky.catalogue(), nullptr);
  EXPECT_GT(sky.catalogue()->stars().size(), 6000u);
  apply_chart_options(e, {.night = "1"}, 1280);
  EXPECT_TRUE(e.nachtabdunkelung());
  EXPECT_EQ(k.schriften[schrift_karten].farbe, farbe_rgb(255, 0, 0));
  EXPECT_EQ(k.schriften[schrift_sternbilder].farbe, farbe_rgb(128, 0, 0));
  set_night_dimming(e, false);
  EXPECT_EQ(k.schriften[schrift_karten].farbe, default_fonts()[schrift_karten].farbe);
  sky.draw();
  EXPECT_TRUE(sky.messages().records().empty());
}

}  // namespace
}  // namespace sdro
