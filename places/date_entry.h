// The calendar-date entry "d.m.yyyy": the program's calendar (Julian up to
// 1582-10-04, Gregorian from 1582-10-15; years numbered astronomically), the
// range of Julian dates it admits, how its text is read and written.
//
// An impossible date is refused, never moved: 30 February, 29 February 1900
// and 10 October 1582 do not exist; 29 February 1500 does (Julian calendar).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "astro/instant.h"

namespace sdro {

/// The Julian dates the date entries admit.
inline constexpr double kMinJulianDate = 5.0;
inline constexpr double kMaxJulianDate = 5373484.4583;

/// Leap year of the program's calendar: every fourth year up to 1582, the
/// Gregorian rule from 1583 on.
bool is_leap_year(int year);
/// Days of the month (1..12) in the program's calendar; 0 for another month.
int days_in_month(int year, int month);
/// True for a date of the calendar: month 1..12, day within the month, and
/// not one of the ten days 5..14 October 1582 that the calendar reform skipped.
bool date_exists(int day, int month, int year);
/// True for 5 ≤ JD ≤ 5373484.4583.
bool julian_date_in_range(double jd);

/// A typed key of the date entry: "," and "." become ".", digits and "-"
/// pass, every other character gives 0 (dropped).
char filter_date_key(char c);

/// Result of reading the date text.
struct tdate_entry {
  enum tstate { empty, accepted, refused } state = empty;
  int day = 1, month = 1, year = 2000;
  double jd = 0.0;        ///< JD of 0 h of the date when accepted
  std::string message;    ///< when refused (current language)
  std::string caption;
};

/// Reads "5.3.1999": the day before the first ".", the month before the
/// second, the year after it. A year of exactly two characters not beginning
/// with "-" gets the century of `today`; a missing part ("5.3", "5..1999") is
/// taken from `today`. A part that is not a number, a date that does not
/// exist, or one whose JD lies outside the admitted range is refused with its
/// message.
tdate_entry read_date_entry(std::string_view text, const tclock_reading& today);

/// "15.3.-0043": day "." month "." year, the year's absolute value padded to
/// four digits and preceded by "-" when negative.
std::string format_date_entry(int day, int month, int year);

/// The box for a JD outside the admitted range (current language).
struct tdate_message {
  std::string message;
  std::string caption;
};
tdate_message date_range_message();
/// The box for a date that does not exist.
tdate_message missing_date_message(int day, int month, int year);

}  // namespace sdro
