// Pluto fit for 1700-2100 (used with the VSOP87 theories, which have no
// Pluto): a cubic secular part and Fourier and Poisson terms in three groups,
// heliocentric rectangular, equator and equinox of J2000.0. Tables in
// ephem/tables/pluto_fit_series.h.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/vector.h"

namespace sdro {

/// First and last JD of dynamical time the fit was built for (1700-2100).
inline constexpr double kPlutoFitFirstJd = 2341972.5;
inline constexpr double kPlutoFitLastJd = 2488092.5;

struct tplutostate {
  tvektor position;  ///< AU
  tvektor velocity;  ///< AU per day
};

/// Heliocentric position and velocity of Pluto at the JD of dynamical time,
/// equator and equinox of J2000.0 (the fit's dynamical frame). Outside the
/// interval the series is evaluated all the same. Accuracy of the fit within
/// the interval about 1e-3 AU (a few arcseconds seen from the Earth).
tplutostate pluto_fit_equatorial_j2000(double jd);

}  // namespace sdro
