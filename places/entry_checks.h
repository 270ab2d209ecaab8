// The limits of every date, time and place entry, and the checks of the
// typed place fields with their messages. All dialogs use these, so a value
// one dialog accepts is never refused by another.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sdro {

struct tzeitort;

inline constexpr double kMaxLatitude = 90.0;         ///< |φ|, degrees
inline constexpr double kMaxLongitude = 180.0;       ///< |λ|, degrees
inline constexpr int kMaxHeight = 31000;             ///< |height|, metres
inline constexpr double kMaxTemperature = 273.0;     ///< |t|, °C
inline constexpr double kMaxPressure = 12000.0;      ///< hPa (the minimum is 0)
inline constexpr int kMaxZone = 12;                  ///< |zone|, hours
inline constexpr int kMaxAdditionalMinutes = 59;     ///< |additional minutes|
inline constexpr double kMaxDeltaT = 1.0e6;          ///< |ΔT|, seconds (about 11.6 days)
inline constexpr int kMinYear = -4712;               ///< the date-and-place dialog's year field
inline constexpr int kMaxYear = 9999;

/// Which dialog checks: the date-and-place dialog and the place dialogs
/// (the list and the map) word their messages differently.
enum class tentry_form { date_and_place, place };

/// The typed fields with a check.
enum class tentry_field { delta_t, latitude, longitude, height, temperature, pressure };

/// Outcome of a check. An empty field is not an error: the value stays.
struct tentry_check {
  enum tstate { empty, accepted, refused } state = empty;
  double value = 0.0;    ///< the accepted value (degrees decimal, metres, …)
  std::string message;   ///< when refused, in the current language
  std::string caption;   ///< may be empty
};

/// Checks one typed field. Latitude and longitude are read as decimal degrees
/// ("8,5", "8.5") or packed with "°" and "'" ("8°30'"; minutes and seconds
/// below 60); the height is a whole number; ΔT, temperature and pressure take
/// a decimal comma or point.
tentry_check check_entry(tentry_form form, tentry_field field, std::string_view text);

/// Stores an accepted value in its field of the record.
void store_entry(tzeitort& z, tentry_field field, double value);

}  // namespace sdro
