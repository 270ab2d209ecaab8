// The inputs of the physical ephemerides as the chart forms them from the
// apparent places of body_apparent: one routine per kind of body, so that the
// chart, the ephemeris output and the tests fill the records alike.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephem/body_positions.h"
#include "ephem/physical_ephemeris.h"

namespace sdro {

/// planet_physical's input for a planet or the Sun: `body` and `sun` are the
/// results of body_apparent for the body and for the Sun at t (Julian
/// centuries TT). Frames as body_apparent gives them (vectors of the mean
/// equator of date, α, δ apparent, λ, β of the ecliptic of date).
tbodyplace physical_place(const tbodyposition& body, const tbodyposition& sun, double t);

/// moon_physical's input from the Moon's and the Sun's apparent places at t;
/// topocentric_distance in Earth radii (pass the geocentric distance when no
/// place is given).
tmoonplace moon_physical_place(const tbodyposition& moon, const tbodyposition& sun, double t,
                               double topocentric_distance);

}  // namespace sdro
