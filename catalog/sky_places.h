// Places of catalogue objects: the mean place of date from the catalogue
// place and proper motion, the apparent place, and horizontal coordinates.
// Stars, zone stars, deep-sky objects, line points and constellation labels
// are all positioned through these routines. Angles are degrees; directions
// are unit vectors of the equator and equinox named at each routine.
//
// The recompute positions a quarter of a million stars, so the apparent and
// horizontal steps work on unit vectors with transforms prepared once per
// instant. The transforms are taken from the routines of astro/: nutation
// and the horizontal system are linear maps, fixed by the images of the three
// basis vectors under nutate_equatorial_vector and equatorial_to_horizontal;
// the first-order annual aberration moves a direction u to u + V − (V·u)u,
// and V is read off annual_aberration_prepared at two basis directions. A
// test keeps both paths equal.
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

/// Mean direction of date of a catalogue star: α = α0 + years·μα and
/// δ = δ0 + years·μδ in the frame of the catalogue equinox (μα in degrees of
/// right ascension per year, not scaled by cos δ), then rotated with the
/// precession matrix from the catalogue equinox to the date.
tvektor moved_and_precessed(double ra0, double dec0, double pm_ra, double pm_dec, double years,
                            const tdrehmatrix& precession);

/// Right ascension in [0, 360) and declination of a direction.
tequatorial place_of(const tvektor& direction);

/// A right ascension stored as a 32-bit float, kept below 360 (a value that
/// rounds up to 360.0 becomes 0).
float float_ra(double ra);

/// Mean place of date → apparent place, prepared for one instant.
struct tapparent_transform {
  bool active = false;        ///< false: the apparent place is the mean place
  tdrehmatrix nutation;       ///< mean → true equator and equinox of date (first order)
  tvektor aberration;         ///< V of the first-order annual aberration (radians)
};

/// The transform of an up-to-date instant record; inactive without useaberrat.
tapparent_transform apparent_transform(const tzeitort& z, bool useaberrat);

/// Apparent direction (true equator and equinox of date, annual aberration
/// with κ = 20.49552″) of a mean direction of date; not normalised.
tvektor apparent_direction(const tvektor& mean, const tapparent_transform& transform);

/// The same for a place (α, δ of the mean equator of date).
tequatorial apparent_place(const tequatorial& mean, const tapparent_transform& transform);

/// What horizontal coordinates are computed for: the rotation from the
/// equator of date into the horizon of the observer (or of the zoom chart's
/// fictitious observer), the azimuth origin and the refraction.
struct thorizon_frame {
  tdrehmatrix to_horizon;       ///< equatorial → (south, west, zenith)
  double sin_offset = 0.0;      ///< of the azimuth offset (0 or 180°)
  double cos_offset = 1.0;
  bool refraction = false;
  double temperature = 10.0;    ///< °C
  double pressure = 1010.0;     ///< hPa
};

/// The frame of an observer at the instant and place of `z` (its local
/// sidereal time, latitude, refraction flag and air), azimuth offset in degrees.
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

/// Horizontal place of a direction of the equator of date (any length).
thorizontal_place horizontal_place(const tvektor& direction, const thorizon_frame& frame);
/// The same for a place of the equator of date.
thorizontal_place horizontal_place(const tequatorial& place, const thorizon_frame& frame);

}  // namespace sdro
