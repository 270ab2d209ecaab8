// Horizontal coordinates against ERFA (eraHd2ae) and the inverse rotation.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/horizontal.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astro/refraction.h"
#include "astro/tests/reference_support.h"
#include "astro/zeitort.h"

namespace sdro {
namespace {

using testing::kArcsec;

TEST(Horizontal, AgreesWithErfaForEveryHourAngleAndLatitude) {
  double worst = 0.0;
  for (double phi = -89.0; phi <= 89.0; phi += 17.8) {
    for (double alpha = 0.0; alpha < 360.0; alpha += 23.0) {
      for (double delta = -85.0; delta <= 85.0; delta += 17.0) {
        const double lst = 7.3;
        const thorizontal h = equatorial_to_horizontal(180.0, false, alpha, delta, lst,
                                                       sin_deg(phi), cos_deg(phi), 10.0, 1010.0);
        double az = 0.0, el = 0.0;
        const double ha = (15.0 * lst - alpha) * kDegToRad;
        eraHd2ae(ha, delta * kDegToRad, phi * kDegToRad, &az, &el);
        // Compare as directions so that the azimuth at the zenith does not matter.
        worst = std::fmax(worst, testing::angle_between_arcsec(
                                     polar_to_cartesian(-h.azimuth, h.altitude, 1),
                                     polar_to_cartesian(-az * kRadToDeg, el * kRadToDeg, 1)));
        EXPECT_GE(h.azimuth, 0.0);
        EXPECT_LT(h.azimuth, 360.0);
        EXPECT_NEAR(std::remainder(h.hour_angle * 15.0 - ha * kRadToDeg, 360.0), 0.0, 1e-9);
      }
    }
  }
  EXPECT_LT(worst, 1e-6);
}

TEST(Horizontal, AzimuthOriginAndMeridian) {
  // An object due south at transit: azimuth 0 from south, 180 from north.
  const double phi = 50.0;
  const thorizontal south = equatorial_to_horizontal(azimuth_offset(azimutSued), false, 30.0, 10.0,
                                                     2.0, sin_deg(phi), cos_deg(phi), 10, 1010);
  const thorizontal north = equatorial_to_horizontal(azimuth_offset(azimutNord), false, 30.0, 10.0,
                                                     2.0, sin_deg(phi), cos_deg(phi), 10, 1010);
  EXPECT_NEAR(south.azimuth, 0.0, 1e-9);
  EXPECT_NEAR(north.azimuth, 180.0, 1e-9);
  EXPECT_NEAR(south.altitude, 50.0, 1e-9);
  EXPECT_NEAR(south.hour_angle, 0.0, 1e-12);
  // Three hours later it stands in the west (azimuth 270 from north).
  const thorizontal west =
      equatorial_to_horizontal(180.0, false, 30.0, 10.0, 5.0, sin_deg(phi), cos_deg(phi), 10, 1010);
  EXPECT_GT(west.azimuth, 180.0);
  EXPECT_LT(west.azimuth, 360.0);
}

TEST(Horizontal, RefractionFlagAndTheRecordForm) {
  tzeitort z;
  z.latitude = 51.191;
  z.sin_latitude = sin_deg(z.latitude);
  z.cos_latitude = cos_deg(z.latitude);
  z.sidereal_time = 4.0;
  z.use_refraction = true;
  const thorizontal with = equatorial_to_horizontal(z, azimutNord, 15.0 * 4.0 + 80.0, 20.0);
  z.use_refraction = false;
  const thorizontal without = equatorial_to_horizontal(z, azimutNord, 15.0 * 4.0 + 80.0, 20.0);
  EXPECT_DOUBLE_EQ(with.altitude, refraction(z.temperature, z.pressure, without.altitude));
  EXPECT_DOUBLE_EQ(with.azimuth, without.azimuth);
}

TEST(Horizontal, InverseRecoversRightAscensionAndDeclination) {
  for (double phi : {-60.0, 0.0, 33.3, 80.0}) {
    for (double alpha = 5.0; alpha < 360.0; alpha += 37.0) {
      for (double delta : {-70.0, -10.0, 0.0, 45.0, 88.0}) {
        for (double offset : {0.0, 180.0}) {
          const double lst = 13.7;
          const thorizontal h = equatorial_to_horizontal(offset, false, alpha, delta, lst,
                                                         sin_deg(phi), cos_deg(phi), 10, 1010);
          const tequatorial e = horizontal_to_equatorial(h.altitude, h.azimuth, sin_deg(phi),
                                                         cos_deg(phi), lst, offset);
          EXPECT_NEAR(e.dec, delta, 1e-9);
          EXPECT_NEAR(testing::angle_difference(e.ra, alpha) * cos_deg(delta), 0.0, 1e-9);
          EXPECT_GE(e.ra, 0.0);
          EXPECT_LT(e.ra, 360.0);
        }
      }
    }
  }
}

}  // namespace
}  // namespace sdro
