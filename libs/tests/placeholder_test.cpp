// SPDX-License-Identifier: GPL-3.0-or-later
// The placeholder libraries (linked instead of the working ones): their
// identification codes are refused by the main program and their answers
// are fixed, whatever the arguments.
#include <gtest/gtest.h>

#include "libs/lunatheo/lunatheo.h"
#include "libs/tests/theory_test_support.h"

namespace sdro::test {
namespace {

TEST(Placeholder, IdentificationCodesAreNotTheAcceptedOnes) {
  EXPECT_EQ(ping(), 3);
  EXPECT_EQ(ping_c(), 3);
  EXPECT_EQ(ping_elp(), 0);
}

TEST(Placeholder, PlantheocWritesFixedValuesAndLeavesVyAlone) {
  for (const TheoryBody& b : theory_bodies) {
    for (double T : {-67.0, 0.0, 0.5, 80.0}) {
      for (double precision : {-1.0, 3.0, 12.0}) {
        double x = 7, y = 7, z = 7, vx = 7, vy = 123.25, vz = 7;
        b.rectangular(T, &x, &y, &z, &vx, &vy, &vz, precision);
        EXPECT_EQ(x, 1.0) << b.name;
        EXPECT_EQ(y, 1.0) << b.name;
        EXPECT_EQ(z, 0.0) << b.name;
        EXPECT_EQ(vx, 1e-5) << b.name;
        EXPECT_EQ(vy, 123.25) << b.name;
        EXPECT_EQ(vz, 1e-5) << b.name;
      }
    }
  }
}

TEST(Placeholder, PlantheodWritesFixedValues) {
  auto check = [](SphericalFunction f, const std::string& name) {
    for (double T : {-67.0, 0.0, 0.5, 80.0}) {
      double L = 7, B = 7, R = 7;
      f(T, &L, &B, &R, -1.0);
      EXPECT_EQ(L, 0.0) << name;
      EXPECT_EQ(B, 0.0) << name;
      EXPECT_EQ(R, 2.0) << name;
    }
  };
  for (const TheoryBody& b : theory_bodies) {
    if (b.spherical != nullptr) check(b.spherical, b.name);
  }
  check(vsopsun_l, "sun");
}

TEST(Placeholder, LunarPlaceholderAnswersAFixedVector) {
  double x = 0, y = 7, z = 7;
  ELP82B(2451545.0, &x, &y, &z, -1.0);
  EXPECT_EQ(x, 384400.0);
  EXPECT_EQ(y, 0.0);
  EXPECT_EQ(z, 0.0);
}

}  // namespace
}  // namespace sdro::test
