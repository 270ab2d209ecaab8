// The bodies on the charts of a running engine: disc sizes against the
// bodies' true sizes, bright limbs facing the Sun, the Moon drawn over the
// Sun, Venus in front of it, the pixel positions kept for the mouse, and the
// orbit-track points. Set SDRO_CHART_PNG to keep the charts as PNG files.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "catalog/stars.h"
#include "chart/bodies/tests/bodies_engine.h"
#include "chart/surface/colour.h"

namespace sdro {
namespace {

using testing::BodiesEngine;

constexpr double kAuKm = 149597870.7;
constexpr double kJupiterRadiusKm = 71492.0;
constexpr double kMoonRadiusKm = 1737.4;
constexpr double kEarthRadiusKm = 6378.14;
constexpr double kSunRadiusKm = 695700.0;
constexpr double kRadToDeg = 57.29577951308232;
constexpr tfarbe kLitEdge = tfarbe::rgb(255, 255, 0);  // colour 37 of the start-up table

class BodiesChart : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sky_ = new BodiesEngine(); }
  static void TearDownTestSuite() {
    delete sky_;
    sky_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(sky_->ok());
    ASSERT_NE(sky_->stars(), nullptr);
    saved_ = sky_->k();
    sky_->k().kartengroesse = 1170;
  }
  void TearDown() override {
    sky_->engine().set_bahndatei_offen(false);
    sky_->bodies().track().clear();
    sky_->k() = saved_;
  }
  static tfarbe pixel(int x, int y) { return tfarbe::from_rgb32(sky_->engine().bitmap().pixel(x, y)); }
  /// The width of the figure in the centre row: from its first to its last
  /// pixel that is not black within `reach` of the centre.
  static int width_at_centre(int reach) {
    int left = 585 + reach, right = 585 - reach;
    for (int x = 585 - reach; x <= 585 + reach; ++x) {
      if (pixel(x, 585) == farbe::schwarz) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
    return right - left + 1;
  }
  /// Pixels other than the sky in the square of half-width `half` around (x, y).
  static int drawn_around(int x, int y, int half) {
    const tfarbe sky = sky_chart(sky_->engine())->background().sky;
    int n = 0;
    for (int dy = -half; dy <= half; ++dy) {
      for (int dx = -half; dx <= half; ++dx) n += pixel(x + dx, y + dy) != sky;
    }
    return n;
  }
  /// The mean x of the pixels of a colour in a square around the centre.
  static double mean_x(tfarbe c, int half) {
    double sum = 0.0;
    int n = 0;
    for (int y = 585 - half; y <= 585 + half; ++y) {
      for (int x = 585 - half; x <= 585 + half; ++x) {
        if (pixel(x, y) == c) {
          sum += x;
          ++n;
        }
      }
    }
    return n ? sum / n : 585.0;
  }

  /// The radius of a body's disc at `scale` pixels per degree.
  static double disc_radius_pixels(int body, double scale) {
    return sky_->bodies().bodies()[body].phys.diameter * scale;  // the Moon's semi-diameter, degrees
  }

  static BodiesEngine* sky_;
  tkonfiguration saved_;
};
BodiesEngine* BodiesChart::sky_ = nullptr;

TEST_F(BodiesChart, ZoomChartDiscsHaveTheBodiesTrueSize) {
  // 1170 pixels per degree on a zoom chart of 0.5° radius.
  sky_->set_utc(2024, 1, 15, 20.0);
  sky_->k().planetenscheiben = true;
  sky_->zoom_on(jupiter, 0.5);
  sky_->draw("jupiter");
  sky_->keep_detail("jupiter_detail", 585, 585, 20, 16);
  const double jupiter_km = sky_->bodies().bodies()[jupiter].distance * kAuKm;
  const double jupiter_px = 2 * std::atan(kJupiterRadiusKm / jupiter_km) * kRadToDeg * 1170;
  EXPECT_NEAR(width_at_centre(10), jupiter_px, 1.5);  // the limb of the figure; its label begins 11 pixels right

  sky_->set_utc(2024, 1, 18, 3.9);  // first quarter
  sky_->zoom_on(mond, 0.5);
  sky_->draw("moon_first_quarter");
  const double moon_km = sky_->bodies().bodies()[mond].distance * kEarthRadiusKm;
  const double moon_px = 2 * std::asin(kMoonRadiusKm / moon_km) * kRadToDeg * 1170;
  EXPECT_NEAR(width_at_centre(400), moon_px, 0.015 * moon_px) << "within the topocentric change of distance";

  sky_->zoom_on(sonne, 0.5);
  sky_->draw("sun");
  const double sun_km = sky_->bodies().bodies()[sonne].distance * kAuKm;
  const double sun_px = 2 * std::asin(kSunRadiusKm / sun_km) * kRadToDeg * 1170;
  EXPECT_NEAR(width_at_centre(400), sun_px, 0.005 * sun_px);
}

TEST_F(BodiesChart, BrightLimbsFaceTheSun) {
  // First quarter and Venus in the evening sky both stand east of the Sun:
  // their lit sides face west, to the right of a zoom chart with north up.
  sky_->set_utc(2024, 1, 18, 3.9);
  sky_->zoom_on(mond, 0.5);
  sky_->draw();
  EXPECT_GT(mean_x(farbe::weiss, 300), 585 + 100);
  EXPECT_LT(mean_x(farbe::grau, 300), 585 - 100);
  sky_->set_utc(2023, 7, 25, 12.0);
  sky_->zoom_on(venus, 0.5);
  sky_->draw("venus_crescent");
  sky_->keep_detail("venus_crescent_detail", 585, 585, 20, 16);
  EXPECT_GT(mean_x(kLitEdge, 12), 585 + 3);
}

TEST_F(BodiesChart, TheMoonCoversTheSun) {
  // Dallas, 8 April 2024 18:10 UT: the partial phase before totality.
  sky_->set_utc(2024, 4, 8, 18.0 + 10.0 / 60, 32.78, -96.80);
  sky_->zoom_on(sonne, 1.0);
  sky_->draw("solar_eclipse");
  const tkoerperposition& moon = sky_->stars()->bodies()[mond];
  ASSERT_GT(moon.x, 0);
  EXPECT_EQ(pixel(moon.x, moon.y), farbe::grau) << "the new Moon, filled, over the Sun";
  int yellow = 0;
  for (int x = 300; x < 870; ++x) yellow += pixel(x, 585) == farbe::gelb;
  EXPECT_GT(yellow, 20) << "the uncovered part of the Sun";
}

TEST_F(BodiesChart, VenusInFrontOfTheSunIsDrawn) {
  sky_->set_utc(2012, 6, 6, 1.5, -33.87, 151.21);
  sky_->zoom_on(sonne, 0.5);
  sky_->draw("venus_transit");
  const tkoerperposition& v = sky_->stars()->bodies()[venus];
  ASSERT_GT(v.x, 0);
  EXPECT_NE(pixel(v.x, v.y), farbe::gelb) << "the dark disc of Venus on the Sun";
  EXPECT_EQ(pixel(v.x + 40, v.y), farbe::gelb);
}

TEST_F(BodiesChart, TotalLunarEclipseDarkensTheMoon) {
  // 8 November 2022, greatest eclipse at 10:59 UT, seen from Hawaii. The
  // shadow's radii (Moon radii) as the lunar-eclipse test would give them.
  sky_->set_utc(2022, 11, 8, 10.0 + 59.0 / 60, 21.3, -157.8);
  tzeitort& z = sky_->engine().zeitort();
  z.lunar_eclipse_now = true;
  z.umbral_radius = 2.72;
  z.penumbral_radius = 4.86;
  sky_->zoom_on(mond, 1.0);
  sky_->draw("lunar_eclipse");
  EXPECT_EQ(pixel(585, 585), farbe::dunkelrot);
  int red = 0, grey = 0;
  for (int y = 400; y < 770; ++y) {
    for (int x = 400; x < 770; ++x) {
      red += pixel(x, y) == farbe::dunkelrot;
      grey += pixel(x, y) == farbe::hellgrau;
    }
  }
  EXPECT_GT(red, 20000) << "the Moon lies deep in the umbra";
  EXPECT_LT(grey, red / 4);
  // At 09:40 UT, in the partial phase, the Moon's eastern limb (left) has
  // entered the umbra; the western limb is still in the penumbra.
  sky_->set_utc(2022, 11, 8, 9.0 + 40.0 / 60, 21.3, -157.8);
  sky_->zoom_on(mond, 1.0);
  sky_->draw("lunar_eclipse_partial");
  const int r = static_cast<int>(disc_radius_pixels(mond, 585.0));
  EXPECT_EQ(pixel(585 - r + 8, 585), farbe::dunkelrot);
  EXPECT_EQ(pixel(585 + r - 8, 585), farbe::hellgrau);
  z.lunar_eclipse_now = false;
  z.umbral_radius = z.penumbral_radius = 0.0;
}

TEST_F(BodiesChart, HorizonChartKeepsWhereEachBodyWasDrawn) {
  sky_->set_utc(2024, 1, 15, 18.0);  // evening: Moon, Jupiter and Saturn up over Kassel
  sky_->k().kartenart = 200;
  sky_->k().kartenunterart = 0;
  sky_->draw("horizon");
  const tkoerperslots& records = sky_->stars()->bodies();
  EXPECT_EQ(records[sonne].x, -10) << "below the horizon";
  for (int body : {mond, jupiter}) {
    ASSERT_GT(records[body].x, 0) << body;
    EXPECT_TRUE(records[body].valid);
    EXPECT_GT(records[body].altitude, 0.0f);
  }
  // The Moon is a disc of radius 6: the stored place is its centre.
  EXPECT_GT(drawn_around(records[mond].x, records[mond].y, 6), 100);
  EXPECT_EQ(drawn_around(records[mond].x, records[mond].y + 9, 2), 0);
  // Jupiter is a 7-pixel symbol: the stored place is its upper left corner.
  EXPECT_GT(drawn_around(records[jupiter].x + 3, records[jupiter].y + 3, 3), 5);
}

TEST_F(BodiesChart, TrackPointsTakeThePlaceOfTheBodies) {
  sky_->set_utc(2024, 1, 15, 18.0);
  sky_->k().kartenart = 200;
  sky_->k().kartenunterart = 1;  // the overview shows everything
  sky_->engine().set_bahndatei_offen(true);
  const tkoerperdaten moon = sky_->bodies().bodies()[mond];
  add_track_point(sky_->bodies().track(), {"Mond", moon.ra, moon.dec, 2024, 2460325.25});
  sky_->draw("track_overview");
  EXPECT_EQ(sky_->stars()->bodies()[mond].x, -10) << "no live bodies while a track file is open";
  const tprojektion p = *sky_chart(sky_->engine())->projection(sky_->engine());
  const PixelPoint at = p.overview_pixel(moon.ra, moon.dec);
  EXPECT_EQ(pixel(at.x, at.y), tfarbe::from_value(static_cast<std::uint32_t>(sky_->k().farben[35])));
  EXPECT_EQ(pixel(at.x - 1, at.y - 1), tfarbe::from_value(static_cast<std::uint32_t>(sky_->k().farben[35])));
}

}  // namespace
}  // namespace sdro
