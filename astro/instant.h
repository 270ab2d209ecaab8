// Completing the instant record from its civil fields or from its MJD, and
// the computer's clock.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/zeitort.h"

namespace sdro {

/// From the civil fields (day, month, year, local time, zone, additional
/// minutes, daylight saving): UT = local time − zone offset, the MJD, the
/// weekday, and ΔT when automatic.
void instant_from_civil(tzeitort& z);

/// From the MJD: day, month, year and local time at the zone offset (the
/// time rounded to 1e-8 h; a time that rounds to 24 h is 0 h of the next
/// day), UT, the weekday, and ΔT when automatic.
void civil_from_instant(tzeitort& z);

/// T in Julian centuries of dynamical time from J2000.0 for the MJD of UT and
/// ΔT in seconds.
double dynamical_centuries(double mjd, double delta_t_seconds);

/// Date and local decimal hours read from the computer's clock.
struct tclock_reading {
  int day = 1;
  int month = 1;
  int year = 2000;
  double hours = 0.0;  ///< hours + minutes/60 + seconds/3600 of local time
};
tclock_reading computer_now();

}  // namespace sdro
