// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/engine/instant.h"

namespace sdro {

void set_civil(tzeitort& z, const tcivil_now& now) {
  z.day = now.day;
  z.month = now.month;
  z.year = now.year;
  z.local_time = now.hours;
  complete_from_civil(z);
}

// The calendar and sidereal-time routines of the time layer are called from
// here once they are available; until then UT follows from the zone offset
// and the stored MJD, T and sidereal time are kept.
void complete_from_civil(tzeitort& z) { z.ut = z.local_time - zone_offset(z); }

void update_derived(tzeitort&, bool) {}

}  // namespace sdro
