// What the date, time and place dialogs do to their copy of the instant and
// place record: the quick settings of the date-and-place dialog, the results
// of the universal-time, day-fraction and Julian-date dialogs, and taking a
// place over with or without keeping the universal time.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "astro/zeitort.h"

namespace sdro {

/// "&0 h UT": the local clock time of 0 h UT, zone + daylight saving +
/// additional minutes/60 reduced into [0, 24).
double local_time_at_0h_ut(const tzeitort& z);

/// "UT": zone := −daylight saving and additional minutes := 0, so that the
/// local time equals UT.
void set_zone_to_ut(tzeitort& z);

/// "N&äherung für ET-UT": ΔT (seconds) for the record's civil date and local
/// time at its zone offset.
double approximate_delta_t(const tzeitort& z);

/// A date and a universal time (hours; may lie outside 0..24) → the instant;
/// the civil date and local time follow at the record's zone offset.
void set_instant_from_ut(tzeitort& z, int day, int month, int year, double ut_hours);

/// The UT date of the instant with the day's fraction: 15.75 is 18 h UT on the 15th.
struct tday_fraction {
  int year = 2000;
  int month = 1;
  double day = 1.0;  ///< day + UT/24
};
tday_fraction day_fraction_of(const tzeitort& z);
/// "15,75000": the day with fraction as the day-fraction dialog shows it.
std::string format_day_fraction(double day);

/// The checks of the day-fraction dialog in its order (year, month, day),
/// then that the day exists in that month and that the instant lies within
/// the admitted Julian dates. Empty message when accepted.
struct tday_fraction_check {
  bool ok = false;
  std::string message;
  std::string caption;
};
tday_fraction_check check_day_fraction(std::string_view year, std::string_view month,
                                       std::string_view day, tday_fraction& out);

/// The instant of a day with fraction (UT): UT = frac(day)·24 on day Int(day).
void set_instant_from_day_fraction(tzeitort& z, const tday_fraction& d);

/// The Julian date of the instant, "2451545,00000" (five decimals, decimal comma).
std::string format_julian_date(double mjd);
/// A typed Julian date (comma or point); refused outside 5 … 5373484.4583.
struct tjulian_date_entry {
  enum tstate { empty, accepted, refused } state = empty;
  double jd = 0.0;
  std::string message;  ///< when refused (current language)
};
tjulian_date_entry read_julian_date_entry(std::string_view text);
/// Sets the instant to a Julian date (UT); the civil fields follow.
void set_instant_from_jd(tzeitort& z, double jd);

/// Takes the place fields of `from` (name, coordinates, zone, additional
/// minutes, height, pressure, temperature, refraction) into `z`. With
/// `keep_ut` the instant stays and the civil date and time follow the new
/// zone; otherwise the civil date and time stay and the instant follows.
void take_place(tzeitort& z, const tzeitort& from, bool keep_ut);

/// The place proposed for a point of the Earth map: the city's name when a
/// city was hit, else "Br: 50° Lg: -8°" ("Lat.: 50° Long.: -8°"), and the
/// whole-hour zone nearest to the longitude.
struct tmap_place {
  std::string name;
  double latitude = 0.0;   ///< degrees, north positive
  double longitude = 0.0;  ///< degrees, WEST positive, in [−180, 180]
  int zone = 0;            ///< hours, east positive
};
tmap_place place_from_map_point(double east_longitude, double latitude, std::string_view city);

}  // namespace sdro
