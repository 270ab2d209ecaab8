// The vector transforms of the recompute against the routines of astro/ they
// are taken from.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/sky_places.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/aberration.h"
#include "astro/angles.h"
#include "astro/horizontal.h"
#include "astro/nutation.h"
#include "catalog/tests/catalog_files.h"

namespace sdro {
namespace {

double separation_arcsec(const tequatorial& a, const tequatorial& b) {
  const tvektor u = polar_to_cartesian(a.ra, a.dec, 1.0);
  const tvektor v = polar_to_cartesian(b.ra, b.dec, 1.0);
  return std::atan2(length(cross(u, v)), dot(u, v)) * kRadToDeg * 3600.0;
}

// Places on a grid that includes both poles and right ascensions near 0/360.
template <class F>
void for_grid(F f) {
  for (double dec = -90.0; dec <= 90.0; dec += 7.5) {
    for (double ra = 0.0; ra < 360.0; ra += 22.5) f(tequatorial{ra == 0.0 ? 359.9999 : ra, dec});
  }
}

TEST(SkyPlaces, ApparentPlaceEqualsNutationThenAberrationOfAstro) {
  for (const int year : {1900, 2000, 2100}) {
    const tzeitort z = test::instant(year, 4, 17);
    const tapparent_transform t = apparent_transform(z, true);
    for_grid([&](const tequatorial& mean) {
      tequatorial expected = mean;
      nutate_ra_dec(expected.ra, expected.dec, z.dpsi_cos_obliquity, z.dpsi_sin_obliquity, z.nutation_obliquity);
      annual_aberration_prepared(expected.ra, expected.dec, z.cos_aberration_sun, z.sin_aberration_sun,
                                 z.cos_obliquity, z.sin_obliquity);
      EXPECT_LT(separation_arcsec(apparent_place(mean, t), expected), 1e-4) << mean.ra << " " << mean.dec;
    });
  }
  const tequatorial p{123.4, 56.7};
  const tequatorial same = apparent_place(p, apparent_transform(test::instant(2000, 1, 1), false));
  EXPECT_EQ(same.ra, p.ra);
  EXPECT_EQ(same.dec, p.dec);
}

TEST(SkyPlaces, HorizontalPlaceEqualsAstroForBothAzimuthOrigins) {
  tzeitort z = test::instant(2024, 8, 9, 22.3, -33.9, -18.4);
  for (const bool refraction : {false, true}) {
    z.use_refraction = refraction;
    for (const tazimutzaehlung origin : {azimutSued, azimutNord}) {
      const thorizon_frame frame = observer_frame(z, azimuth_offset(origin));
      for_grid([&](const tequatorial& p) {
        const thorizontal expected = equatorial_to_horizontal(z, origin, p.ra, p.dec);
        const thorizontal_place h = horizontal_place(p, frame);
        // The altitude is kept as a 32-bit float: half a unit in the last place is 0.014″.
        EXPECT_NEAR(h.altitude, expected.altitude, 0.02 / 3600.0);
        if (std::fabs(expected.altitude) < 89.99) {
          EXPECT_NEAR(h.sin_azimuth, sin_deg(expected.azimuth), 1e-6) << p.ra << " " << p.dec;
          EXPECT_NEAR(h.cos_azimuth, cos_deg(expected.azimuth), 1e-6) << p.ra << " " << p.dec;
        }
      });
    }
  }
}

TEST(SkyPlaces, TheZoomChartFrameHasTheCentreInItsZenithAndNorthUp) {
  const thorizon_frame f = centred_frame(250.0, 40.0);
  EXPECT_NEAR(horizontal_place(tequatorial{250.0, 40.0}, f).altitude, 90.0, 1e-5);
  // One degree north of the centre lies at an altitude of 89° towards the
  // north (azimuth 180° from south), one degree east towards the east (270°).
  const thorizontal_place north = horizontal_place(tequatorial{250.0, 41.0}, f);
  EXPECT_NEAR(north.altitude, 89.0, 1e-5);
  EXPECT_NEAR(north.cos_azimuth, -1.0, 1e-6);
  const thorizontal_place east = horizontal_place(tequatorial{251.0, 40.0}, f);
  EXPECT_NEAR(east.sin_azimuth, -1.0, 1e-3);
}

TEST(SkyPlaces, FloatRightAscensionStaysBelow360) {
  EXPECT_EQ(float_ra(359.99999999), 0.0f);
  EXPECT_EQ(float_ra(-1e-12), 0.0f);
  EXPECT_EQ(float_ra(720.5), 0.5f);
  EXPECT_EQ(float_ra(12.25), 12.25f);
}

}  // namespace
}  // namespace sdro
