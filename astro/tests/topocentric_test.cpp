// The observer's geocentric place against ERFA and Meeus 11.a, and the
// topocentric reduction against Meeus 40.a.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/topocentric.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astro/tests/reference_support.h"

namespace sdro {
namespace {

using testing::kArcsec;

constexpr double kRadiusM = 6378140.0;

TEST(ObserverPlace, PalomarExample) {
  // Astronomical Algorithms 11.a: φ = 33°21'22", H = 1706 m:
  // ρ sin φ' = 0.546861, ρ cos φ' = 0.836339.
  const tobserver_place p = observer_geocentric(1706.0, 33 + 21 / 60.0 + 22 / 3600.0);
  EXPECT_NEAR(p.rho * sin_deg(p.geocentric_latitude), 0.546861, 5e-6);  // 32 m
  EXPECT_NEAR(p.rho * cos_deg(p.geocentric_latitude), 0.836339, 5e-6);
}

TEST(ObserverPlace, AgreesWithTheIau1976EllipsoidWithin40Metres) {
  for (double lat = -90.0; lat <= 90.0; lat += 7.5) {
    for (double height : {0.0, 500.0, 4000.0}) {
      double xyz[3];
      ASSERT_EQ(eraGd2gce(kRadiusM, 1.0 / 298.257, 0.0, lat * kDegToRad, height, xyz), 0);
      const tobserver_place p = observer_geocentric(height, lat);
      EXPECT_NEAR(p.rho * cos_deg(p.geocentric_latitude) * kRadiusM, xyz[0], 40.0)
          << lat << " " << height;
      EXPECT_NEAR(p.rho * sin_deg(p.geocentric_latitude) * kRadiusM, xyz[2], 40.0)
          << lat << " " << height;
    }
  }
}

TEST(Topocentric, MarsExample) {
  // Astronomical Algorithms 40.a: Mars from Palomar, 2003-08-28 3h17m UT:
  // α = 339.530208°, δ = −15.771083°, Δ = 0.37276 AU; Greenwich apparent
  // sidereal time 1h40m45s, longitude 7h47m27s west →
  // α' = 22h38m08.54s, δ' = −15°46'30.0".
  const tobserver_place p = observer_geocentric(1706.0, 33 + 21 / 60.0 + 22 / 3600.0);
  const double lst = (1 + 40 / 60.0 + 45 / 3600.0) - (7 + 47 / 60.0 + 27 / 3600.0) + 24.0;
  const ttopocentric t = topocentric_place(339.530208, -15.771083, 0.37276, p.geocentric_latitude,
                                           lst, p.rho, kEarthRadiusAu);
  EXPECT_NEAR(t.ra, 15.0 * (22 + 38 / 60.0 + 8.54 / 3600.0), 0.15 * kArcsec);
  EXPECT_NEAR(t.dec, -(15 + 46 / 60.0 + 30.0 / 3600.0), 0.1 * kArcsec);
  EXPECT_NEAR(t.distance, 0.37276, 5e-5);
}

TEST(Topocentric, MoonIsShiftedByUpToItsParallax) {
  // At 60 Earth radii the parallax is asin(1/60) = 0.955°; a body on the
  // observer's meridian at the horizon of the equator shifts by all of it.
  const ttopocentric overhead = topocentric_place(90.0, 0.0, 60.0, 0.0, 6.0, 1.0, 1.0);
  EXPECT_NEAR(overhead.distance, 59.0, 1e-12);
  EXPECT_NEAR(overhead.ra, 90.0, 1e-12);
  const ttopocentric rising = topocentric_place(0.0, 0.0, 60.0, 90.0, 0.0, 1.0, 1.0);
  EXPECT_NEAR(rising.dec, -std::asin(1.0 / std::sqrt(3601.0)) * kRadToDeg, 1e-12);
  EXPECT_LT(std::fabs(rising.dec), 1.0);
}

}  // namespace
}  // namespace sdro
