// ΔT: observed values, the classical table, the long-term polynomials and
// the continuity of the model where its pieces meet.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/delta_t.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"

namespace sdro {
namespace {

double jd_of_year(double year) { return kJ2000 + (year - 2000.0) * 365.25; }

TEST(DeltaT, ObservedValues) {
  // IERS values (TT − UT1) at the start of the year, seconds; the table
  // carries them to 1 ms, the tolerance allows for rounding.
  struct Case {
    double year, seconds, tolerance;
  };
  const Case cases[] = {
      {1973.0, 43.38, 0.02},
      {1990.0, 56.86, 0.02},
      {2000.0, 63.83, 0.02},
      {2010.0, 66.07, 0.02},
      {2016.0, 68.10, 0.02},
      {2020.0, 69.36, 0.02},
      {2022.0, 69.29, 0.02},
      // After the last observed year the model continues within about 1 s
      // of what was observed later (2023–2025: 69.2 s … 69.1 s).
      {2023.0, 69.2, 1.0},
      {2025.0, 69.1, 1.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(delta_t(jd_of_year(c.year)), c.seconds, c.tolerance) << c.year;
  }
}

TEST(DeltaT, ClassicalTableAndPolynomials) {
  EXPECT_DOUBLE_EQ(delta_t(jd_of_year(1620.0)), 124.0);
  EXPECT_NEAR(delta_t(jd_of_year(1900.0)), -2.7, 1e-9);
  // Odd years lie midway in the two-year table (1900: −2.7 s, 1902: 0.0 s).
  EXPECT_NEAR(delta_t(jd_of_year(1901.0)), -1.35, 1e-9);
  EXPECT_NEAR(delta_t(jd_of_year(1901.5)), -0.675, 1e-9);
  EXPECT_NEAR(delta_t(jd_of_year(1000.0)), 1625.6, 1e-9);
  EXPECT_NEAR(delta_t(jd_of_year(0.0)), 9848.4, 1e-9);
  EXPECT_NEAR(delta_t(jd_of_year(2300.0)), 59.9 + 123.5 * 3 + 32.5 * 9, 1e-9);
}

TEST(DeltaT, ContinuousFromTheTableIntoTheFuture) {
  // No step larger than the year-to-year change anywhere from 1620 to 2400,
  // in particular at the end of the observations and of the blend (2150).
  double previous = delta_t(jd_of_year(1620.0));
  for (double year = 1620.05; year < 2400.0; year += 0.05) {
    const double value = delta_t(jd_of_year(year));
    EXPECT_LT(std::fabs(value - previous), 0.25) << year;
    previous = value;
  }
  EXPECT_TRUE(std::isfinite(delta_t(NAN)) && delta_t(NAN) == 0.0);
}

}  // namespace
}  // namespace sdro
