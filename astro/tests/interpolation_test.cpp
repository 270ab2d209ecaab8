// Three-point parabolas: zeros and extremum.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/interpolation.h"

#include <gtest/gtest.h>

namespace sdro {
namespace {

double parabola(double a, double b, double c, double x) { return (a * x + b) * x + c; }

TEST(Interpolation, ZerosAndVertexOfKnownParabolas) {
  struct Case {
    double a, b, c;  // y = a x² + b x + c
    int zeros;
    double z1, z2, xe;
  };
  const Case cases[] = {
      {1.0, 0.0, -0.25, 2, -0.5, 0.5, 0.0},                 // two zeros inside
      {-2.0, 1.0, 2.0, 1, -0.7807764064044151, 0.0, 0.25},  // one inside, the other at 1.281
      {1.0, 0.2, 0.5, 0, 0.0, 0.0, -0.1},                   // none (vertex above zero)
      {1.0, -3.0, 0.5, 1, 0.17712434446770464, 0.0, 1.5},   // one inside, one beyond +1
  };
  for (const Case& c : cases) {
    const tparabola p =
        parabola_through_three(parabola(c.a, c.b, c.c, -1), c.c, parabola(c.a, c.b, c.c, 1));
    EXPECT_EQ(p.zero_count, c.zeros);
    EXPECT_NEAR(p.extremum_x, c.xe, 1e-12);
    EXPECT_NEAR(p.extremum_y, parabola(c.a, c.b, c.c, c.xe), 1e-12);
    if (c.zeros >= 1) {
      EXPECT_NEAR(p.zero1, c.z1, 1e-12);
    }
    if (c.zeros == 2) {
      EXPECT_NEAR(p.zero2, c.z2, 1e-12);
    }
  }
  // A zero below −1 is replaced by the larger one.
  const tparabola p = parabola_through_three(parabola(1, 3, 0.5, -1), 0.5, parabola(1, 3, 0.5, 1));
  EXPECT_EQ(p.zero_count, 1);
  EXPECT_NEAR(p.zero1, p.zero2, 1e-15);
  EXPECT_NEAR(p.zero1, -0.17712434446770464, 1e-12);
}

TEST(Interpolation, EqualValuesUseTheTinyCurvature) {
  const tparabola p = parabola_through_three(2.0, 2.0, 2.0);
  EXPECT_EQ(p.zero_count, 0);
  EXPECT_DOUBLE_EQ(p.extremum_x, 0.0);
  EXPECT_DOUBLE_EQ(p.extremum_y, 2.0);
}

TEST(Interpolation, ExtremumHasTheSignOfItsSide) {
  struct Case {
    double a, b, c;
    bool inside;
  };
  const Case cases[] = {{-1.0, 0.5, 3.0, true},   // maximum at +0.25
                        {-1.0, -0.5, 3.0, true},  // maximum at −0.25
                        {2.0, 1.0, 0.0, true},    // minimum at −0.25
                        {1.0, 4.0, 0.0, false}};  // minimum at −2, outside
  for (const Case& c : cases) {
    const textremum e =
        extremum_through_three(parabola(c.a, c.b, c.c, -1), c.c, parabola(c.a, c.b, c.c, 1));
    const double xe = -c.b / (2 * c.a);
    EXPECT_NEAR(e.x, xe, 1e-12);
    EXPECT_NEAR(e.value, parabola(c.a, c.b, c.c, xe), 1e-12);
    EXPECT_EQ(e.inside, c.inside);
  }
  const textremum line = extremum_through_three(1.0, 2.0, 3.0);
  EXPECT_FALSE(line.inside);
  EXPECT_DOUBLE_EQ(line.value, 2.0);
}

}  // namespace
}  // namespace sdro
