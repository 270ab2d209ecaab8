// The Sun and the Moon: geocentric positions by the selected theories,
// apparent equatorial places, the low-precision formulae for quick searches
// and the Chebyshev fits used by the eclipse computations.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "ephem/moon_series.h"
#include "ephem/planet_theory.h"
#include "ephem/theory_selection.h"

namespace sdro {

/// The Earth's equatorial radius in km, the unit of the Moon's distance.
inline constexpr double kEarthRadiusKm = 6378.14;
/// Light time of one AU in Julian centuries (499.2 s).
inline constexpr double kSunLightTimeCenturies = 1.5818693436763e-7;

/// Geometric geocentric Sun at t (Julian centuries TT): VSOP87 D (vsopsun_l),
/// VSOP87 C (the Earth's state negated, L and B FK5-corrected, velocity in AU
/// per day) or the own series. Mean ecliptic and equinox of date.
tplanetposition sun_geocentric(const ttheoriewahl& selection, int precision, double t);

/// Geocentric Moon at t: the own series, or, when the lunar library is in
/// effect, ELP-2000/82 at the instant reduced by the light time (from the own
/// series' distance), precessed from the ecliptic of J2000.0 to that of t.
/// λ, β in degrees (mean ecliptic and equinox of date), distance in Earth radii.
tmoonposition moon_geocentric(const ttheoriewahl& selection, int precision, double t);

/// An equatorial place of the true equator and equinox of date.
struct tapparentplace {
  double ra = 0.0;        ///< right ascension, degrees in [0, 360)
  double dec = 0.0;       ///< declination, degrees
  double distance = 0.0;  ///< AU (Sun) or Earth radii (Moon)
};

/// Moon: ecliptic → mean equator of date → nutation.
tapparentplace moon_apparent(const ttheoriewahl& selection, int precision, double t);
/// Sun: computed at t − 499.2 s (light time, which also yields the Sun's
/// aberration), then as for the Moon. Distance in AU.
tapparentplace sun_apparent(const ttheoriewahl& selection, int precision, double t);

/// Rectangular ecliptic vector of date → true equatorial α, δ, distance.
tapparentplace apparent_from_ecliptic(const tvektor& ecliptic, double t);

/// Low-precision places for quick searches: α in hours [0, 24), δ in degrees.
struct tlowprecisionplace {
  double ra_hours = 0.0;
  double dec = 0.0;
  double distance = 0.0;  ///< Earth radii (Moon only)
};
/// Moon to about 5′ (mean equinox of date).
tlowprecisionplace moon_low_precision(double t);
/// Sun to about 1′ (mean equinox of date).
tlowprecisionplace sun_low_precision(double t);

/// Chebyshev fit of an apparent place over [t_start, t_end] (Julian centuries):
/// degree n and n + 1 coefficients for α (degrees, made continuous), δ
/// (degrees) and the distance; evaluate with chebyshev_value.
struct tchebyshevfit {
  int degree = 0;
  double t_start = 0.0;
  double t_end = 0.0;
  std::vector<double> ra;
  std::vector<double> dec;
  std::vector<double> distance;
};
/// Degrees below 0 are taken as 0, above 30 as 30.
tchebyshevfit fit_moon_chebyshev(const ttheoriewahl& selection, int precision, int degree,
                                 double t_start, double t_end);
tchebyshevfit fit_sun_chebyshev(const ttheoriewahl& selection, int precision, int degree,
                                double t_start, double t_end);
/// α (degrees, into [0, 360)), δ and distance of a fit at t.
tapparentplace chebyshev_place(const tchebyshevfit& fit, double t);

}  // namespace sdro
