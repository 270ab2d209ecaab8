// SPDX-License-Identifier: GPL-3.0-or-later
// The precision argument of all three libraries and their behaviour for
// unusual arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "libs/lunatheo/lunatheo.h"
#include "libs/tests/theory_test_support.h"

namespace sdro::test {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

Vec3 moon(double jd, double precision) {
  Vec3 m{};
  ELP82B(jd, &m.x, &m.y, &m.z, precision);
  return m;
}

bool same(const Vec3& a, const Vec3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

// -1, every other negative value, NaN and values past any amplitude give
// the complete series, bit for bit.
TEST(Precision, NegativeOrNonFiniteOrHugeMeansCompleteSeries) {
  for (double p : {-5.0, -0.5, -inf, nan, inf, 1000.0}) {
    for (const TheoryBody& b : theory_bodies) {
      EXPECT_TRUE(same(rectangular_position(b, 0.37, p), rectangular_position(b, 0.37, -1.0))) << b.name << " " << p;
    }
    EXPECT_TRUE(same(moon(2460000.5, p), moon(2460000.5, -1.0))) << p;
  }
}

// Worst heliocentric error of a truncation over 1900-2100 (100 instants)
// for every body, and the Moon's error in direction and distance, against
// the published bounds of libs/README.md.
struct TruncationBound {
  double precision;
  double planet_arcsec;  // direction seen from the Sun, incl. the radius error
  double moon_arcsec;
  double moon_km;
};

constexpr TruncationBound truncation_bounds[] = {
    {5.0, 20.0, 30.0, 25.0}, {6.0, 4.0, 5.0, 7.0}, {7.0, 0.7, 1.0, 1.0}, {8.0, 0.1, 0.15, 0.15},
    {9.0, 0.015, 0.03, 0.03},
};

TEST(Precision, TruncationErrorsStayWithinTheirBounds) {
  for (const TruncationBound& t : truncation_bounds) {
    double planet = 0.0, moon_angle = 0.0, moon_km = 0.0;
    for (int i = 0; i < 100; ++i) {
      const double T = -1.0 + 0.02 * i + 0.0031;
      for (const TheoryBody& b : theory_bodies) {
        const Vec3 full = rectangular_position(b, T, -1.0);
        const Vec3 cut = rectangular_position(b, T, t.precision);
        planet = std::max(planet, norm(minus(full, cut)) / norm(full) * arcsec_per_rad);
      }
      const double jd = 2451545.0 + 36525.0 * T;
      const Vec3 full = moon(jd, -1.0), cut = moon(jd, t.precision);
      moon_angle = std::max(moon_angle, separation_arcsec(full, cut));
      moon_km = std::max(moon_km, std::abs(norm(full) - norm(cut)));
    }
    EXPECT_LT(planet, t.planet_arcsec) << "precision " << t.precision;
    EXPECT_LT(moon_angle, t.moon_arcsec) << "precision " << t.precision;
    EXPECT_LT(moon_km, t.moon_km) << "precision " << t.precision;
  }
}

// Every export gives finite values for every time the program can produce
// (JD 0 to 5373484.5, T from -67.1 to +79.9) and for times it cannot.
TEST(Robustness, FiniteForEveryTime) {
  auto finite = [](double a, double b, double c) { return std::isfinite(a) && std::isfinite(b) && std::isfinite(c); };
  std::vector<double> times;
  for (double T = -67.1; T <= 79.9; T += 0.73) times.push_back(T);
  for (double T : {-1e300, -101.0, 101.0, 1e300, inf, -inf, nan}) times.push_back(T);
  for (double T : times) {
    for (const TheoryBody& b : theory_bodies) {
      double x, y, z, vx, vy, vz;
      b.rectangular(T, &x, &y, &z, &vx, &vy, &vz, -1.0);
      EXPECT_TRUE(finite(x, y, z) && finite(vx, vy, vz)) << b.name << " T " << T;
      double L, B, R;
      if (b.spherical != nullptr) {
        b.spherical(T, &L, &B, &R, -1.0);
      } else {
        vsopsun_l(T, &L, &B, &R, -1.0);
      }
      EXPECT_TRUE(finite(L, B, R)) << b.name << " T " << T;
      EXPECT_GT(R, 0.0) << b.name << " T " << T;
    }
  }
}

// A null output pointer is skipped; the other outputs are written.
TEST(Robustness, NullOutputsAreSkipped) {
  double L = -1.0, R = -1.0, x = -1.0, vz = -1.0, y = -1.0;
  vsopmars_hel(0.1, &L, nullptr, &R, -1.0);
  EXPECT_GE(L, 0.0);
  EXPECT_GT(R, 1.3);
  vsop_c_mar(0.1, &x, nullptr, nullptr, nullptr, nullptr, &vz, -1.0);
  EXPECT_NE(x, -1.0);
  EXPECT_NE(vz, -1.0);
  ELP82B(2451545.0, nullptr, &y, nullptr, -1.0);
  EXPECT_NE(y, -1.0);
}

}  // namespace
}  // namespace sdro::test
