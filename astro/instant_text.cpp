// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/instant_text.h"

#include <cmath>

#include "astro/names.h"
#include "astro/sexagesimal.h"
#include "astro/text_format.h"

namespace sdro {

namespace {

std::string local_time_text(double hours, int mode) {
  if (mode == instant_whole_hours) return format_fixed_trimmed(0, std::floor(hours + 0.5));
  const std::string packed = format_fixed(2, 4, decimal_to_packed(hours));
  return mode == instant_hh_mm ? format_clock_minutes(packed) : format_clock(packed);
}

}  // namespace

std::string format_instant(const tzeitort& z, int mode) {
  std::string s(weekday_name(z.weekday));
  s += ' ';
  s += format_date(z.day, z.month, z.year);
  s += ' ';
  s += local_time_text(z.local_time, mode);
  s += ' ';
  s += time_zone_name(z.zone);
  s += ' ';
  if (z.additional_minutes != 0) {
    s += '+';
    s += std::to_string(z.additional_minutes);
    s += "min";
  }
  return s;
}

}  // namespace sdro
