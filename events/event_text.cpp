// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/event_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/text_format.h"

namespace sdro {

std::string format_event_time(double hours) {
  const long minutes = std::clamp(std::lround(std::isfinite(hours) ? hours * 60.0 : 0.0), 0L, 1440L);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%02ld:%02ld", minutes / 60, minutes % 60);
  return buffer;
}

std::string format_degrees_1(double degrees) { return point_to_comma(format_fixed_trimmed(1, degrees)) + "°"; }

}  // namespace sdro
