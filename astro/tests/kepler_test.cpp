// Kepler's equation: published solutions, and convergence for every
// eccentricity near 1 at any anomaly.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/kepler.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"

namespace sdro {
namespace {

// x − sin x (or sinh x − x) in long double, by its series for small x, so
// that the residuals below measure the solver and not this oracle.
long double x_minus_sin_ref(long double x, bool hyperbolic) {
  if (std::fabs(x) > 0.5L) return hyperbolic ? std::sinh(x) - x : x - std::sin(x);
  long double term = x * x * x / 6.0L, sum = term;
  for (int k = 2; k < 15; ++k) {
    term *= (hyperbolic ? 1.0L : -1.0L) * x * x / ((2.0L * k) * (2.0L * k + 1.0L));
    sum += term;
  }
  return sum;
}

double elliptic_residual(double e, double big_e, double m) {
  const long double le = e, lx = big_e;
  return static_cast<double>((1.0L - le) * lx + le * x_minus_sin_ref(lx, false) - m);
}

double hyperbolic_residual(double e, double h, double m) {
  const long double le = e, lx = h;
  return static_cast<double>((le - 1.0L) * std::sinh(lx) + x_minus_sin_ref(lx, true) - m);
}

TEST(Kepler, PublishedEllipticSolutions) {
  // Astronomical Algorithms 30.a, 30.b and the cases of pymeeus' kepler_equation.
  struct Case {
    double e, m_deg, e_deg, tolerance;
  };
  const Case cases[] = {
      {0.1, 5.0, 5.554589, 1e-6},     {0.99, 2.0, 32.361007, 1e-6},
      {0.99, 5.0, 45.361023, 1e-6},   {0.99, 1.0, 24.725822, 1e-6},
      {0.999, 7.0, 52.2702615, 1e-7}, {0.99, 0.2 * kRadToDeg, 61.13444578, 1e-8},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(kepler_elliptic(c.e, c.m_deg), c.e_deg, c.tolerance) << c.e << " " << c.m_deg;
  }
  EXPECT_DOUBLE_EQ(kepler_elliptic(0.0, 123.4), 123.4);
  EXPECT_NEAR(kepler_elliptic(0.0, -90.0), 270.0, 1e-12);
  EXPECT_NEAR(kepler_elliptic(0.3, 180.0), 180.0, 1e-12);
  EXPECT_NEAR(kepler_elliptic(0.3, 720.0), 0.0, 1e-12);
}

TEST(Kepler, EllipticConvergesForEveryEccentricityAndAnomaly) {
  const double eccentricities[] = {0.0, 0.2, 0.8, 0.95, 0.99, 0.9999, 0.9999999, 1.0};
  for (double e : eccentricities) {
    for (double m = 1e-12; m < 7.0; m *= 1.7) {
      for (double sign : {1.0, -1.0}) {
        const double big_e = eccentric_anomaly(e, sign * m);
        ASSERT_TRUE(std::isfinite(big_e));
        const double reduced = std::remainder(sign * m, 2.0 * kPi);
        // Residual relative to the anomaly: the tiny anomalies of
        // near-parabolic orbits are solved to full precision too.
        EXPECT_LE(std::fabs(elliptic_residual(e, big_e, reduced)), 1e-13 * std::fabs(reduced))
            << "e=" << e << " M=" << sign * m << " E=" << big_e;
      }
    }
  }
}

TEST(Kepler, HyperbolicConvergesFromNearParabolicToStronglyHyperbolic) {
  const double eccentricities[] = {1.0000001, 1.0001, 1.01, 1.5, 3.0, 100.0};
  for (double e : eccentricities) {
    for (double m = 1e-12; m < 1e9; m *= 2.3) {
      for (double sign : {1.0, -1.0}) {
        const double h = kepler_hyperbolic(e, sign * m);
        ASSERT_TRUE(std::isfinite(h));
        EXPECT_LE(std::fabs(hyperbolic_residual(e, h, sign * m)), 1e-13 * m)
            << "e=" << e << " M=" << sign * m;
      }
    }
  }
  EXPECT_DOUBLE_EQ(kepler_hyperbolic(1.5, 0.0), 0.0);
}

TEST(Kepler, NonsenseInputGivesFiniteResults) {
  EXPECT_TRUE(std::isfinite(kepler_elliptic(NAN, 10.0)));
  EXPECT_TRUE(std::isfinite(kepler_elliptic(0.5, NAN)));
  EXPECT_TRUE(std::isfinite(kepler_elliptic(1.5, 10.0)));
  EXPECT_TRUE(std::isfinite(kepler_hyperbolic(0.5, 10.0)));
  EXPECT_TRUE(std::isfinite(kepler_hyperbolic(2.0, INFINITY)));
}

TEST(Kepler, StumpffFunctions) {
  const tstumpff zero = stumpff(0.0);
  EXPECT_DOUBLE_EQ(zero.c1, 1.0);
  EXPECT_DOUBLE_EQ(zero.c2, 0.5);
  EXPECT_DOUBLE_EQ(zero.c3, 1.0 / 6.0);
  // Closed forms on both sides of the series' range.
  for (double x : {-30.0, -1.5, -1.0, -0.4, 1e-6, 0.3, 1.0, 2.0, 50.0}) {
    const double s = std::sqrt(std::fabs(x));
    const tstumpff c = stumpff(x);
    const double c1 = x > 0 ? std::sin(s) / s : std::sinh(s) / s;
    const double c2 = x > 0 ? (1 - std::cos(s)) / x : (std::cosh(s) - 1) / -x;
    const double c3 = x > 0 ? (s - std::sin(s)) / (x * s) : (std::sinh(s) - s) / (-x * s);
    EXPECT_NEAR(c.c1, c1, 1e-14 * std::fabs(c1) + 1e-15) << x;
    EXPECT_NEAR(c.c2, c2, 1e-9 * std::fabs(c2)) << x;  // the closed form itself cancels at small x
    EXPECT_NEAR(c.c3, c3, 1e-7 * std::fabs(c3)) << x;
  }
}

}  // namespace
}  // namespace sdro
