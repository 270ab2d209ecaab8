// Calendar conversions against Meeus' worked examples, pymeeus (Julian
// calendar) and ERFA (Gregorian calendar).
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/calendar.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <string>

#include "astro/tests/reference_support.h"

namespace sdro {
namespace {

TEST(Calendar, PublishedExamplesInBothCalendars) {
  struct Case {
    int day, month, year;
    double hour, jd;
  };
  // Astronomical Algorithms, examples 7.a, 7.b and the table of ch. 7.
  const Case cases[] = {
      {4, 10, 1957, 19.44, 2436116.31}, {27, 1, 333, 12.0, 1842713.0},
      {28, 5, -584, 15.12, 1507900.13}, {1, 1, 2000, 12.0, 2451545.0},
      {1, 1, 1600, 0.0, 2305447.5},     {31, 12, 1600, 0.0, 2305812.5},
      {10, 4, 837, 7.2, 2026871.8},     {31, 12, -123, 0.0, 1676496.5},
      {12, 7, -1000, 12.0, 1356001.0},  {29, 2, -1000, 0.0, 1355866.5},
      {1, 1, -4712, 12.0, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day));
    EXPECT_NEAR(calendar_to_jd(c.day, c.month, c.year, c.hour), c.jd, 1e-6);
    const tcalendar_date back = jd_to_calendar(c.jd);
    EXPECT_EQ(back.day, c.day);
    EXPECT_EQ(back.month, c.month);
    EXPECT_EQ(back.year, c.year);
    EXPECT_NEAR(back.hour, c.hour, 1e-6);
  }
}

TEST(Calendar, AgreesWithPymeeusOverBothCalendars) {
  const auto rows = testing::read_fixture("julian_calendar.csv");
  ASSERT_GT(rows.size(), 200u);
  for (const auto& r : rows) {
    const int year = std::stoi(r[0]), month = std::stoi(r[1]), day = std::stoi(r[2]);
    const double hour = std::stod(r[3]), jd = std::stod(r[4]);
    SCOPED_TRACE(r[0] + "-" + r[1] + "-" + r[2]);
    // 1e-7 d = 9 ms: the fixture keeps eight decimals.
    EXPECT_NEAR(calendar_to_jd(day, month, year, hour), jd, 1e-7);
    const tcalendar_date back = jd_to_calendar(jd);
    EXPECT_EQ(back.year * 10000 + back.month * 100 + back.day, year * 10000 + month * 100 + day);
  }
}

TEST(Calendar, AgreesWithErfaInTheGregorianCalendar) {
  // Every 97th day from 1582-10-15 to 2600 against eraCal2jd, and back.
  for (double mjd = calendar_to_mjd(15, 10, 1582, 0.0); mjd < 346000.0; mjd += 97.0) {
    const tcalendar_date d = mjd_to_calendar(mjd);
    double djm0 = 0.0, djm = 0.0;
    ASSERT_EQ(eraCal2jd(d.year, d.month, d.day, &djm0, &djm), 0);
    EXPECT_DOUBLE_EQ(djm, mjd) << d.year << "-" << d.month << "-" << d.day;
    EXPECT_DOUBLE_EQ(d.hour, 0.0);
  }
}

TEST(Calendar, CalendarReformAndOutOfRangeHours) {
  // The day after 1582-10-04 (Julian) is 1582-10-15 (Gregorian).
  EXPECT_DOUBLE_EQ(calendar_to_mjd(15, 10, 1582, 0.0) - calendar_to_mjd(4, 10, 1582, 0.0), 1.0);
  EXPECT_DOUBLE_EQ(calendar_to_mjd(1, 1, 2000, 0.0), 51544.0);
  // A UT of −3 h is 21 h of the previous day.
  const tcalendar_date d = mjd_to_calendar(calendar_to_mjd(1, 3, 2000, -3.0));
  EXPECT_EQ(d.day, 29);
  EXPECT_EQ(d.month, 2);
  EXPECT_NEAR(d.hour, 21.0, 1e-8);
  // JD 0 is −4712-01-01 at 12 h; days before it convert as well.
  const tcalendar_date jd0 = mjd_to_calendar(-2400000.5);
  EXPECT_EQ(jd0.year, -4712);
  EXPECT_EQ(jd0.month, 1);
  EXPECT_EQ(jd0.day, 1);
  EXPECT_NEAR(jd0.hour, 12.0, 1e-9);
  const tcalendar_date before = jd_to_calendar(-1.0);
  EXPECT_EQ(before.year * 10000 + before.month * 100 + before.day, -4713 * 10000 + 12 * 100 + 31);
  EXPECT_NEAR(calendar_to_jd(31, 12, -4713, 12.0), -1.0, 1e-9);
}

TEST(Calendar, WeekdaysAndCenturies) {
  EXPECT_EQ(weekday_of(2451544.5, 0.0), 6);             // 2000-01-01 Saturday
  EXPECT_EQ(weekday_of(2451544.5 - 0.5 / 24, 1.0), 6);  // 23:30 UT the day before, zone +1
  EXPECT_EQ(weekday_of(2436116.31, 0.0), 5);            // 1957-10-04 Friday (Meeus 7.e)
  EXPECT_EQ(weekday_of(0.0, 0.0), 1);                   // JD 0 at noon: Monday
  EXPECT_DOUBLE_EQ(centuries_from_j2000(2451545.0 + 36525.0), 1.0);
  EXPECT_DOUBLE_EQ(jd_from_centuries(-0.5), 2433282.5);
  EXPECT_DOUBLE_EQ(year_from_centuries(0.25), 2025.0);
  EXPECT_DOUBLE_EQ(ut_from_local(2.0, 1.0), -1.0);
}

}  // namespace
}  // namespace sdro
