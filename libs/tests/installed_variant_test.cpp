// SPDX-License-Identifier: GPL-3.0-or-later
// The libraries under the names the main program links (plantheoc,
// plantheod, lunatheo) are the working ones, or the placeholders when the
// build says SDRO_PLACEHOLDER_THEORIES.
#include <gtest/gtest.h>

#include "libs/theory_libraries.h"

namespace {

TEST(InstalledVariant, IdentificationCodesFollowTheBuildOption) {
#if SDRO_PLACEHOLDER_THEORIES
  EXPECT_EQ(ping(), 3);
  EXPECT_EQ(ping_c(), 3);
  EXPECT_NE(ping_elp(), 17);
#else
  EXPECT_EQ(ping(), 112);
  EXPECT_EQ(ping_c(), 113);
  EXPECT_EQ(ping_elp(), 17);
#endif
}

}  // namespace
