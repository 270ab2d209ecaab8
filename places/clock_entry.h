// The time-of-day entry ("hh:mm" and "hh:mm:ss"): which keys it takes, how
// its text is read and how a time is written back.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sdro {

/// Dialogs read an entered time plus this, so that a time shown in whole
/// seconds is never read a fraction below it (hours).
inline constexpr double kClockReadingBias = 5e-8;

/// A typed key of the time entry: "," and "." become ":", digits and ":" pass,
/// every other character gives 0 (dropped). Editing keys are the widget's.
char filter_clock_key(char c);

/// Result of reading the text of the time entry.
struct tclock_entry {
  enum tstate { empty, accepted, refused } state = empty;
  double hours = 0.0;  ///< decimal hours in [0, 24) when accepted
};

/// Reads "9:30", "09:30", "9.30", "12:34:56": blanks are ignored, "," and "."
/// stand for ":", one-digit minutes and seconds are padded ("12:3" is 12:03).
/// Hours above 23 and minutes or seconds above 59 are refused, never carried
/// into the next unit. Without `with_seconds` a seconds field is ignored.
tclock_entry read_clock_entry(std::string_view text, bool with_seconds);

/// The message for a time text that was refused (current language).
std::string clock_entry_message(bool with_seconds);

/// Hours → "09:30" or "09:30:00": whole seconds, truncated with a tolerance of
/// 0.005 s; the hours are first reduced into [0, 24).
std::string format_clock_entry(double hours, bool with_seconds);

}  // namespace sdro
