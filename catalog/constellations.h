// The 89 constellation labels: names (Latin or German) and label positions
// of 1950.0 in whole degrees, numbered 1..89 in alphabetical order of the
// Latin names.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sdro {

inline constexpr int kConstellationCount = 89;

/// One label. The place of date is truncated toward zero to whole degrees;
/// the horizontal fields are written by the recompute, the screen position by
/// the chart drawing.
struct tsternbildlabel {
  std::string name;             ///< UTF-8, at most 31 characters
  std::uint16_t ra_1950 = 0;    ///< degrees
  std::int8_t dec_1950 = 0;     ///< degrees
  std::uint16_t ra_date = 0;    ///< degrees
  std::int8_t dec_date = 0;     ///< degrees
  float sin_azimuth = 0.0f;
  float cos_azimuth = 1.0f;
  float altitude = 0.0f;
  std::int32_t x = -10;
  std::int32_t y = -10;
};

using tsternbildtabelle = std::array<tsternbildlabel, kConstellationCount>;

/// Name of constellation `number` (1..89): Latin, or German when `latin` is
/// false. Numbers outside give an empty text.
std::string_view constellation_name(int number, bool latin);

/// Fills the names (Latin when `latin`) and the 1950 positions; the places of
/// date are left as they are.
void fill_constellation_labels(tsternbildtabelle& table, bool latin);

}  // namespace sdro
