// Step arithmetic of animations and of the date steps of the menu.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/animation/animation_steps.h"
#include "app/engine/instant.h"
#include "astro/calendar.h"

namespace sdro {
namespace {

tzeitort at(int year, int month, int day, double hours) {
  tzeitort z;
  z.zone = 1;
  z.year = year;
  z.month = month;
  z.day = day;
  z.local_time = hours;
  complete_from_civil(z);
  return z;
}

TEST(AnimationSteps, PackedTimesConvertBothWays) {
  struct tcase {
    double packed;
    double hours;
  };
  const tcase cases[] = {{0.0001, 1.0 / 3600}, {1.3, 1.5}, {0.29, 29.0 / 60}, {23.5959, 23 + 59 / 60.0 + 59 / 3600.0},
                         {12.0, 12.0}, {0.0, 0.0}};
  for (const tcase& c : cases) {
    EXPECT_NEAR(packed_to_hours(c.packed), c.hours, 1e-8) << c.packed;
    EXPECT_NEAR(hours_to_packed(c.hours), c.packed, 1e-9) << c.hours;
  }
}

TEST(AnimationSteps, StepInDaysByMode) {
  tanimation a;
  EXPECT_DOUBLE_EQ(animation_step_days(a), kSiderealDay);  // start-up: one sidereal day
  a.sterntage = 7;
  EXPECT_DOUBLE_EQ(animation_step_days(a), 7 * 0.9972695663796);
  a.sternzeit = false;
  a.tage = 2;
  a.zeitschritt = 1.3;
  EXPECT_NEAR(animation_step_days(a), 2 + 1.5 / 24, 1e-12);
  a.tage = 0;
  a.zeitschritt = 0.0001;
  EXPECT_NEAR(animation_step_days(a) * 86400.0, 1.0, 1e-4);  // hours to 1e-8
}

TEST(AnimationSteps, TimerIntervalCountsZeroAsForty) {
  tanimation a;
  EXPECT_EQ(animation_interval_ms(a), 100);
  a.intervall = 0;
  EXPECT_EQ(animation_interval_ms(a), 400);
  a.intervall = 300;
  EXPECT_EQ(animation_interval_ms(a), 3000);
}

TEST(AnimationSteps, AStepIsCheckedBeforeItIsTaken) {
  const double mjd5 = mjd_from_jd(5.0);
  EXPECT_FALSE(animation_step(mjd5 + 0.5, 1.0, true).has_value());
  ASSERT_TRUE(animation_step(mjd5 + 1.0, 1.0, true).has_value());
  EXPECT_DOUBLE_EQ(*animation_step(mjd5 + 1.0, 1.0, true), mjd5);
  EXPECT_FALSE(animation_step(mjd_from_jd(5373484.0), 1.0, false).has_value());
  EXPECT_TRUE(animation_step(mjd_from_jd(5373483.0), 1.0, false).has_value());
}

TEST(DateSteps, DayAndHourStepsKeepTheLocalTime) {
  const auto back = mjd_step(at(2000, 1, 1, 22.5), -1.0);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->year, 1999);
  EXPECT_EQ(back->month, 12);
  EXPECT_EQ(back->day, 31);
  EXPECT_NEAR(back->local_time, 22.5, 1e-7);
  const auto hour = mjd_step(at(2000, 1, 1, 23.5), 1.0 / 24);
  ASSERT_TRUE(hour.has_value());
  EXPECT_EQ(hour->day, 2);
  EXPECT_NEAR(hour->local_time, 0.5, 1e-7);
  EXPECT_TRUE(mjd_step(at(1800, 3, 1, 12.0), -1.0).has_value());  // before MJD 0
}

TEST(DateSteps, DayStepsTestTheDateTheyWouldReach) {
  tzeitort z;
  z.zone = 0;
  z.mjd = mjd_from_jd(5.5);
  EXPECT_FALSE(mjd_step(z, -1.0).has_value());  // would reach JD 4.5
  z.mjd = mjd_from_jd(6.0);
  EXPECT_TRUE(mjd_step(z, -1.0).has_value());   // JD 5 itself is valid
  z.mjd = mjd_from_jd(5373483.5);
  EXPECT_FALSE(mjd_step(z, 1.0).has_value());   // would reach JD 5373484.5
  EXPECT_TRUE(mjd_step(z, 1.0 / 24).has_value());
}

TEST(DateSteps, YearStepsStopAtTheEndsOfTheCalendar) {
  const auto back = year_step(at(-4711, 6, 1, 12.0), -1);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->year, -4712);
  EXPECT_FALSE(year_step(*back, -1).has_value());
  EXPECT_TRUE(year_step(at(9998, 6, 1, 12.0), 1).has_value());
  EXPECT_FALSE(year_step(at(9999, 6, 1, 12.0), 1).has_value());
  const auto leap = year_step(at(2024, 2, 29, 12.0), 1);
  ASSERT_TRUE(leap.has_value());
  EXPECT_EQ(leap->month, 3);
  EXPECT_EQ(leap->day, 1);
}

}  // namespace
}  // namespace sdro
