// The daily overview of Sun, Moon and planets (`TTagesuebers`): for each body
// its apparent place, the day's rise, transit and set, its horizontal place
// at the current moment, brightness and elongation, as the texts of a table,
// and the points of the altitude–azimuth diagram.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "astro/enums.h"
#include "events/rise_set.h"

namespace sdro {

struct tzeitort;

inline constexpr int kOverviewColumns = 12;
inline constexpr int kOverviewBodies = 10;

/// One body's row: the name and the eleven other cells.
struct toverview_row {
  int body = 0;                 ///< tkoerper: 0 Sun … 8 Pluto, 9 Moon
  bool valid = true;            ///< false: Pluto outside its theory's dates (only the name is shown)
  std::array<std::string, kOverviewColumns> cells;
  RiseSetResult events;         ///< the day's rise, transit and set
  double azimuth = 0.0;         ///< degrees in the configured counting, [0, 360)
  double altitude = 0.0;        ///< degrees, of the current moment
};

struct toverview {
  std::array<std::string, kOverviewColumns> header;
  std::array<toverview_row, kOverviewBodies> rows;  ///< Sun, Mercury … Pluto, Moon
};

/// The header row in the current language.
std::array<std::string, kOverviewColumns> overview_header();

/// The overview for the instant and place of `z` (its derived fields up to
/// date: sidereal time, latitude). `aberration`: planets with the observer's
/// motion and nutation (the setting `useaberrat`).
toverview daily_overview(const tzeitort& z, const ttheoriewahl& selection, const treference_altitudes& reference,
                         tazimutzaehlung origin, bool aberration);

}  // namespace sdro
