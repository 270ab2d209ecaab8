// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace sdro {
namespace {

struct Case {
  double in;
  double out;
};

TEST(Angles, NormalizeDegreesIntoHalfOpenRange) {
  const Case cases[] = {{-30, 330}, {720, 0}, {0, 0}, {359.5, 359.5}, {360, 0},
                        {-360, 0},  {-720.25, 359.75}, {1e6, 280}, {-1e-15, 0}};
  for (const Case& c : cases) {
    const double r = normalize_degrees(c.in);
    EXPECT_NEAR(r, c.out, 1e-9) << c.in;
    EXPECT_GE(r, 0.0) << c.in;
    EXPECT_LT(r, 360.0) << c.in;
  }
}

TEST(Angles, NormalizeHoursAndFraction) {
  EXPECT_DOUBLE_EQ(normalize_hours(-1), 23);
  EXPECT_DOUBLE_EQ(normalize_hours(49.5), 1.5);
  EXPECT_LT(normalize_hours(-1e-16), 24.0);
  EXPECT_DOUBLE_EQ(frac_positive(2.25), 0.25);
  EXPECT_DOUBLE_EQ(frac_positive(-2.25), 0.75);
  EXPECT_LT(frac_positive(-1e-17), 1.0);
}

TEST(Angles, Atan2DegQuadrantsAndAxes) {
  // (x, y) → angle of the point, range (−180, 180].
  const struct {
    double x, y, deg;
  } cases[] = {{0, 0, 0},    {1, 0, 0},     {-1, 0, 180},  {0, 1, 90},   {0, -1, -90},
               {1, 1, 45},   {-1, 1, 135},  {-1, -1, -135}, {1, -1, -45}, {2, 1, 26.565051177},
               {1, 2, 63.434948823}, {-3, 0.0001, 179.998090}};
  for (const auto& c : cases) {
    EXPECT_NEAR(atan2_deg(c.x, c.y), c.deg, 1e-6) << c.x << "," << c.y;
    if (c.x != 0 || c.y != 0) {
      EXPECT_NEAR(atan2_deg(c.x, c.y), std::atan2(c.y, c.x) * kRadToDeg, 1e-9);
    }
  }
}

TEST(Angles, InverseTrigClampsRoundingOvershoot) {
  // Rounding pushes the cosine of coincident points just past 1.
  const double over = 1.0 + 2 * std::numeric_limits<double>::epsilon();
  EXPECT_DOUBLE_EQ(asin_deg(over), 90.0);
  EXPECT_DOUBLE_EQ(asin_deg(-over), -90.0);
  EXPECT_DOUBLE_EQ(acos_deg(over), 0.0);
  EXPECT_DOUBLE_EQ(acos_deg(-over), 180.0);
  EXPECT_NEAR(asin_deg(0.5), 30.0, 1e-12);
  EXPECT_NEAR(acos_deg(0.5), 60.0, 1e-12);
  EXPECT_NEAR(asin_deg(1e-8), 1e-8 * kRadToDeg, 1e-20);
}

TEST(Angles, TrigInDegrees) {
  double c = 0;
  EXPECT_NEAR(sincos_deg(30, c), 0.5, 1e-15);
  EXPECT_NEAR(c, std::sqrt(3.0) / 2, 1e-15);
  EXPECT_NEAR(tan_deg(45), 1.0, 1e-14);
  EXPECT_NEAR(atan_deg(1), 45.0, 1e-12);
}

TEST(Angles, SmallHelpers) {
  EXPECT_EQ(sign_of(-3), -1);
  EXPECT_EQ(sign_of(0), 0);
  EXPECT_EQ(sign_of(2), 1);
  EXPECT_NEAR(log10_of(1000), 3.0, 1e-14);
  EXPECT_EQ(cube_root(0), 0);
  EXPECT_NEAR(cube_root(27), 3.0, 1e-14);
  EXPECT_NEAR(cube_root(-8), -2.0, 1e-14);
}

}  // namespace
}  // namespace sdro
