// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/sexagesimal.h"

#include <gtest/gtest.h>

namespace sdro {
namespace {

TEST(Sexagesimal, PackedToDecimal) {
  const struct {
    double packed, decimal;
  } cases[] = {
      {12.3456, 12 + 34 / 60.0 + 56 / 3600.0},
      {-0.3, -0.5},
      {0.0001, 1 / 3600.0},
      {5.30123, 5 + 30 / 60.0 + 12.3 / 3600.0},  // tenths of seconds
      {-12.3456, -(12 + 34 / 60.0 + 56 / 3600.0)},
      {23.5959, 23 + 59 / 60.0 + 59 / 3600.0},
      {0, 0},
  };
  for (const auto& c : cases) EXPECT_NEAR(packed_to_decimal(c.packed), c.decimal, 1e-9) << c.packed;
}

TEST(Sexagesimal, DecimalToPackedCarriesAndTruncates) {
  const struct {
    double decimal, packed;
  } cases[] = {
      {10.9999999, 11.0},                         // seconds carry into minutes and degrees
      {0.5, 0.30},                                 // 30'
      {12 + 34 / 60.0 + 56 / 3600.0, 12.3456},     // exact value survives representation
      {1 + 59.9 / 3600.0, 1.0059},                 // seconds truncated, not rounded
      {-(2 + 30.5 / 60.0), -2.3030},               // negative values keep their sign
      {59.99 / 3600.0, 0.0059},                    // 59.99 s truncated to 59 s
      {59.996 / 3600.0, 0.01},                     // within the 0.005 s tolerance: carried
  };
  for (const auto& c : cases) EXPECT_NEAR(decimal_to_packed(c.decimal), c.packed, 1e-10) << c.decimal;
}

TEST(Sexagesimal, DecimalToPackedTenthsRounds) {
  const struct {
    double decimal, packed;
  } cases[] = {
      {0.5, 0.3},
      {1 + 12.34 / 3600.0, 1.00123},     // 12.34 s → 12.3 s
      {1 + 12.36 / 3600.0, 1.00124},     // 12.36 s → 12.4 s
      {1 + 59.97 / 3600.0, 1.0100},      // 59.97 s rounds into the next minute
      {23 + 59 / 60.0 + 59.96 / 3600.0, 24.0},  // and into the next hour
      {-(5 + 30 / 60.0 + 12.3 / 3600.0), -5.30123},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(decimal_to_packed_tenths(c.decimal), c.packed, 1e-10) << c.decimal;
  }
}

TEST(Sexagesimal, RoundTripOverAWideRange) {
  for (int s = -36000; s <= 36000; s += 7) {  // ±10° in steps of 7″
    const double d = s / 3600.0;
    EXPECT_NEAR(packed_to_decimal(decimal_to_packed(d)), d, 1e-9) << s;
  }
}

}  // namespace
}  // namespace sdro
