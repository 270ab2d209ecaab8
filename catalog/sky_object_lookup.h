// Finding a star, a zone-catalogue star or a deep-sky object by designation
// ("Sirius", "SAO 123", "PPM 4711", "M 42", "NGC 7000", "IC 434") and giving
// its places for an instant and place exactly as the chart computes them:
// through the container's recompute (stars and deep-sky objects) or the zone
// search (zone stars) with the container's horizontal frame.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "catalog/stars.h"
#include "catalog/zone_table.h"

namespace sdro {

enum class tsky_object_kind { none, star, zone_star, deep_sky };

/// A found object and its places. Stars have no parallax, so the topocentric
/// place is the geocentric one.
struct tsky_object {
  tsky_object_kind kind = tsky_object_kind::none;
  std::string name;          ///< as the program shows it ("NGC 7000", "SAO 123")
  std::size_t index = 0;     ///< in the star or deep-sky list
  double magnitude = 0.0;    ///< visual magnitude
  tequatorial mean;          ///< mean place of date (equator and equinox of date)
  /// The place the chart draws: the apparent place (nutation and aberration)
  /// for stars with useaberrat, else the mean place; deep-sky objects are
  /// always drawn at their mean place of date.
  tequatorial apparent;
  double altitude = 0.0;     ///< degrees, refraction as the instant record says
  double azimuth = 0.0;      ///< degrees in [0, 360) from the container's azimuth origin
  bool found() const { return kind != tsky_object_kind::none; }
};

/// Positions the container for `z` (up-to-date derived fields) with the given
/// option and looks the designation up: "SAO n" or "PPM n" in that zone
/// catalogue of the container's data folder, else a star of the loaded list
/// by its name (case and blanks ignored; the brightest of equal names), else
/// a deep-sky object by its shown name (blanks ignored: "M42" finds "M 42").
tsky_object find_sky_object(tstars& stars, std::string_view designation, const tzeitort& z,
                            bool useaberrat);

}  // namespace sdro
