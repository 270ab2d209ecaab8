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
  std::int32_t day = 1;             ///< day of month 1..31 (civil, at the place)
  std::int32_t month = 1;           ///< month 1..12
  std::int32_t year = 2000;         ///< astronomical numbering (year 0 exists)
  std::int32_t weekday = 6;         ///< 0 = Sunday … 6 = Saturday (derived from MJD)
  double local_time = 0.0;          ///< civil clock time at the place, hours
  double ut = -1.0;                 ///< universal time, hours (may lie outside 0..24)
  double mjd = 51543.0 + 23.0 / 24; ///< Modified Julian Date of the instant in UT (JD − 2400000.5)
  double t = 0.0;                   ///< Julian centuries of dynamical time (TT) from J2000.0
  double delta_t = 61.0;            ///< ΔT = TT − UT, seconds
  double longitude = -9.301;        ///< geographic longitude, degrees, WEST positive
  double latitude = 51.191;         ///< geographic latitude, degrees, north positive
  double sidereal_time = 0.0;       ///< local sidereal time, hours in [0, 24) (mean or apparent)
  std::int32_t daylight_saving = 0; ///< hours added to the zone: 0 or 1
  std::string place_name = "Kassel";///< UTF-8, at most kPlaceNameMaxLength characters when stored
  bool automatic_delta_t = true;    ///< ΔT computed from the date; otherwise delta_t is used as stored
  bool use_refraction = true;       ///< altitudes corrected for atmospheric refraction
  std::int32_t zone = 1;            ///< time zone, hours EAST of Greenwich, −12..+12
  std::int32_t additional_minutes = 0; ///< minutes added to the zone offset
  std::int32_t height = 0;          ///< height above sea level, metres
  double pressure = 1010.0;         ///< air pressure, hPa (millibar)
  double temperature = 10.0;        ///< air temperature, °C

  // --- derived from T and the place ------------------------------------
  double geocentric_latitude = 0.0; ///< φ′, degrees
  double geocentric_distance = 1.0; ///< ρ, in Earth equatorial radii (6378.14 km)
  double sun_distance = 1.0;        ///< the Sun's geocentric distance R, AU (kept by the Sun routine)
  double sun_latitude = 0.0;        ///< the Sun's ecliptic latitude B, degrees (kept by the Sun routine)
  double sun_longitude = 0.0;       ///< the Sun's ecliptic longitude L, degrees (kept by the Sun routine)
  double obliquity = 23.4392911;    ///< mean obliquity ε0 of date, degrees
  double sin_obliquity = 0.397777156;  ///< sin ε0
  double cos_obliquity = 0.917482062;  ///< cos ε0
  double sin_latitude = 0.0;        ///< sin φ of the geographic latitude
  double cos_latitude = 1.0;        ///< cos φ of the geographic latitude
  double nutation_longitude = 0.0;  ///< Δψ, radians
  double nutation_obliquity = 0.0;  ///< Δε, radians
  double dpsi_cos_obliquity = 0.0;  ///< Δψ·cos ε0, radians
  double dpsi_sin_obliquity = 0.0;  ///< Δψ·sin ε0, radians
  double aberration_sun_longitude = 0.0; ///< the Sun's true geometric longitude ⊙ for aberration, degrees
  double earth_eccentricity = 0.0167086; ///< eccentricity e of the Earth's orbit
  double cos_aberration_sun = 1.0;  ///< cos ⊙
  double sin_aberration_sun = 0.0;  ///< sin ⊙
  tdrehmatrix precession_b1950;     ///< FK4 equator of B1950.0 → mean equator of date
  tdrehmatrix precession_j1950;     ///< mean equator of J1950.0 (T = −0.5) → mean equator of date

  // --- written by the recompute from the lunar-eclipse test -------------
  bool lunar_eclipse_now = false;   ///< a lunar eclipse is in progress at the instant
  double umbral_radius = 0.0;       ///< radius of the umbra, in Moon radii (0 for a penumbral eclipse)
  double penumbral_radius = 0.0;    ///< radius of the penumbra, in Moon radii
};

/// Zone offset of the instant in hours: zone + additional minutes/60 + daylight saving.
inline double zone_offset(const tzeitort& z) {
  return z.zone + z.additional_minutes / 60.0 + z.daylight_saving;
}

}  // namespace sdro
