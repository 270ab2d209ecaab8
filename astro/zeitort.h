// The instant and place record: one observing instant at one place, and the
// quantities derived from it that every reduction of the cycle reads.
//
// The first block holds the inputs (civil date and time, zone, place, air).
// The second block is a cache of values derived from T and the place; it is
// brought up to date by update_derived_fields (astro/derived_fields.h) after
// every change of instant or place, so copies carried in files need not keep it.
// The last three fields are written by the recompute from the lunar-eclipse
// test and read by the shadow drawing.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "astro/vector.h"

namespace sdro {

/// Longest place name kept in a stored record (characters).
inline constexpr std::size_t kPlaceNameMaxLength = 255;

struct tzeitort {
  // --- instant and place (inputs) ---------------------------------------
  /// day of month 1..31 (civil, at the place)
  std::int32_t day = 1;
  /// month 1..12
  std::int32_t month = 1;
  /// astronomical numbering (year 0 exists)
  std::int32_t year = 2000;
  /// 0 = Sunday … 6 = Saturday (derived from MJD)
  std::int32_t weekday = 6;
  /// civil clock time at the place, hours
  double local_time = 0.0;
  /// universal time, hours (may lie outside 0..24)
  double ut = -1.0;
  /// Modified Julian Date of the instant in UT (JD − 2400000.5)
  double mjd = 51543.0 + 23.0 / 24;
  /// Julian centuries of dynamical time (TT) from J2000.0
  double t = 0.0;
  /// ΔT = TT − UT, seconds
  double delta_t = 61.0;
  /// geographic longitude, degrees, WEST positive
  double longitude = -9.301;
  /// geographic latitude, degrees, north positive
  double latitude = 51.191;
  /// local sidereal time, hours in [0, 24) (mean or apparent)
  double sidereal_time = 0.0;
  /// hours added to the zone: 0 or 1
  std::int32_t daylight_saving = 0;
  /// UTF-8, at most kPlaceNameMaxLength characters when stored
  std::string place_name = "Kassel";
  /// ΔT computed from the date; otherwise delta_t is used as stored
  bool automatic_delta_t = true;
  /// altitudes corrected for atmospheric refraction
  bool use_refraction = true;
  /// time zone, hours EAST of Greenwich, −12..+12
  std::int32_t zone = 1;
  /// minutes added to the zone offset
  std::int32_t additional_minutes = 0;
  /// height above sea level, metres
  std::int32_t height = 0;
  /// air pressure, hPa (millibar)
  double pressure = 1010.0;
  /// air temperature, °C
  double temperature = 10.0;

  // --- derived from T and the place ------------------------------------
  /// φ′, degrees
  double geocentric_latitude = 0.0;
  /// ρ, in Earth equatorial radii (6378.14 km)
  double geocentric_distance = 1.0;
  /// the Sun's geocentric distance R, AU (kept by the Sun routine)
  double sun_distance = 1.0;
  /// the Sun's ecliptic latitude B, degrees (kept by the Sun routine)
  double sun_latitude = 0.0;
  /// the Sun's ecliptic longitude L, degrees (kept by the Sun routine)
  double sun_longitude = 0.0;
  /// mean obliquity ε0 of date, degrees
  double obliquity = 23.4392911;
  /// sin ε0
  double sin_obliquity = 0.397777156;
  /// cos ε0
  double cos_obliquity = 0.917482062;
  /// sin φ of the geographic latitude
  double sin_latitude = 0.779240;
  /// cos φ of the geographic latitude
  double cos_latitude = 0.626726;
  /// Δψ, radians
  double nutation_longitude = 0.0;
  /// Δε, radians
  double nutation_obliquity = 0.0;
  /// Δψ·cos ε0, radians
  double dpsi_cos_obliquity = 0.0;
  /// Δψ·sin ε0, radians
  double dpsi_sin_obliquity = 0.0;
  /// the Sun's true geometric longitude ⊙ for aberration, degrees
  double aberration_sun_longitude = 0.0;
  /// eccentricity e of the Earth's orbit
  double earth_eccentricity = 0.0167086;
  /// cos ⊙
  double cos_aberration_sun = 1.0;
  /// sin ⊙
  double sin_aberration_sun = 0.0;
  /// FK4 equator of B1950.0 → mean equator of date
  tdrehmatrix precession_b1950;
  /// mean equator of J1950.0 (T = −0.5) → mean equator of date
  tdrehmatrix precession_j1950;

  // --- written by the recompute from the lunar-eclipse test -------------
  /// a lunar eclipse is in progress at the instant
  bool lunar_eclipse_now = false;
  /// radius of the umbra, in Moon radii (0 for a penumbral eclipse)
  double umbral_radius = 0.0;
  /// radius of the penumbra, in Moon radii
  double penumbral_radius = 0.0;
};

/// Zone offset of the instant in hours: zone + additional minutes/60 + daylight saving.
inline double zone_offset(const tzeitort& z) {
  return z.zone + z.additional_minutes / 60.0 + z.daylight_saving;
}

}  // namespace sdro
