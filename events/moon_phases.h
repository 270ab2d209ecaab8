// The principal phases of the Moon by the series of Meeus (Astronomical
// Algorithms, chapter 49: the mean phase with the periodic and planetary
// corrections) and the Moon's age. Times are JDE (dynamical time).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

struct tzeitort;

/// Phase index: 0 new moon, 1 first quarter, 2 full moon, 3 last quarter.
enum tmoonphase : int { neumond = 0, erstes_viertel = 1, vollmond = 2, letztes_viertel = 3 };

/// JDE of the phase of lunation k (k whole for a new moon, + 0.25, 0.5, 0.75
/// for the other phases; k = 0 is the new moon of 2000-01-06).
double phase_jde(double k);

/// JDE of a phase near the decimal year y: k = ⌊12.3685·(y − 2000)⌋ + the
/// phase's fraction + n.
double PhaseTime(int phase, double year, int n);

/// Age of the Moon in days at the instant: the time since the latest new
/// moon, in dynamical time (the record's JD plus ΔT). At most five lunations
/// are tried.
double MoonAge(const tzeitort& z);

}  // namespace sdro
