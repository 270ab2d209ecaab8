// The instant as one line of text: weekday, date, local time and zone.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "astro/zeitort.h"

namespace sdro {

/// Forms of the local time in format_instant.
enum tinstant_time_mode : int {
  instant_whole_hours = 0,  ///< the hour rounded to the nearest whole hour, "5"
  instant_hh_mm = 2,        ///< "05:30"
  instant_hh_mm_ss = 4,     ///< "05:30:12"
};

/// "Samstag  1. 1.2000 05:30 MEZ" (current language): weekday name, a blank,
/// the date (format_date), a blank, the local time in the mode's form, a
/// blank, the name of the zone and a blank, then "+<minutes>min" when the
/// record has additional minutes. Any other mode value reads as mode 4.
std::string format_instant(const tzeitort& z, int mode);

}  // namespace sdro
