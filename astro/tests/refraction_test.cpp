// Refraction and its inverse over all altitudes, including below the horizon.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/refraction.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

namespace sdro {
namespace {

constexpr double kArcmin = 1.0 / 60.0;

TEST(Refraction, StandardValues) {
  // About 29′ at the true horizon, 1′ at 45°, none at the zenith.
  EXPECT_NEAR(refraction(10.0, 1010.0, 0.0), 0.0 + 28.98 * kArcmin, 0.05 * kArcmin);
  EXPECT_NEAR(refraction(10.0, 1010.0, 0.0), 0.48, 0.005);
  EXPECT_NEAR(refraction(10.0, 1010.0, 45.0) - 45.0, 0.99 * kArcmin, 0.03 * kArcmin);
  EXPECT_NEAR(refraction(10.0, 1010.0, 90.0), 90.0, 1e-9);
  // No air, no refraction.
  EXPECT_DOUBLE_EQ(refraction(10.0, 0.0, 12.0), 12.0);
  EXPECT_DOUBLE_EQ(unrefract(10.0, 0.0, 12.0), 12.0);
  // Denser (colder) air refracts more.
  EXPECT_GT(refraction(-20.0, 1030.0, 5.0), refraction(30.0, 980.0, 5.0));
}

TEST(Refraction, AgreesWithErfaAboveFifteenDegrees) {
  // eraRefco (dry air, 0.55 µm): R = A tan z + B tan³ z, good above 15°.
  // The formula here is the classical one for average conditions; it lies
  // within 6% (at most 0.12′) of ERFA's model, and follows its dependence on
  // pressure and temperature within 1%.
  auto erfa_refraction = [](double pressure, double temperature, double h) {
    double a = 0.0, b = 0.0;
    eraRefco(pressure, temperature, 0.0, 0.55, &a, &b);
    const double tz = std::tan((90.0 - h) * M_PI / 180.0);
    return (a * tz + b * tz * tz * tz) * 180.0 / M_PI;
  };
  for (double h = 15.0; h <= 85.0; h += 5.0) {
    const double mine = refraction(10.0, 1010.0, h) - h;
    const double ref = erfa_refraction(1010.0, 10.0, h);
    EXPECT_NEAR(mine, ref, 0.06 * ref) << h;
    const double mine_ratio = (refraction(-20.0, 850.0, h) - h) / mine;
    const double ref_ratio = erfa_refraction(850.0, -20.0, h) / ref;
    EXPECT_NEAR(mine_ratio, ref_ratio, 0.01 * ref_ratio) << h;
  }
}

TEST(Refraction, UnrefractInvertsRefractionEverywhere) {
  for (double pressure : {1010.0, 850.0, 1050.0}) {
    for (double h = -10.0; h <= 90.0; h += 0.01) {
      const double back = unrefract(-5.0, pressure, refraction(-5.0, pressure, h));
      ASSERT_NEAR(back, h, 1e-6 * kArcmin) << h;
    }
  }
}

TEST(Refraction, BelowTheHorizonNoPolesAndNoLifting) {
  double previous = refraction(10.0, 1010.0, -30.0);
  for (double h = -30.0; h <= 2.0; h += 0.001) {
    const double app = refraction(10.0, 1010.0, h);
    ASSERT_TRUE(std::isfinite(app)) << h;
    // At most the refraction at the horizon's depression range (≈ 45′) …
    ASSERT_LE(app - h, 45.0 * kArcmin) << h;
    ASSERT_GE(app - h, 0.0) << h;
    // … and the apparent altitude grows with the true one (no folds).
    ASSERT_GE(app, previous) << h;
    previous = app;
  }
  // Far below the horizon nothing is lifted (the bare formulae have poles at
  // −5.11° and −4.4° and there lift objects by degrees); near −4.4° only a
  // few arcminutes remain of the taper.
  EXPECT_DOUBLE_EQ(refraction(10.0, 1010.0, -5.11), -5.11);
  EXPECT_DOUBLE_EQ(refraction(10.0, 1010.0, -60.0), -60.0);
  EXPECT_LT(refraction(10.0, 1010.0, -4.4) + 4.4, 5.0 * kArcmin);
  EXPECT_NEAR(unrefract(10.0, 1010.0, -4.4), -4.4, 5.0 * kArcmin);
  EXPECT_DOUBLE_EQ(unrefract(10.0, 1010.0, -60.0), -60.0);
  // Nonsense air gives a finite result.
  EXPECT_TRUE(std::isfinite(refraction(-300.0, 1010.0, 0.0)));
  EXPECT_TRUE(std::isfinite(unrefract(-273.0, 1e9, 0.0)));
}

}  // namespace
}  // namespace sdro
