// Heliocentric planets by the selected theory: own series, VSOP87 D
// (plantheod) or VSOP87 C (plantheoc); Pluto from the own series or, with
// the VSOP87 theories, from the Pluto fit.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/vector.h"
#include "ephem/theory_selection.h"

namespace sdro {

/// A heliocentric (for the Sun: geocentric) ecliptic position of the mean
/// ecliptic and equinox of date.
struct tplanetposition {
  double l = 0.0;     ///< longitude, degrees in [0, 360)
  double b = 0.0;     ///< latitude, degrees
  double r = 0.0;     ///< distance, AU
  tvektor position;   ///< rectangular, AU
  tvektor velocity;   ///< AU per day; only VSOP87 C and the Pluto fit supply it, else zero
  bool has_velocity = false;
};

/// Heliocentric position of planet n (1, 2, 4..9) at t (Julian centuries TT
/// from J2000.0) by the theory of the selection; precision is passed to the
/// libraries (the chart passes −1). A theory whose library is not usable
/// falls back to the own series. n = 3 or out of range gives zeros.
tplanetposition planet_heliocentric(int planetnummer, const ttheoriewahl& selection,
                                    int precision, double t);

/// Dynamical (VSOP87) frame → FK5: corrects l, b (degrees, in place) at t.
void fk5_correction(double& l, double& b, double t);

/// Pluto from the fit, rotated to the mean ecliptic and equinox of t.
tplanetposition pluto_from_fit(double t);

/// Whether Pluto from the theory is valid at t: with theories 1 and 2 (the
/// fit) for JD 2341972.5 .. 2488092.5, with the own series for −1.1 < T < 1.
bool pluto_valid(const ttheoriewahl& selection, double t);

/// Completes l, b, r from position (l in [0, 360)).
void set_polar_from_position(tplanetposition& p);
/// Completes position from l, b, r.
void set_position_from_polar(tplanetposition& p);

}  // namespace sdro
