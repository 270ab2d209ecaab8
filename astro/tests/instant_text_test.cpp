// The instant as a line of text in both languages.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/instant_text.h"

#include <gtest/gtest.h>

#include "astro/language.h"

namespace sdro {
namespace {

tzeitort instant(double local_time, int zone, int minutes) {
  tzeitort z;
  z.day = 9;
  z.month = 3;
  z.year = 2000;
  z.weekday = 4;
  z.local_time = local_time;
  z.zone = zone;
  z.additional_minutes = minutes;
  return z;
}

TEST(InstantText, ModesAndLanguages) {
  const double t = 5.5 + 12.0 / 3600.0;  // 05:30:12
  {
    LanguageScope de(german);
    EXPECT_EQ(format_instant(instant(t, 1, 0), 4), "Donnerstag  9. 3.2000 05:30:12 MEZ ");
    EXPECT_EQ(format_instant(instant(t, 1, 0), 2), "Donnerstag  9. 3.2000 05:30 MEZ ");
    EXPECT_EQ(format_instant(instant(t, 1, 0), 0), "Donnerstag  9. 3.2000 6 MEZ ");
    EXPECT_EQ(format_instant(instant(t, 5, 30), 2), "Donnerstag  9. 3.2000 05:30 UT+5 +30min");
  }
  {
    LanguageScope en(english);
    EXPECT_EQ(format_instant(instant(t, 3, 0), 4), "Thursday  9. 3.2000 05:30:12 Moscow Time ");
    EXPECT_EQ(format_instant(instant(14.25, -5, 0), 0), "Thursday  9. 3.2000 14 EST ");
    EXPECT_EQ(format_instant(instant(23.999, 0, 0), 4), "Thursday  9. 3.2000 23:59:56 UT ");
  }
}

}  // namespace
}  // namespace sdro
