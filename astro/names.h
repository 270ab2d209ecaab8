// Calendar, compass, time-zone and drawing-element names in both languages.
// Every function reads the current language when it is called.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace sdro {

/// Weekday name, 0 = Sunday … 6 = Saturday.
std::string_view weekday_name(int index);
/// Season name, 0 spring … 3 winter.
std::string_view season_name(int index);
/// Moon phase name, 0 new moon, 1 first quarter, 2 full moon, 3 last quarter.
std::string_view moon_phase_name(int index);
/// Compass point (two characters), 0 north, clockwise in steps of 45°.
std::string_view compass_point(int index);
/// Name of the zone UT + zone hours, zone in −12..12 (index zone + 12).
std::string_view time_zone_name(int zone);
/// Caption of the colour setting of drawing element 0..38.
std::string_view drawing_element_name(int index);
inline constexpr int kDrawingElementCount = 39;

}  // namespace sdro
