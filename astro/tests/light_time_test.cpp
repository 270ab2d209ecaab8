// The observer-motion term against the Earth's velocity from ERFA (eraEpv00).
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/light_time.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/obliquity.h"
#include "astro/tests/reference_support.h"

namespace sdro {
namespace {

TEST(LightTime, SunVelocityMatchesErfaWithinOnePercent) {
  // The Sun's geocentric velocity is minus the Earth's heliocentric one.
  // Unit distance, so the result is the velocity times the light time per AU.
  double worst = 0.0;
  for (double jd = 2451545.0 - 36525.0; jd < 2451545.0 + 36525.0; jd += 17.3) {
    double pvh[2][3], pvb[2][3];
    eraEpv00(jd, 0.0, pvh, pvb);
    // ERFA gives equatorial J2000 coordinates; the ecliptic of J2000 is
    // close enough to that of date for a velocity check at the 1% level.
    tvektor sun{-pvh[0][0], -pvh[0][1], -pvh[0][2]};
    tvektor velocity{-pvh[1][0], -pvh[1][1], -pvh[1][2]};
    equatorial_to_ecliptic_vector(sun, 0.0);
    equatorial_to_ecliptic_vector(velocity, 0.0);
    const tspherical s = cartesian_to_polar(sun);
    const tvektor mine = (1.0 / kLightTimePerAu) *
                         light_time_aberration(1.0, s.r, s.b, s.l, centuries_from_j2000(jd));
    worst = std::fmax(worst, length(mine - velocity) / length(velocity));
  }
  // With the rates' sine and cosine exchanged the error would be about 1.7%.
  EXPECT_LT(worst, 0.01);
}

TEST(LightTime, GeocentricPlaceSubtractsTheLightTimeMotion) {
  const tvektor helio{2.0, 0.5, 0.1};
  const tvektor velocity{-0.002, 0.009, 0.0003};
  const tvektor sun{-0.3, 0.9, 0.0};
  const tvektor geo =
      geocentric_light_time_place(helio, velocity, sun, false, 0.95, 0.0, 108.4, 0.1);
  const double distance = length(helio + sun);
  const tvektor expected = helio + sun - (kLightTimePerAu * distance) * velocity;
  EXPECT_NEAR(geo.x, expected.x, 1e-15);
  EXPECT_NEAR(geo.y, expected.y, 1e-15);
  // With aberration the place moves by about κ·Δ (20″ at most).
  const tvektor aberrated =
      geocentric_light_time_place(helio, velocity, sun, true, 0.95, 0.0, 108.4, 0.1);
  const double shift = testing::angle_between_arcsec(aberrated, geo);
  EXPECT_GT(shift, 1.0);
  EXPECT_LT(shift, 21.0);
}

}  // namespace
}  // namespace sdro
