// Projections of the sky charts: known pixels, visibility limits and the
// round trip through the inverse projection the mouse uses.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "chart/projection.h"
#include "chart/surface/rnd.h"

namespace sdro {
namespace {

tobserver kassel_evening() {
  tobserver o;
  o.sidereal_time = 3.25;
  o.sin_latitude = sincos_deg(51.32, o.cos_latitude);
  o.refraction = false;
  return o;
}

struct tcase {
  std::string name;
  tprojektion projection;
};

std::vector<tcase> every_chart(int d, int s, int v) {
  const tviewport vp = make_viewport(d, 1200, s, v);
  tobserver refracting = kassel_evening();
  refracting.refraction = true;
  return {
      {"horizon", tprojektion::horizon(vp, kassel_evening())},
      {"horizon refraction", tprojektion::horizon(vp, refracting)},
      {"zoom 10", tprojektion::zoom(vp, 56.75, 24.1, 10.0)},
      {"zoom 60 at the pole", tprojektion::zoom(vp, 0.0, 89.0, 60.0)},
      {"north", tprojektion::north(vp, 0)},
      {"north 30", tprojektion::north(vp, 30)},
      {"south -20", tprojektion::south(vp, -20)},
      {"overview", tprojektion::overview(vp, 0)},
      {"overview shifted", tprojektion::overview(vp, 75)},
  };
}

PixelPoint forward(const tprojektion& p, double ra, double dec) {
  if (p.kind() == tsky_chart::overview) return p.overview_pixel(ra, dec);
  return p.pixel(p.place(ra, dec));
}

bool drawn(const tprojektion& p, double ra, double dec) { return p.object_pixel(ra, dec).has_value(); }

TEST(Projection, ForwardThenInverseStaysWithinOnePixel) {
  for (const int d : {1170, 777}) {
    for (const int s : {1, -1}) {
      for (const int v : {0, 45, 180, 301}) {
        for (const tcase& c : every_chart(d, s, v)) {
          int checked = 0;
          for (double dec = -88.0; dec <= 88.0; dec += 4.0) {
            for (double ra = 1.5; ra < 360.0; ra += 7.0) {
              if (!drawn(c.projection, ra, dec)) continue;
              const PixelPoint px = forward(c.projection, ra, dec);
              const auto sky = c.projection.sky_at(px.x, px.y);
              if (!sky) {  // only a place on the rim may round to a pixel just outside
                ASSERT_TRUE(c.projection.circular()) << c.name << " " << ra << " " << dec;
                EXPECT_GT(c.projection.radius_of(c.projection.place(ra, dec)), c.projection.viewport().R - 1.0);
                continue;
              }
              const PixelPoint back = forward(c.projection, sky->ra, sky->dec);
              EXPECT_LE(std::abs(back.x - px.x), 1) << c.name << " s=" << s << " v=" << v << " " << ra << " " << dec;
              EXPECT_LE(std::abs(back.y - px.y), 1) << c.name << " s=" << s << " v=" << v << " " << ra << " " << dec;
              ++checked;
            }
          }
          EXPECT_GT(checked, 0) << c.name;
        }
      }
    }
  }
}

TEST(Projection, ZoomChartOfTinyRadiusRoundTripsAtItsCentre) {
  const tprojektion p = tprojektion::zoom(make_viewport(1170, 1200, 1, 0), 83.8, -5.4, 0.5);
  for (double dra = -0.6; dra <= 0.6; dra += 0.05) {
    for (double ddec = -0.6; ddec <= 0.6; ddec += 0.05) {
      const PixelPoint px = forward(p, 83.8 + dra, -5.4 + ddec);
      const auto sky = p.sky_at(px.x, px.y);
      ASSERT_TRUE(sky);
      const PixelPoint back = forward(p, sky->ra, sky->dec);
      EXPECT_LE(std::abs(back.x - px.x), 1);
      EXPECT_LE(std::abs(back.y - px.y), 1);
    }
  }
}

TEST(Projection, HorizonChartKnownPixels) {
  const tobserver o = kassel_evening();
  const double zenith_ra = o.sidereal_time * 15.0;
  for (const int v : {0, 90, 180, 270, 33}) {
    for (const int s : {1, -1}) {
      const tprojektion p = tprojektion::horizon(make_viewport(1170, 1200, s, v), o);
      const tviewport& vp = p.viewport();
      EXPECT_EQ(p.pixel(p.place(zenith_ra, 51.32)), (PixelPoint{vp.c, vp.c})) << v << " " << s;
    }
  }
  // Azimuth 90° (west) at altitude 0: on the rim, right unmirrored, left mirrored.
  for (const int s : {1, -1}) {
    const tprojektion p = tprojektion::horizon(make_viewport(1170, 1200, s, 0), o);
    const tviewport& vp = p.viewport();
    EXPECT_EQ(p.pixel(p.place_from_horizontal(0.0, 1.0, 0.0)), (PixelPoint{vp.c + s * vp.R, vp.c}));
  }
  // The view directions put their horizon point at the bottom.
  struct {
    int v;
    double azimuth;  // from south through west
  } const directions[] = {{0, 0.0}, {90, 270.0}, {180, 180.0}, {270, 90.0}};
  for (const auto& dir : directions) {
    const tprojektion p = tprojektion::horizon(make_viewport(1170, 1200, 1, dir.v), o);
    const tviewport& vp = p.viewport();
    double c = 1.0;
    const double sa = sincos_deg(dir.azimuth, c);
    EXPECT_EQ(p.pixel(p.place_from_horizontal(0.0, sa, c)), (PixelPoint{vp.c, vp.c + vp.R})) << dir.v;
  }
  // Stored places counted from north are turned back.
  const tprojektion from_north =
      tprojektion::horizon(make_viewport(1170, 1200, 1, 0), o, azimutNord);
  const tviewport& vp = from_north.viewport();
  EXPECT_EQ(from_north.pixel(from_north.place_from_horizontal(0.0, 0.0, 1.0)), (PixelPoint{vp.c, vp.c - vp.R}));
}

TEST(Projection, HorizonChartHidesTheGroundAndTheMouseFindsNothingThere) {
  const tprojektion p = tprojektion::horizon(make_viewport(1170, 1200, 1, 0), kassel_evening());
  const tviewport& vp = p.viewport();
  EXPECT_FALSE(p.object_pixel(p.place_from_horizontal(-0.1, 0.0, 1.0)));
  EXPECT_TRUE(p.object_pixel(p.place_from_horizontal(0.0, 0.0, 1.0)));
  EXPECT_FALSE(p.sky_at(vp.c + vp.R + 2, vp.c));
  EXPECT_FALSE(p.sky_at(3, 3));
  const auto centre = p.sky_at(vp.c, vp.c);
  ASSERT_TRUE(centre);
  EXPECT_NEAR(centre->altitude, 90.0, 1e-9);
  EXPECT_NEAR(centre->dec, 51.32, 1e-9);
}

TEST(Projection, ZoomChartDrawsWithinOneAndAHalfRadii) {
  // ρ = 10: a star 14° south of the centre is drawn (outside the rim), one 16° away is not.
  const tprojektion p = tprojektion::zoom(make_viewport(1170, 1200, 1, 0), 60.0, 10.0, 10.0);
  EXPECT_TRUE(p.object_pixel(60.0, -4.0));
  EXPECT_FALSE(p.object_pixel(60.0, -6.0));
  // North of the centre the same distance lies above the bitmap: not drawn.
  EXPECT_FALSE(p.object_pixel(60.0, 24.0));
  // North is at the top, east to the left.
  const tviewport& vp = p.viewport();
  const PixelPoint north = forward(p, 60.0, 15.0);
  const PixelPoint east = forward(p, 65.0, 10.0);
  EXPECT_EQ(north.x, vp.c);
  EXPECT_LT(north.y, vp.c);
  EXPECT_LT(east.x, vp.c);
  // Stars use R + 1.
  const tchart_place rim_place = p.place(60.0, 20.0);
  EXPECT_EQ(p.pixel(rim_place, true).y, vp.c - (vp.R + 1));
  EXPECT_EQ(p.pixel(rim_place).y, vp.c - vp.R);
}

TEST(Projection, PolarChartsStopAtTheirRim) {
  const tviewport vp = make_viewport(1170, 1200, 1, 0);
  EXPECT_FALSE(tprojektion::north(vp, 0).object_pixel(100.0, -1.0));
  EXPECT_TRUE(tprojektion::north(vp, 30).object_pixel(100.0, -1.0));
  EXPECT_FALSE(tprojektion::south(vp, 0).object_pixel(100.0, 1.0));
  EXPECT_TRUE(tprojektion::south(vp, 30).object_pixel(100.0, 1.0));
  // The pole at the centre; the equator on the rim for L = 90.
  const tprojektion north = tprojektion::north(vp, 0);
  EXPECT_EQ(forward(north, 123.0, 90.0), (PixelPoint{vp.c, vp.c}));
  const PixelPoint on_equator = forward(north, 0.0, 0.0);
  EXPECT_EQ(on_equator, (PixelPoint{vp.c, vp.c + vp.R}));  // α = 0 at the bottom for v = 0
  EXPECT_FALSE(north.sky_at(vp.c + vp.c + 1, vp.c));
}

TEST(Projection, OverviewPlacesRightAscensionFromTheRight) {
  const tviewport vp = make_viewport(1170, 1200, 1, 0);
  const tprojektion p = tprojektion::overview(vp, 0);
  EXPECT_EQ(p.overview_pixel(180.0, 0.0), (PixelPoint{rnd(vp.d / 2.0), rnd(vp.k * 90.0)}));
  EXPECT_EQ(p.overview_pixel(180.0, 90.0).y, 0);
  EXPECT_EQ(p.overview_pixel(180.0, -90.0).y, vp.d / 2);
  // Right ascension grows to the left.
  EXPECT_LT(p.overview_pixel(190.0, 0.0).x, p.overview_pixel(180.0, 0.0).x);
  // Below the map the mouse finds nothing.
  EXPECT_FALSE(p.sky_at(100, vp.d / 2 + 3));
}

}  // namespace
}  // namespace sdro
