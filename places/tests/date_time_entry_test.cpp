// The time and date entries: keys, reading, writing, the calendar's limits.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "astro/calendar.h"
#include "astro/language.h"
#include "places/clock_entry.h"
#include "places/date_entry.h"

namespace sdro {
namespace {

TEST(ClockEntry, TypedPointBecomesColonAndSecondsVariantShowsSeconds) {
  std::string typed;
  for (char c : std::string("9.30")) {
    if (char k = filter_clock_key(c)) typed += k;
  }
  EXPECT_EQ(typed, "9:30");
  EXPECT_EQ(filter_clock_key('a'), 0);
  EXPECT_EQ(filter_clock_key('-'), 0);
  const tclock_entry e = read_clock_entry(typed, false);
  ASSERT_EQ(e.state, tclock_entry::accepted);
  EXPECT_EQ(format_clock_entry(e.hours, false), "09:30");
  EXPECT_EQ(format_clock_entry(e.hours, true), "09:30:00");
}

TEST(ClockEntry, ReadsOrRefusesWithoutCarryingIntoTheNextUnit) {
  struct tcase {
    const char* text;
    bool with_seconds;
    tclock_entry::tstate state;
    double hours;
  } cases[] = {
      {"12:34:56", true, tclock_entry::accepted, 12 + 34 / 60.0 + 56 / 3600.0},
      {"12:34:56", false, tclock_entry::accepted, 12 + 34 / 60.0},  // seconds not read
      {" 7 : 05 ", true, tclock_entry::accepted, 7 + 5 / 60.0},
      {"12:3", true, tclock_entry::accepted, 12.05},  // one-digit minutes are padded
      {"12:3:56", true, tclock_entry::accepted, 12.05 + 56 / 3600.0},
      {"23:59:59", true, tclock_entry::accepted, 24 - 1 / 3600.0},
      {"0", true, tclock_entry::accepted, 0},
      {"12:75", true, tclock_entry::refused, 0},
      {"12:30:60", true, tclock_entry::refused, 0},
      {"24:00", true, tclock_entry::refused, 0},
      {"123:00", true, tclock_entry::refused, 0},
      {"12:345", true, tclock_entry::refused, 0},
      {"1:2:3:4", true, tclock_entry::refused, 0},
      {"ab", true, tclock_entry::refused, 0},
      {"", true, tclock_entry::empty, 0},
  };
  for (const tcase& c : cases) {
    const tclock_entry e = read_clock_entry(c.text, c.with_seconds);
    EXPECT_EQ(e.state, c.state) << c.text;
    if (c.state == tclock_entry::accepted) {
      EXPECT_NEAR(e.hours, c.hours, 1e-9) << c.text;
    }
  }
}

TEST(ClockEntry, WritesWholeSecondsWithinTheDay) {
  EXPECT_EQ(format_clock_entry(12.5 - 1e-5, true), "12:29:59");  // 0.036 s below
  EXPECT_EQ(format_clock_entry(12.5 - 1e-6, true), "12:30:00");  // within the 0.005 s tolerance
  EXPECT_EQ(format_clock_entry(25.25, false), "01:15");
  EXPECT_EQ(format_clock_entry(-0.5, true), "23:30:00");
  EXPECT_EQ(format_clock_entry(23.99999999, true), "00:00:00");
}

TEST(Calendar, LeapYearsFollowTheCalendarOfTheirTime) {
  struct tcase {
    int year;
    bool leap;
  } cases[] = {{1500, true}, {1100, true}, {-4, true}, {0, true}, {-1, false}, {1582, false},
               {1600, true}, {1700, false}, {1900, false}, {2000, true}, {2023, false}};
  for (const tcase& c : cases) EXPECT_EQ(is_leap_year(c.year), c.leap) << c.year;
  EXPECT_TRUE(date_exists(29, 2, 1500));
  EXPECT_FALSE(date_exists(29, 2, 1900));
  EXPECT_FALSE(date_exists(30, 2, 2000));
  EXPECT_FALSE(date_exists(31, 4, 2000));
  EXPECT_FALSE(date_exists(10, 10, 1582));  // skipped by the reform
  EXPECT_TRUE(date_exists(4, 10, 1582));
  EXPECT_TRUE(date_exists(15, 10, 1582));
  EXPECT_FALSE(date_exists(1, 13, 2000));
  EXPECT_EQ(days_in_month(2024, 2), 29);
  EXPECT_EQ(days_in_month(2024, 0), 0);
}

TEST(DateEntry, ReadsTypedDatesAndFillsMissingPartsFromToday) {
  const tclock_reading today{17, 6, 2031, 10.0};
  struct tcase {
    const char* text;
    int day, month, year;
  } cases[] = {
      {"5.3.99", 5, 3, 2099},     // two-digit year in the current century
      {"5.3.-9", 5, 3, -9},
      {"5.3.0099", 5, 3, 99},
      {"15.3.-43", 15, 3, -43},
      {"29,2,1500", 29, 2, 1500},  // Julian leap day
      {"5.3", 5, 3, 2031},
      {"5", 5, 6, 2031},
      {"..1999", 17, 6, 1999},
      {"31.12.9999", 31, 12, 9999},
  };
  for (const tcase& c : cases) {
    const tdate_entry e = read_date_entry(c.text, today);
    ASSERT_EQ(e.state, tdate_entry::accepted) << c.text << ": " << e.message;
    EXPECT_EQ(e.day, c.day) << c.text;
    EXPECT_EQ(e.month, c.month) << c.text;
    EXPECT_EQ(e.year, c.year) << c.text;
    EXPECT_DOUBLE_EQ(e.jd, calendar_to_jd(c.day, c.month, c.year, 0.0)) << c.text;
  }
  EXPECT_EQ(read_date_entry("", today).state, tdate_entry::empty);
}

TEST(DateEntry, RefusesImpossibleDatesAndDatesOutsideTheRange) {
  const tclock_reading today{17, 6, 2031, 10.0};
  LanguageScope en(english);
  const char* impossible[] = {"30.2.2001", "29.2.1900", "31.4.2000", "0.1.2000", "1.13.2000", "10.10.1582"};
  for (const char* text : impossible) {
    const tdate_entry e = read_date_entry(text, today);
    EXPECT_EQ(e.state, tdate_entry::refused) << text;
    EXPECT_NE(e.message.find("does not exist"), std::string::npos) << text;
  }
  const char* outside[] = {"1.1.-4712", "6.1.-4712", "1.1.10000"};
  for (const char* text : outside) {
    const tdate_entry e = read_date_entry(text, today);
    EXPECT_EQ(e.state, tdate_entry::refused) << text;
    EXPECT_EQ(e.message, date_range_message().message) << text;
    EXPECT_EQ(e.caption, "Invalid Date. Datum außerhalb des Gültigkeitsbereichs");
  }
  EXPECT_EQ(read_date_entry("7.1.-4712", today).state, tdate_entry::accepted);  // JD 5.5
  for (const char* text : {"5.x.2000", "5.-.2000", "5.3.99999999999"}) {
    EXPECT_EQ(read_date_entry(text, today).state, tdate_entry::refused) << text;
  }
}

TEST(DateEntry, WritesPaddedSignedYears) {
  EXPECT_EQ(format_date_entry(15, 3, -43), "15.3.-0043");
  EXPECT_EQ(format_date_entry(1, 1, 2000), "1.1.2000");
  EXPECT_EQ(format_date_entry(4, 7, 776), "4.7.0776");
  EXPECT_EQ(filter_date_key(','), '.');
  EXPECT_EQ(filter_date_key('-'), '-');
  EXPECT_EQ(filter_date_key('/'), 0);
}

}  // namespace
}  // namespace sdro
