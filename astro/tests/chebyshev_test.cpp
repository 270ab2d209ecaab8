// Chebyshev series by Clenshaw's recurrence.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/chebyshev.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace sdro {
namespace {

TEST(Chebyshev, ExpansionOfTheCosineOnAnInterval) {
  // cos(z) = J0(1) + 2 Σ (−1)^k J2k(1) T2k(z) on [−1, 1]; mapped onto [10, 30].
  std::vector<double> c(15, 0.0);
  for (int k = 0; 2 * k < 15; ++k)
    c[2 * k] = 2.0 * (k % 2 ? -1.0 : 1.0) * std::cyl_bessel_j(2 * k, 1.0);
  for (double x = 10.0; x <= 30.0; x += 0.5) {
    const double z = (2.0 * x - 40.0) / 20.0;
    EXPECT_NEAR(chebyshev_value(c, 10.0, 30.0, x), std::cos(z), 1e-14) << x;
  }
}

TEST(Chebyshev, LowOrdersAndDegenerateInput) {
  const double c[] = {2.0, 3.0, 5.0};  // 1 + 3u + 5(2u² − 1)
  for (double u : {-1.0, -0.3, 0.0, 0.7, 1.0}) {
    EXPECT_NEAR(chebyshev_value(c, -1.0, 1.0, u), 1.0 + 3.0 * u + 5.0 * (2.0 * u * u - 1.0), 1e-14);
  }
  const double one[] = {4.0};
  EXPECT_DOUBLE_EQ(chebyshev_value(one, 0.0, 1.0, 0.3), 2.0);
  EXPECT_DOUBLE_EQ(chebyshev_value({}, 0.0, 1.0, 0.3), 0.0);
  EXPECT_DOUBLE_EQ(chebyshev_value(c, 5.0, 5.0, 5.0), 1.0 - 5.0);
}

}  // namespace
}  // namespace sdro
