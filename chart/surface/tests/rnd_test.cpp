// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/rnd.h"

#include <gtest/gtest.h>

#include <limits>

namespace sdro {
namespace {

TEST(Rnd, HalvesGoToTheEvenNeighbour) {
  const struct {
    double x;
    int expected;
  } cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},   {-0.5, 0},  {-1.5, -2}, {-2.5, -2},
               {0.49, 0},  {0.51, 1},  {-0.51, -1}, {2.4999, 2}, {1e6 + 0.5, 1000000},
               {7.0, 7},   {-7.0, -7}, {1001.5, 1002}};
  for (const auto& c : cases) EXPECT_EQ(rnd(c.x), c.expected) << c.x;
}

TEST(Rnd, SaturatesAndMapsNanToZero) {
  EXPECT_EQ(rnd(1e300), std::numeric_limits<int>::max());
  EXPECT_EQ(rnd(-1e300), std::numeric_limits<int>::min());
  EXPECT_EQ(rnd(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace sdro
