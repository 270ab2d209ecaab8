// Horizontal coordinates: altitude and azimuth from right ascension and
// declination, and back.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/enums.h"

namespace sdro {

struct tzeitort;

struct thorizontal {
  double altitude = 0.0;    ///< degrees; apparent when refraction was applied
  double azimuth = 0.0;     ///< degrees in [0, 360), from south through west plus the offset
  double hour_angle = 0.0;  ///< local hour angle, hours in [0, 24)
};

/// Azimuth offset of an azimuth origin: 0 for azimutSued, 180 for azimutNord
/// (azimuth from north through east).
double azimuth_offset(tazimutzaehlung origin);

/// α, δ in degrees of the equator and equinox of date, the local sidereal time
/// in hours and sin φ, cos φ of the geographic latitude → altitude, azimuth
/// and hour angle. With `with_refraction` the altitude is corrected by
/// `refraction` for the temperature (°C) and pressure (hPa).
thorizontal equatorial_to_horizontal(double azimuth_offset, bool with_refraction, double alpha,
                                     double delta, double sidereal_time, double sin_latitude,
                                     double cos_latitude, double temperature, double pressure);

/// The same for the place and instant of a record: its sidereal time,
/// latitude, refraction flag and air.
thorizontal equatorial_to_horizontal(const tzeitort& z, tazimutzaehlung origin, double alpha,
                                     double delta);

struct tequatorial {
  double ra = 0.0;   ///< right ascension, degrees in [0, 360)
  double dec = 0.0;  ///< declination, degrees
};

/// Altitude (true, degrees) and azimuth (degrees from south through west plus
/// `azimuth_offset`) → α, δ of date, for sin φ, cos φ and the local sidereal
/// time in hours. Refraction is not removed: callers pass a true altitude
/// (see `unrefract`).
tequatorial horizontal_to_equatorial(double altitude, double azimuth, double sin_latitude,
                                     double cos_latitude, double sidereal_time,
                                     double azimuth_offset = 0.0);

}  // namespace sdro
