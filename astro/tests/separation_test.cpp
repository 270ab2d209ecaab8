// Angular separation against ERFA (eraSeps), including tiny separations,
// the poles and pairs across 0h.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/separation.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astro/tests/reference_support.h"

namespace sdro {
namespace {

using testing::kArcsec;

double erfa_separation(double a1, double a2, double d1, double d2) {
  return eraSeps(a1 * kDegToRad, d1 * kDegToRad, a2 * kDegToRad, d2 * kDegToRad) * kRadToDeg;
}

TEST(Separation, AgreesWithErfaFromMilliarcsecondsToOpposition) {
  double worst = 0.0;
  for (double d1 = -89.99; d1 <= 89.99; d1 += 9.999) {
    for (double a1 = 0.5; a1 < 360.0; a1 += 61.0) {
      for (double step : {1e-7, 1e-4, 0.01, 0.1, 0.2, 1.0, 30.0, 120.0}) {
        for (double direction : {0.0, 60.0, 135.0, 270.0}) {
          const double d2 = std::fmax(-90.0, std::fmin(90.0, d1 + step * cos_deg(direction)));
          const double a2 = a1 + step * sin_deg(direction) / std::fmax(cos_deg(d1), 1e-3);
          const double mine = std::fabs(angular_separation(a1, a2, d1, d2));
          const double ref = erfa_separation(a1, a2, d1, d2);
          worst = std::fmax(worst, std::fabs(mine - ref) / kArcsec);
        }
      }
    }
  }
  EXPECT_LT(worst, 1e-6);
}

TEST(Separation, SmallAnglesAcross0hAndAtThePole) {
  // 10′ in α at δ = 60° is 5′ of arc (less 0.08 mas, the curvature of the
  // parallel).
  EXPECT_NEAR(angular_separation(10.0 + 10.0 / 60.0, 10.0, 60.0, 60.0), 5.0 / 60.0,
              0.001 * kArcsec);
  // Pairs on both sides of 0h (the difference of the right ascensions is
  // then near ±360°).
  struct Case {
    double a1, a2, d1, d2;
  };
  const Case cases[] = {{359.99, 0.01, 10.0, 10.0},
                        {0.01, 359.99, -20.0, -20.01},
                        {719.99, 0.02, 0.0, 0.0},
                        {0.0, 180.0, 89.95, 89.95},
                        {10.0, 250.0, 89.999, 89.998}};
  for (const Case& c : cases) {
    const double ref = erfa_separation(c.a1, c.a2, c.d1, c.d2);
    EXPECT_NEAR(std::fabs(angular_separation(c.a1, c.a2, c.d1, c.d2)), ref, 1e-9 * kArcsec)
        << c.a1 << " " << c.a2 << " " << c.d1;
    EXPECT_LT(ref, 10.0 / 60.0);
  }
}

TEST(Separation, SignFollowsTheDeclinations) {
  EXPECT_NEAR(angular_separation(0.0, 0.0, 10.0, 20.0), -10.0, 1e-12);
  EXPECT_NEAR(angular_separation(0.0, 0.0, 20.0, 10.0), 10.0, 1e-12);
  EXPECT_NEAR(angular_separation(0.0, 0.0, 10.0, 10.0 + 1e-5), -1e-5, 1e-15);
  EXPECT_DOUBLE_EQ(angular_separation(5.0, 5.0, 1.0, 1.0), 0.0);
}

}  // namespace
}  // namespace sdro
