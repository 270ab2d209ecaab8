// Result slots of the solar-system bodies, small bodies and Earth
// satellites that the recompute of the catalogue container positions. The
// body computations fill them; the chart reads them and stores the pixel
// position it drew each body at.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace sdro {

/// Slots of the bodies on the chart: the Sun 0 … Pluto 8, the Moon 9, the
/// single asteroid 10 and the single comet 11.
inline constexpr std::size_t kBodySlotCount = 12;
/// Result records of Earth satellites.
inline constexpr std::size_t kSatelliteSlotCount = 1300;

/// Where a body stands at the instant.
struct tkoerperposition {
  bool valid = false;          ///< computed for the current instant
  double ra = 0.0;             ///< apparent (topocentric where it matters) α of date, degrees
  double dec = 0.0;            ///< δ, degrees
  double distance = 0.0;       ///< geocentric distance, AU (the Moon: Earth radii)
  double magnitude = 0.0;      ///< visual magnitude
  float altitude = 0.0f;       ///< degrees
  float sin_azimuth = 0.0f;
  float cos_azimuth = 1.0f;
  std::int32_t x = -10;        ///< screen position, written by the chart
  std::int32_t y = -10;
};

/// One satellite's observation at the instant.
struct tsatellitenposition {
  bool valid = false;
  bool illuminated = false;
  double ra = 0.0;             ///< topocentric α, degrees
  double dec = 0.0;            ///< topocentric δ, degrees
  double elevation = 0.0;      ///< degrees
  double azimuth = 0.0;        ///< degrees from south
  double range = 0.0;          ///< km
  double range_rate = 0.0;     ///< km/s
  double shadow_distance = 0.0;
  double latitude = 0.0;       ///< sub-satellite point, degrees
  double longitude = 0.0;      ///< degrees
  double height = 0.0;         ///< km
  std::int32_t x = -10;
  std::int32_t y = -10;
};

using tkoerperslots = std::array<tkoerperposition, kBodySlotCount>;

}  // namespace sdro
