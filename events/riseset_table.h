// The day-by-day table of rise, transit and set as comma-separated text:
// one row per local day and body (three per day for the twilights), with
// the times in ISO 8601, in UT and at the zone, empty where there is no event.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "events/rise_set.h"

namespace sdro {

/// What the table lists: the Sun, the Moon, a planet, or the twilights.
struct triseset_subject {
  enum tkind { sun, moon, planet, twilight } kind = sun;
  int planet_number = 0;  ///< 1 Mercury, 2 Venus, 4 Mars … 9 Pluto
};
/// "sun", "moon", "mercury" … "pluto", "twilight" (any case); nothing otherwise.
std::optional<triseset_subject> riseset_subject(std::string_view name);
/// The names riseset_subject takes, for messages: "sun|moon|mercury|…|twilight".
std::string riseset_subject_names();

/// The table's request: local calendar days from…to at a zone, a place.
struct triseset_request {
  triseset_subject subject;
  int from_year = 2000, from_month = 1, from_day = 1;
  int to_year = 2000, to_month = 1, to_day = 1;
  double latitude = 0.0;   ///< degrees, north positive
  double longitude = 0.0;  ///< degrees, WEST positive (the program's count)
  double zone = 0.0;       ///< hours east of Greenwich that define the local days and times
};

/// The header line (without line end).
inline constexpr std::string_view kRisesetHeader =
    "date,body,rise_ut,transit_ut,set_ut,rise_local,transit_local,set_local,culmination_alt_deg,state";

/// Writes the header and one row per day and body. The days run in the
/// program's calendar (Julian before 1582-10-15). State texts are in the
/// current language, without their padding.
void write_riseset_table(std::ostream& out, const triseset_request& request, const ttheoriewahl& selection,
                         const treference_altitudes& reference);

/// "2024-06-18T03:06:45Z" (offset 0) or "2024-06-18T05:06:45+02:00": the
/// instant JD (UT) at a zone offset, rounded to the second.
std::string iso_instant(double jd, double zone_hours);

}  // namespace sdro
