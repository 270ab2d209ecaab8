// The engine's use of the time routines: the one place where the cycle turns
// civil fields into the instant and brings the derived fields up to date.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/engine/clock.h"
#include "astro/zeitort.h"

namespace sdro {

/// Civil date and time at the place from the computer's clock (the clock's own
/// zone is taken as the zone of the place, as the program has always done).
void set_civil(tzeitort& z, const tcivil_now& now);

/// Completes UT, MJD, T, ΔT and the weekday from the civil fields.
void complete_from_civil(tzeitort& z);

/// Brings the derived fields (sidereal time, obliquity, nutation, precession)
/// up to date for the instant; `apparent` selects the apparent sidereal time.
void update_derived(tzeitort& z, bool apparent);

}  // namespace sdro
