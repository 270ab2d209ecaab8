// Text forms of angles, times, dates and numbers, and their readers.
//
// The formatters of packed values take the number text (decimal point) that a
// caller built with format_fixed from a packed value, and insert the unit
// signs: format_ra("5.3012") == "5h30m12s". The number of decimals the caller
// chose decides whether seconds or tenths appear.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sdro {

/// "5.30123" → "5h30m12,3s".
std::string format_ra_tenths(std::string_view packed_text);
/// "5.3012" → "5h30m12s".
std::string format_ra(std::string_view packed_text);
/// "5.30" → "5h30m".
std::string format_ra_minutes(std::string_view packed_text);
/// Hours (decimal) → "5h30.2m", rounded to the tenth of a minute and reduced
/// into [0h, 24h), so 23h59.97m reads "0h00.0m", never "24h00.0m".
std::string format_ra_decimal_minutes(double hours);
/// "12.34" → "12°34'".
std::string format_deg_minutes(std::string_view packed_text);
/// "12.3456" → "12°34'56''".
std::string format_deg_seconds(std::string_view packed_text);
/// "34.56" → "34'56''".
std::string format_arcmin_seconds(std::string_view packed_text);
/// "5.3012" → "5:30:12"; " 5.3012" (a blank for the ten-hours digit) → "05:30:12".
std::string format_clock(std::string_view packed_text);
/// Packed hours text → "HH:MM": blanks removed, "." → ":", a leading "0" for a
/// one-digit hour, cut two digits after the colon. "5.3012" → "05:30".
std::string format_clock_minutes(std::string_view packed_text);

/// Result of reading an angle typed by the user.
struct tangle_text {
  double value = 0.0;   // the number as written (packed D.MMSS when !decimal)
  bool decimal = true;  // neither "°" nor "'" was present
  bool ok = false;      // the text was a number
};
/// Reads "12°34'", "12°34'56''", "12.5", "12,5" or "12.": the degree sign, or
/// else the first "." or ",", becomes the decimal point, apostrophes are
/// dropped and a trailing point gets a "0".
tangle_text parse_angle_text(std::string_view text);

/// "12:34:56" → 12.3456 (packed hours); one-digit minutes are padded, so
/// "12:5:30" → 12.0530. Minutes or seconds of 60 or more are refused.
struct tclock_text {
  double value = 0.0;
  bool ok = false;
};
tclock_text parse_clock_text(std::string_view text);

/// Day and month right-aligned in two characters, year unpadded, joined by ".":
/// 9 March 2000 → " 9. 3.2000".
std::string format_date(int day, int month, int year);

/// Fixed-point text with d decimals, right-aligned in w + d + 1 characters.
std::string format_fixed(int w, int d, double x);
/// Fixed-point text with d decimals, leading blanks removed.
std::string format_fixed_trimmed(int d, double x);

/// First "." replaced by ",".
std::string point_to_comma(std::string_view text);
/// First "," replaced by ".".
std::string comma_to_point(std::string_view text);

/// Reads a decimal number (surrounding blanks allowed). `ok` is false when any
/// other character is not part of a number.
struct treal_text {
  double value = 0.0;
  bool ok = false;
};
treal_text parse_real(std::string_view text);

/// Sets the user's short date format used by format_calendar_date for dates of
/// the Gregorian calendar, in the tokens d, dd, M, MM, yy, yyyy
/// (default "dd.MM.yyyy"). The shell sets it from the system locale.
void set_short_date_format(std::string_view pattern);
/// A date in the user's short date format from 1582-10-15 on; earlier dates
/// are written as day, month and year joined by `separator`.
std::string format_calendar_date(int day, int month, int year, char separator);

/// Packed day of orbit-element files: '1'..'9' → 1..9, 'A'..'V' → 10..31; 0 otherwise.
int decode_packed_day(char c);

/// "1 Ceres" → "00001 Ceres", "(1) Ceres" → "(00001) Ceres"; a text whose
/// number part is not an integer is returned unchanged.
std::string pad_minor_planet_number(std::string_view designation);

}  // namespace sdro
