// The Sun, the planets and the Moon for one instant and place, as the sky
// charts draw them: apparent places of date (topocentric), distances,
// magnitudes and the physical ephemerides that size and shape their discs.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "astro/bodies.h"
#include "astro/zeitort.h"
#include "ephem/physical_ephemeris.h"
#include "ephem/theory_selection.h"

namespace sdro {

/// One body of the chart at the instant.
struct tkoerperdaten {
  bool valid = false;       ///< computed (Pluto outside its range is not)
  double ra = 0.0;          ///< topocentric apparent α of date, degrees [0, 360)
  double dec = 0.0;         ///< topocentric apparent δ, degrees
  double geo_ra = 0.0;      ///< geocentric apparent α of date, degrees
  double geo_dec = 0.0;     ///< geocentric apparent δ, degrees
  double distance = 0.0;    ///< geocentric distance, AU (the Moon: Earth radii)
  double magnitude = 0.0;   ///< visual magnitude
  tphysephem phys;          ///< elongation, phase, diameters, limb angle, rings
};

/// The bodies by `tkoerper`: 0 Sun … 8 Pluto, 9 Moon.
using tkoerpertabelle = std::array<tkoerperdaten, kBodyCount>;

/// Whether Pluto is drawn and computed at T (Julian centuries TT): inside
/// the interval of the Pluto fit with a library theory selected, inside
/// −1.1 < T < 1 with the own series.
bool pluto_in_range(const ttheoriewahl& theorie, double t);

/// Every body for an instant record with up-to-date derived fields, by the
/// selected theories; `useaberrat` adds nutation and aberration to the
/// planets and the Sun.
tkoerpertabelle compute_bodies(const tzeitort& z, const ttheoriewahl& theorie, bool useaberrat);

}  // namespace sdro
