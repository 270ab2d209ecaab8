// The own lunar series (shown as "Brown"): the published lunar series of
// Montenbruck and Pfleger after Brown's theory, with solar, latitude,
// planetary and long-periodic terms. Tables in ephem/tables/moon_series.h.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// Geocentric ecliptic position of the Moon: λ in [0, 360) and β in degrees,
/// mean ecliptic and equinox of date; distance in Earth radii (6378.14 km).
struct tmoonposition {
  double lambda = 0.0;
  double beta = 0.0;
  double distance = 60.0;
};

/// The own lunar series at t (Julian centuries TT from J2000.0). Geometric
/// position (no light time). Accuracy of the series about 1" in longitude.
tmoonposition moon_series_geocentric(double t);

}  // namespace sdro
