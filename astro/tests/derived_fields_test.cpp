// The derived fields of the instant record against ERFA at a few instants.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/derived_fields.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/delta_t.h"
#include "astro/instant.h"
#include "astro/tests/reference_support.h"

namespace sdro {
namespace {

using testing::kArcsec;
using testing::kArcsecRad;

TEST(DerivedFields, MatchErfaForTheInstantAndPlace) {
  for (double mjd : {-20000.5, 51544.5, 60676.3, 88000.9}) {
    tzeitort z;
    z.mjd = mjd;
    z.longitude = -13.4;  // 13.4° east
    z.latitude = 52.5;
    z.height = 35;
    z.automatic_delta_t = true;
    z.sun_distance = 0.987;
    z.lunar_eclipse_now = true;
    z.umbral_radius = 2.5;
    update_derived_fields(z, true);
    const double jd = jd_from_mjd(mjd);
    const double tt = jd + z.delta_t / 86400.0;
    SCOPED_TRACE(mjd);
    EXPECT_DOUBLE_EQ(z.delta_t, delta_t(jd));
    EXPECT_NEAR(z.t, centuries_from_j2000(tt), 1e-15);
    const double last = eraGst94(jd, 0.0) * 12.0 / ERFA_DPI - z.longitude / 15.0;
    EXPECT_NEAR(std::remainder(z.sidereal_time - last, 24.0), 0.0, 0.001 * testing::kSecondOfTime);
    EXPECT_NEAR(z.obliquity, eraObl80(tt, 0.0) * kRadToDeg, 0.02 * kArcsec);
    EXPECT_NEAR(z.sin_obliquity, std::sin(z.obliquity * kDegToRad), 1e-15);
    double dpsi = 0.0, deps = 0.0;
    eraNut80(tt, 0.0, &dpsi, &deps);
    EXPECT_NEAR(z.nutation_longitude, dpsi, 0.01 * kArcsecRad);
    EXPECT_NEAR(z.nutation_obliquity, deps, 0.01 * kArcsecRad);
    EXPECT_NEAR(z.dpsi_cos_obliquity, z.nutation_longitude * z.cos_obliquity, 1e-18);
    EXPECT_NEAR(z.sin_latitude, std::sin(52.5 * kDegToRad), 1e-15);
    EXPECT_NEAR(z.geocentric_latitude, 52.5 - 0.19, 0.01);
    // Precession from J1950.0 against ERFA's IAU 1976 matrix J1950 → date.
    double zeta, zz, theta, p[3][3];
    eraPrec76(2433282.5, 0.0, tt, 0.0, &zeta, &zz, &theta);
    eraIr(p);
    eraRz(-zeta, p);
    eraRy(theta, p);
    eraRz(-zz, p);
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) EXPECT_NEAR(z.precession_j1950.m[i][j], p[i][j], 1e-11);
    }
    EXPECT_NEAR(
        z.cos_aberration_sun * z.cos_aberration_sun + z.sin_aberration_sun * z.sin_aberration_sun,
        1.0, 1e-15);
    // Fields kept by others stay.
    EXPECT_EQ(z.sun_distance, 0.987);
    EXPECT_TRUE(z.lunar_eclipse_now);
    EXPECT_EQ(z.umbral_radius, 2.5);
  }
}

TEST(DerivedFields, StoredDeltaTAndMeanSiderealTime) {
  tzeitort z;
  z.mjd = 51544.5;
  z.longitude = 0.0;
  z.automatic_delta_t = false;
  z.delta_t = 0.0;
  update_derived_fields(z, false);
  EXPECT_DOUBLE_EQ(z.delta_t, 0.0);
  EXPECT_DOUBLE_EQ(z.t, 0.0);
  EXPECT_NEAR(z.sidereal_time, eraGmst82(2451545.0, 0.0) * 12.0 / ERFA_DPI, 1e-7);
}

}  // namespace
}  // namespace sdro
