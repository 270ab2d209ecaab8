// Places of catalogue objects: the mean place of date from the catalogue
// place and proper motion, the apparent place, and horizontal coordinates.
// Stars, zone stars, deep-sky objects, line points and constellation labels
// are all positioned through these routines. Angles are degrees.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/horizontal.h"
#include "astro/vector.h"
#include "astro/zeitort.h"

namespace sdro {

/// The catalogue epoch of the 1950 places of the star, line and deep-sky files
/// (Julian centuries from J2000.0).
inline constexpr double kCatalogueEpoch1950 = -0.5;

/// Years from the catalogue epoch t0 to T (both Julian centuries from J2000.0).
inline double years_since(double t0, double t) { return (t - t0) * 100.0; }

/// Mean place of date of a catalogue star: α = α0 + years·μα and
/// δ = δ0 + years·μδ in the frame of the catalogue equinox (μα in degrees of
/// right ascension per year, not scaled by cos δ), then rotated with the
/// precession matrix from the catalogue equinox to the date.
tequatorial moved_and_precessed(double ra0, double dec0, double pm_ra, double pm_dec, double years,
                                const tdrehmatrix& precession);

/// Place of date of a unit vector given in the catalogue equinox.
tequatorial precessed_vector_place(const tvektor& v, const tdrehmatrix& precession);

/// Apparent place: the mean place of date with nutation and then annual
/// aberration (circular term, κ = 20.49552″) applied, from the prepared
/// values of an up-to-date instant record.
tequatorial apparent_place(tequatorial mean, const tzeitort& z);

/// A right ascension stored as a 32-bit float, kept below 360 (a value that
/// rounds up to 360.0 becomes 0).
float float_ra(double ra);

/// What horizontal coordinates are computed for: the local sidereal time,
/// the latitude, the azimuth origin and the refraction of the instant record.
struct thorizon_frame {
  double sidereal_time = 0.0;   ///< local sidereal time, hours
  double sin_latitude = 0.0;
  double cos_latitude = 1.0;
  double azimuth_offset = 0.0;  ///< 0 (azimuth from south) or 180 (from north)
  bool refraction = false;
  double temperature = 10.0;    ///< °C
  double pressure = 1010.0;     ///< hPa
};

/// The frame of an observer at the instant and place of `z`.
thorizon_frame observer_frame(const tzeitort& z, double azimuth_offset);
/// The frame of the zoom chart centred on (α0, δ0): the horizontal system of a
/// fictitious observer with sidereal time α0 and latitude δ0, no refraction.
thorizon_frame centred_frame(double ra0, double dec0);

/// Altitude (refraction included when the frame asks for it) and the sine
/// and cosine of the azimuth, as the records keep them.
struct thorizontal_place {
  float altitude = 0.0f;
  float sin_azimuth = 0.0f;
  float cos_azimuth = 1.0f;
};

thorizontal_place horizontal_place(tequatorial place, const thorizon_frame& frame);

}  // namespace sdro
