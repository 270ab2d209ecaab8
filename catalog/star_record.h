// A star of the main star file as the program holds it in memory.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sdro {

/// One loaded star. Places are degrees; the horizontal fields are written by
/// the recompute, the screen position by the chart drawing (read by
/// labelling and hit-testing; −10, −10 when the star is not drawn).
struct tsternrecord {
  float ra_date = 0.0f;       ///< mean place of date (equinox of date), α
  float dec_date = 0.0f;      ///< δ
  float mean_x = 1.0f;        ///< unit vector of the mean place of date
  float mean_y = 0.0f;
  float mean_z = 0.0f;
  float ra_apparent = 0.0f;   ///< apparent place (nutation and aberration with useaberrat), α
  float dec_apparent = 0.0f;  ///< δ
  float ra_1950 = 0.0f;       ///< equinox and epoch 1950.0, α
  float dec_1950 = 0.0f;      ///< δ
  float pm_ra = 0.0f;         ///< proper motion, degrees of α per year
  float pm_dec = 0.0f;        ///< proper motion, degrees of δ per year
  float sin_azimuth = 0.0f;   ///< of the horizontal azimuth
  float cos_azimuth = 1.0f;
  float altitude = 0.0f;      ///< degrees, refraction included when switched on
  std::int32_t magnitude = 0; ///< visual magnitude in hundredths
  std::int32_t x = -10;       ///< screen position
  std::int32_t y = -10;
  std::string designation;    ///< UTF-8, at most 8 characters
};

/// The loaded stars, brightest last (the file's order).
using tsterne_list = std::vector<tsternrecord>;

}  // namespace sdro
