// The direction of north at a body on a sky chart, which turns its phase
// figure so that the bright limb faces the Sun.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/projection.h"

namespace sdro {

/// N: the direction of north at (α, δ) (degrees of date), counted
/// counterclockwise from screen-up on the unmirrored chart, rotation
/// included, in [0, 360). Horizon and zoom chart: found numerically from
/// the place 0.1° further north, or the pole itself within 0.1° of it
/// (the zoom chart rounds to whole degrees); polar charts from the right
/// ascension; 0 on the overview.
double north_direction(const tprojektion& projection, double ra, double dec);

/// The turn angle of a phase figure, a = −(χ + N + 90), for the position
/// angle χ of the bright limb.
inline double phase_turn(double bright_limb_angle, double north) {
  return -(bright_limb_angle + north + 90.0);
}

}  // namespace sdro
