// Completing the instant record from civil time or from the MJD.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/instant.h"

#include <gtest/gtest.h>

#include "astro/calendar.h"
#include "astro/delta_t.h"

namespace sdro {
namespace {

tzeitort civil(int day, int month, int year, double local, int zone, int minutes, int dst) {
  tzeitort z;
  z.day = day;
  z.month = month;
  z.year = year;
  z.local_time = local;
  z.zone = zone;
  z.additional_minutes = minutes;
  z.daylight_saving = dst;
  return z;
}

TEST(Instant, CivilTimeToUtAndBack) {
  struct Case {
    tzeitort z;
    double ut, mjd;
    int weekday;
  };
  const Case cases[] = {
      // Local midnight in zone +3 is 21 h UT of the previous day.
      {civil(1, 1, 2000, 0.0, 3, 0, 0), -3.0, 51543.0 + 21.0 / 24, 6},
      // Zone −5 with daylight saving and 30 extra minutes: offset −3.5 h.
      {civil(15, 7, 2021, 22.5, -5, 30, 1), 26.0, calendar_to_mjd(16, 7, 2021, 2.0), 4},
      {civil(4, 10, 1582, 12.0, 0, 0, 0), 12.0, calendar_to_mjd(4, 10, 1582, 12.0), 4},
  };
  for (const Case& c : cases) {
    tzeitort z = c.z;
    instant_from_civil(z);
    EXPECT_DOUBLE_EQ(z.ut, c.ut);
    EXPECT_NEAR(z.mjd, c.mjd, 1e-9);
    EXPECT_EQ(z.weekday, c.weekday);
    tzeitort back = z;
    back.day = back.month = back.year = 0;
    back.local_time = -1.0;
    civil_from_instant(back);
    EXPECT_EQ(back.day, c.z.day);
    EXPECT_EQ(back.month, c.z.month);
    EXPECT_EQ(back.year, c.z.year);
    EXPECT_NEAR(back.local_time, c.z.local_time, 1e-8);
    EXPECT_EQ(back.weekday, c.weekday);
  }
}

TEST(Instant, AutomaticOrStoredDeltaT) {
  tzeitort z = civil(1, 1, 2020, 0.0, 0, 0, 0);
  z.automatic_delta_t = true;
  instant_from_civil(z);
  EXPECT_DOUBLE_EQ(z.delta_t, delta_t(jd_from_mjd(z.mjd)));
  z.automatic_delta_t = false;
  z.delta_t = 12.5;
  z.mjd += 3000.0;
  civil_from_instant(z);
  EXPECT_DOUBLE_EQ(z.delta_t, 12.5);
  EXPECT_DOUBLE_EQ(dynamical_centuries(51544.5, 86400.0), 1.0 / 36525.0);
}

TEST(Instant, TimeJustBeforeMidnightRoundsIntoTheNextDay) {
  tzeitort z = civil(1, 1, 2000, 0.0, 1, 0, 0);
  // 5 µs before local midnight (23 h UT in zone +1): the time rounds to
  // 1e-8 h and must read 0 h of 1 Jan 2000, never 24 h of 31 Dec 1999.
  z.mjd = calendar_to_mjd(31, 12, 1999, 23.0) - 5e-6 / 86400.0;
  civil_from_instant(z);
  EXPECT_EQ(z.day, 1);
  EXPECT_EQ(z.month, 1);
  EXPECT_EQ(z.year, 2000);
  EXPECT_EQ(z.weekday, 6);
  EXPECT_DOUBLE_EQ(z.local_time, 0.0);
  // Well before midnight the day stays.
  z.mjd = calendar_to_mjd(31, 12, 1999, 22.9);
  civil_from_instant(z);
  EXPECT_EQ(z.day, 31);
  EXPECT_NEAR(z.local_time, 23.9, 1e-8);
}

TEST(Instant, ComputerClockGivesAPlausibleDate) {
  const tclock_reading now = computer_now();
  EXPECT_GE(now.year, 2020);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, 31);
  EXPECT_GE(now.hours, 0.0);
  EXPECT_LT(now.hours, 24.0);
}

}  // namespace
}  // namespace sdro
