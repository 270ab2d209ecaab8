// The chart's computation of one body's geocentric apparent place: the
// theory of the selection, the geocentric reduction and the equator of date.
// The ephemeris output and the tests use this path too.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/bodies.h"
#include "ephem/planet_geocentric.h"
#include "ephem/planet_theory.h"
#include "ephem/theory_selection.h"

namespace sdro {

struct tbodyposition {
  int body = 0;                 ///< tkoerper
  double ra = 0.0;              ///< degrees [0, 360), equator of date (true with nutation)
  double dec = 0.0;             ///< degrees
  double distance = 0.0;        ///< AU, light-time corrected (astrometric); the Moon in Earth radii
  double lambda = 0.0;          ///< geocentric ecliptic longitude of date, degrees
  double beta = 0.0;            ///< geocentric ecliptic latitude, degrees
  tplanetposition heliocentric; ///< the planet at t (zeros for Sun and Moon)
  tvektor geocentric_equatorial;   ///< apparent geocentric vector, mean equator of date (AU)
  tvektor heliocentric_equatorial; ///< heliocentric vector, mean equator of date (AU)
};

/// Apparent place of body (tkoerper 0 Sun … 8 Pluto, 9 Moon) at t (Julian
/// centuries TT). `sun` is sun_geocentric at t. With nutation_and_aberration
/// (the setting useaberrat) the planets and the Sun get the observer's motion
/// and nutation; the Moon always gets nutation.
tbodyposition body_apparent(int body, const ttheoriewahl& selection, int precision, double t,
                            const tplanetposition& sun, bool nutation_and_aberration);

}  // namespace sdro
