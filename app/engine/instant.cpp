// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/engine/instant.h"

#include "astro/derived_fields.h"
#include "astro/instant.h"

namespace sdro {

void set_civil(tzeitort& z, const tcivil_now& now) {
  z.day = now.day;
  z.month = now.month;
  z.year = now.year;
  z.local_time = now.hours;
  complete_from_civil(z);
}

void complete_from_civil(tzeitort& z) {
  instant_from_civil(z);
  z.t = dynamical_centuries(z.mjd, z.delta_t);
}

void update_derived(tzeitort& z, bool apparent) { update_derived_fields(z, apparent); }

}  // namespace sdro
