// Atmospheric refraction of altitudes, and its inverse.
//
// Above the horizon the refraction R (arcminutes) is Saemundsson's formula
//   R = 1.02 / tan(h + 10.3/(h + 5.11)) + 0.0019279,
// scaled by (P/1010)·(283/(273 + T)); it vanishes at the zenith and is
// accurate to about 0.1′ for the standard atmosphere down to the horizon.
// The formula reaches its largest value (about 44.6′) at h ≈ −1.9°, which
// covers the depression of the horizon seen from mountains; below that R
// decreases smoothly (zero slope at both ends) to 0 at h = −5°, so objects
// far below the horizon are not lifted, and the apparent altitude stays an
// increasing, invertible function of the true one at every altitude.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// True altitude h (degrees) → apparent altitude (degrees), for the air
/// temperature (°C) and pressure (hPa). Pressure 0 gives no refraction.
double refraction(double temperature, double pressure, double true_altitude);

/// Apparent altitude (degrees) → true altitude: the exact inverse of
/// `refraction` (to 1e-9°) at every altitude, found by a bounded bracketing
/// iteration.
double unrefract(double temperature, double pressure, double apparent_altitude);

}  // namespace sdro
