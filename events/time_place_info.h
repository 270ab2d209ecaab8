// The information on settings, place and time (`TInfozeitortdlg`): the lines
// on instant and place, the objects and limits, the day's rise, transit and
// set of Sun and Moon with the twilights and the Moon's phase, and the list
// of the day's events the clock can be set to.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "events/rise_set.h"

namespace sdro {

struct tzeitort;

/// What the information shows beyond the instant and place.
struct tinfo_settings {
  bool apparent_sidereal_time = false;  ///< "LAST" instead of "LMST"
  long asteroids = 0;                   ///< loaded asteroid elements
  long comets = 0;                      ///< loaded comet elements
  int star_limit = 500;                 ///< magnitude limits, hundredths
  int deep_sky_limit = 500;
  int small_body_limit = 1500;
  bool zone_catalogue = false;          ///< the SAO/PPM catalogue is installed
  int zone_catalogue_limit = 1000;
};

/// One row of the Sun-and-Moon block: label and the times as texts, empty
/// where the event does not occur (the state text stands in the rise column
/// when neither crossing does).
struct tinfo_row {
  std::string label;
  std::string rise, set, transit, culmination;
};

/// An entry of the event chooser: its text and the local clock time it sets.
struct tinfo_event {
  std::string text;
  double hours = 0.0;
  bool changes = true;  ///< false for the first entry, "Keine Änderung"
};

struct ttime_place_info {
  std::array<std::string, 4> lines;  ///< date and zone; UT, JD, sidereal time, ΔT; place; daylight saving
  std::string counts;                ///< loaded asteroids and comets
  std::array<std::string, 2> limits; ///< stars and deep sky; asteroids and comets (and SAO/PPM)
  std::array<tinfo_row, 5> rows;     ///< Moon, Sun, civil, nautical, astronomical
  std::string moon_line;             ///< tendency, phase angle, age
  std::vector<tinfo_event> events;   ///< the chooser, in its order
};

/// The information for the instant and place of `z` (derived fields up to date).
ttime_place_info time_place_info(const tzeitort& z, const ttheoriewahl& selection,
                                 const treference_altitudes& reference, const tinfo_settings& settings);

/// The chooser's entries from the day's events: the Moon (kind 1) and the Sun
/// with its twilights (kinds 2..5); only events that occur are listed.
std::vector<tinfo_event> event_choices(const std::array<RiseSetResult, 5>& events);

/// Sets the local clock time of the record to `hours` on its local date and
/// completes the instant (a time of 24 h is 0 h of the next day).
void set_clock_to_event(tzeitort& z, double hours);

}  // namespace sdro
