// The sky charts drawn by the engine over the shipped catalogues: stars where
// the sky has them, every chart kind drawn, pixel positions kept for the mouse.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "catalog/stars.h"
#include "chart/tests/sky_engine_fixture.h"

namespace sdro {
namespace {

using testing::kKassel;
using testing::kSydney;
using testing::SkyEngine;

class SkyChart : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sky_ = new SkyEngine(); }
  static void TearDownTestSuite() {
    delete sky_;
    sky_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(sky_->ok());
    ASSERT_NE(sky_->catalogue(), nullptr);
    tkonfiguration& k = sky_->k();
    k.kartenart = 200;
    k.kartenunterart = 0;
    k.drehwinkel = 0;
    k.spiegelung = 1;
    k.kartengroesse = 1170;
    sky_->messages().clear();
  }
  static const tsternrecord& star(const std::string& name) {
    for (const tsternrecord& s : sky_->catalogue()->stars()) {
      if (s.designation == name) return s;
    }
    ADD_FAILURE() << name << " not in the catalogue";
    static tsternrecord none;
    return none;
  }
  static int drawn_stars() {
    int n = 0;
    for (const tsternrecord& s : sky_->catalogue()->stars()) n += s.x != -10;
    return n;
  }
  static SkyEngine* sky_;
};
SkyEngine* SkyChart::sky_ = nullptr;

TEST_F(SkyChart, KasselInWinterHasPolarisAtItsLatitudeAndOrionInTheSouth) {
  sky_->set(kKassel, 2024, 1, 15, 22.0);
  sky_->draw("horizon_kassel");
  EXPECT_TRUE(sky_->messages().records().empty());
  const tviewport vp = make_viewport(1170, sky_->engine().max_chart_size(), 1, 0);
  const tsternrecord& polaris = star("Polaris");
  EXPECT_NEAR(polaris.altitude, 51.32, 0.8);
  ASSERT_NE(polaris.x, -10);
  const double r = std::hypot(polaris.x - vp.c, polaris.y - vp.c);
  EXPECT_NEAR(r, (90.0 - polaris.altitude) / 90.0 * vp.R, 1.5);
  EXPECT_LT(polaris.y, vp.c);  // north at the top
  // Orion stands in the south; its belt runs from Mintaka in the west (right) to Alnitak.
  const tsternrecord& mintaka = star("Mintaka");
  const tsternrecord& alnilam = star("Alnilam");
  const tsternrecord& alnitak = star("Alnitak");
  EXPECT_GT(alnilam.altitude, 25.0);
  EXPECT_GT(alnilam.y, vp.c);
  EXPECT_GT(mintaka.x, alnilam.x);
  EXPECT_GT(alnilam.x, alnitak.x);
  EXPECT_GT(drawn_stars(), 500);
}

TEST_F(SkyChart, StarsBelowTheHorizonKeepNoPixel) {
  sky_->set(kKassel, 2024, 1, 15, 22.0);
  sky_->draw();
  for (const tsternrecord& s : sky_->catalogue()->stars()) {
    if (s.magnitude > sky_->k().grenzgroessesterne) {
      EXPECT_EQ(s.x, -10);
    } else if (s.altitude < 0.0) {
      EXPECT_EQ(s.x, -10) << s.designation;
      EXPECT_EQ(s.y, -10);
    }
  }
}

TEST_F(SkyChart, EveryChartKindIsDrawn) {
  struct {
    int kind, subkind;
    const char* png;
  } const kinds[] = {{200, 0, "horizon_sydney"}, {200, 1, "overview"}, {204, 0, "zoom"}, {206, 0, "north"},
                     {207, 0, "south"}};
  sky_->set(kSydney, 2024, 1, 15, 22.0);
  for (const auto& kind : kinds) {
    sky_->k().kartenart = kind.kind;
    sky_->k().kartenunterart = kind.subkind;
    sky_->draw(kind.png);
    EXPECT_TRUE(sky_->messages().records().empty()) << kind.png;
    EXPECT_GT(drawn_stars(), 50) << kind.png;
  }
  sky_->k().kartenart = 206;
  sky_->draw();
  EXPECT_NE(star("Polaris").x, -10);
  sky_->k().kartenart = 207;
  sky_->draw();
  EXPECT_EQ(star("Polaris").x, -10);
}

TEST_F(SkyChart, ZoomChartOnThePleiadesDrawsZoneStarsWithTheirPixels) {
  if (!sky_->engine().datenbestand().sao && !sky_->engine().datenbestand().ppm) {
    GTEST_SKIP() << "no zone catalogues in the data directory";
  }
  sky_->set(kKassel, 2024, 1, 15, 22.0);
  tkonfiguration& k = sky_->k();
  k.kartenart = 204;
  k.zoomkarte = {56.75, 24.12, 2.0};
  sky_->draw("zoom_pleiades");
  EXPECT_TRUE(sky_->messages().records().empty());
  ASSERT_TRUE(sky_->chart().zone_catalogue_in_use());
  const TSAOList& zone = *tsky_chart_component::zone_stars(sky_->engine());
  ASSERT_GT(zone.count(), 100u);
  const tviewport vp = make_viewport(k.kartengroesse, sky_->engine().max_chart_size(), 1, 0);
  int inside = 0;
  for (const tsaoobjekt& s : zone) {
    if (s.x == -10) continue;
    EXPECT_GT(s.x, 0);
    EXPECT_LT(s.x, 3 * vp.c);
    ++inside;
  }
  EXPECT_GT(inside, 100);
}

TEST_F(SkyChart, ZoomChartOnOrion) {
  sky_->set(kKassel, 2024, 1, 15, 22.0);
  tkonfiguration& k = sky_->k();
  k.kartenart = 204;
  k.zoomkarte = {83.8, -1.0, 10.0};
  sky_->draw("zoom_orion");
  EXPECT_TRUE(sky_->messages().records().empty());
  const tviewport vp = make_viewport(k.kartengroesse, sky_->engine().max_chart_size(), 1, 0);
  // Betelgeuse north-east of the belt: above and to the left on the zoom chart.
  const tsternrecord& betelgeuse = star("alf Ori");
  const tsternrecord& rigel = star("Rigel");
  if (!sky_->chart().zone_catalogue_in_use()) {
    EXPECT_LT(betelgeuse.y, vp.c);
    EXPECT_LT(betelgeuse.x, vp.c);
    EXPECT_GT(rigel.y, vp.c);
    EXPECT_GT(rigel.x, vp.c);
  }
}

}  // namespace
}  // namespace sdro
