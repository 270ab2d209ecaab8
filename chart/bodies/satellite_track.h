// The track of one Earth satellite across the sky (`tspurliste`): copies of
// its observed places at the steps of the track computation. The list owns
// its points; it is cleared whenever a command sets the date or time, by
// "Markierung/&Telrad® aus" and before a new track is computed.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace sdro {

struct tspurpunkt {
  double ra = 0.0;        ///< topocentric α, degrees
  double dec = 0.0;       ///< topocentric δ, degrees
  double altitude = 0.0;  ///< degrees
  double azimuth = 0.0;   ///< degrees from south through west
  double range = 0.0;     ///< km
  bool sunlit = false;
  bool valid = false;
};

using tspurliste = std::vector<tspurpunkt>;

/// The radius of a satellite's circle by its range in km: 1 beyond 23000,
/// 2 beyond 10000, 3 beyond 1800, 4 beyond 800, 5 beyond 500, else 6 pixels.
int satellite_radius(double range_km);

}  // namespace sdro
