// The own planetary series (shown as "Newcomb"): Mercury to Pluto and the
// geocentric Sun, after the published trigonometric series of Montenbruck and
// Pfleger. Mercury to Jupiter, Saturn to Pluto and the Sun each have a table
// of their own in ephem/tables/; one evaluator serves them all.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephem/perturbation_series.h"
#include "ephem/series_types.h"

namespace sdro {

/// Series of planet number n (1 Mercury, 2 Venus, 4 Mars … 9 Pluto); 3 gives
/// the geocentric Sun's series. Other numbers give nullptr.
const tplanetseries* own_planet_series(int planetnummer);

/// Heliocentric ecliptic position of planet n (1, 2, 4..9) from the own series
/// at t (Julian centuries TT from J2000.0): l in [0, 360), b in degrees, r in AU,
/// mean ecliptic and equinox of date. Pluto, whose series is referred to
/// B1950.0, is brought to the date by pluto_precess_from_b1950. n = 3 gives
/// the geocentric Sun (sun_series_geocentric); other numbers give zeros.
/// Accuracy against full VSOP87 D, 1920-2050, worst (rms) in longitude:
/// Mercury 2.4" (0.9"), Venus 1.2" (0.5"), Mars 1.6" (0.7"), Jupiter 3.0"
/// (1.2"), Saturn 4.3" (2.0"), Uranus 6.7" (3.6"), Neptune 17" (12"); the
/// published rows' own figures (see the fidelity test).
tseriesposition own_series_heliocentric(int planetnummer, double t);

/// Geometric geocentric Sun from the own solar series (perturbations by Venus,
/// Mars, Jupiter, Saturn and the Moon), mean ecliptic and equinox of date.
/// Accuracy 2.4" worst, 0.9" rms in longitude against VSOP87 D (1920-2050).
tseriesposition sun_series_geocentric(double t);

/// Approximate precession of Pluto's series from the ecliptic and equinox of
/// B1950.0 to those of t; l in [0, 360), b in degrees; r unchanged.
tseriesposition pluto_precess_from_b1950(const tseriesposition& p, double t);

}  // namespace sdro
