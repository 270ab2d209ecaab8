// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/text_format.h"

#include <gtest/gtest.h>

#include <string>

#include "astro/sexagesimal.h"

namespace sdro {
namespace {

TEST(TextFormat, UnitSignsOfPackedTexts) {
  const struct {
    std::string (*f)(std::string_view);
    const char* in;
    const char* out;
  } cases[] = {
      {format_ra_tenths, "5.30123", "5h30m12,3s"},
      {format_ra_tenths, "15.05009", "15h05m00,9s"},
      {format_ra, "5.3012", "5h30m12s"},
      {format_ra_minutes, "5.30", "5h30m"},
      {format_deg_minutes, "12.34", "12°34'"},
      {format_deg_minutes, "-5.07", "-5°07'"},
      {format_deg_seconds, "12.3456", "12°34'56''"},
      {format_arcmin_seconds, "34.56", "34'56''"},
      {format_clock, "5.3012", "5:30:12"},
      {format_clock, " 5.3012", "05:30:12"},
      {format_clock, "23.5959", "23:59:59"},
      {format_clock_minutes, "5.3012", "05:30"},
      {format_clock_minutes, " 5.30", "05:30"},
      {format_clock_minutes, "17.4559", "17:45"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.f(c.in), c.out) << c.in;
}

TEST(TextFormat, PackedValuesThroughFixedTextAndUnitSigns) {
  // How the displays use them: pack, format with fixed decimals, insert units.
  const double ra = 5 + 30 / 60.0 + 12.34 / 3600.0;
  EXPECT_EQ(format_ra_tenths(format_fixed_trimmed(5, decimal_to_packed_tenths(ra))), "5h30m12,3s");
  EXPECT_EQ(format_clock(format_fixed(2, 4, decimal_to_packed(9.5))), "09:30:00");
}

TEST(TextFormat, RaInDecimalMinutesRoundsAndWraps) {
  const struct {
    double hours;
    const char* out;
  } cases[] = {
      {5 + 30.2 / 60, "5h30.2m"},  {5 + 30.26 / 60, "5h30.3m"}, {0, "0h00.0m"},
      {23 + 59.97 / 60, "0h00.0m"},  // never 24h00.0m
      {23 + 59.94 / 60, "23h59.9m"}, {12 + 5.0 / 60, "12h05.0m"},
  };
  for (const auto& c : cases) EXPECT_EQ(format_ra_decimal_minutes(c.hours), c.out) << c.hours;
}

TEST(TextFormat, ParseAngleText) {
  const struct {
    const char* in;
    double value;
    bool decimal;
    bool ok;
  } cases[] = {
      {"12°34'", 12.34, false, true},   {"12°34'56''", 12.3456, false, true},
      {"12,5", 12.5, true, true},       {"12.5", 12.5, true, true},
      {"12.", 12.0, true, true},        {"-7°05'", -7.05, false, true},
      {" 3 ", 3.0, true, true},         {"abc", 0, true, false},
      {"12°3x'", 0, false, false},
  };
  for (const auto& c : cases) {
    const tangle_text r = parse_angle_text(c.in);
    EXPECT_EQ(r.ok, c.ok) << c.in;
    if (c.ok) {
      EXPECT_NEAR(r.value, c.value, 1e-12) << c.in;
      EXPECT_EQ(r.decimal, c.decimal) << c.in;
    }
  }
}

TEST(TextFormat, ParseClockText) {
  const struct {
    const char* in;
    double value;
    bool ok;
  } cases[] = {
      {"12:34:56", 12.3456, true}, {"12:5:30", 12.0530, true}, {"7:45", 7.45, true},
      {"0:00:00", 0.0, true},      {"12:75", 0, false},         {"12:30:60", 0, false},
      {"12:a", 0, false},          {"", 0, false},              {"1:2:3:4", 0, false},
  };
  for (const auto& c : cases) {
    const tclock_text r = parse_clock_text(c.in);
    EXPECT_EQ(r.ok, c.ok) << c.in;
    if (c.ok) {
      EXPECT_NEAR(r.value, c.value, 1e-12) << c.in;
    }
  }
}

TEST(TextFormat, DatesAndFixedNumbers) {
  EXPECT_EQ(format_date(9, 3, 2000), " 9. 3.2000");
  EXPECT_EQ(format_date(24, 12, -44), "24.12.-44");
  EXPECT_EQ(format_fixed(2, 3, 3.14159), " 3.142");
  EXPECT_EQ(format_fixed(1, 4, 12.3456), "12.3456");  // wider than the field: not cut
  EXPECT_EQ(format_fixed_trimmed(2, -0.456), "-0.46");
  EXPECT_EQ(point_to_comma("1.5.2"), "1,5.2");
  EXPECT_EQ(comma_to_point("1,5,2"), "1.5,2");
}

TEST(TextFormat, ParseRealRejectsForeignCharacters) {
  const struct {
    const char* in;
    double value;
    bool ok;
  } cases[] = {{"1.5", 1.5, true}, {" -2e3 ", -2000, true}, {"+.5", 0.5, true},
               {"1,5", 0, false}, {"inf", 0, false},       {"nan", 0, false},
               {"0x10", 0, false}, {"", 0, false},         {"1.5x", 0, false},
               {"1e999", 0, false}};
  for (const auto& c : cases) {
    const treal_text r = parse_real(c.in);
    EXPECT_EQ(r.ok, c.ok) << c.in;
    if (c.ok) {
      EXPECT_DOUBLE_EQ(r.value, c.value) << c.in;
    }
  }
}

TEST(TextFormat, CalendarDateBeforeGregorianReformIsWrittenByHand) {
  set_short_date_format("dd.MM.yyyy");
  EXPECT_EQ(format_calendar_date(15, 10, 1582, '/'), "15.10.1582");
  EXPECT_EQ(format_calendar_date(4, 10, 1582, '/'), "4/10/1582");
  EXPECT_EQ(format_calendar_date(1, 1, -500, '.'), "1.1.-500");
  set_short_date_format("M/d/yy");
  EXPECT_EQ(format_calendar_date(9, 3, 2005, '.'), "3/9/05");
  set_short_date_format("");
  EXPECT_EQ(format_calendar_date(9, 3, 2005, '.'), "09.03.2005");
}

TEST(TextFormat, PackedDayAndMinorPlanetNumbers) {
  EXPECT_EQ(decode_packed_day('1'), 1);
  EXPECT_EQ(decode_packed_day('9'), 9);
  EXPECT_EQ(decode_packed_day('A'), 10);
  EXPECT_EQ(decode_packed_day('V'), 31);
  EXPECT_EQ(decode_packed_day('W'), 0);
  EXPECT_EQ(decode_packed_day('0'), 0);

  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"1 Ceres", "00001 Ceres"},       {"(1) Ceres", "(00001) Ceres"},
               {"433 Eros", "00433 Eros"},       {"123456 Foo", "123456 Foo"},
               {"2004 MN4", "02004 MN4"},        {"Ceres", "Ceres"},
               {"(1a) Ceres", "(1a) Ceres"},     {"(7", "(7"},
               {"", ""},                         {"42", "00042"}};
  for (const auto& c : cases) EXPECT_EQ(pad_minor_planet_number(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace sdro
