// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/coordinate_text.h"

#include <cmath>

#include "astro/sexagesimal.h"
#include "astro/text_format.h"
#include "places/number_text.h"

namespace sdro {

std::string format_place_coordinate(double degrees) {
  // −0.00004 would otherwise read "-0,0000".
  const double rounded = std::round(degrees * 1e4) / 1e4;
  return point_to_comma(format_fixed_trimmed(4, rounded == 0.0 ? 0.0 : rounded));
}

std::optional<double> parse_place_coordinate(std::string_view text) { return parse_decimal(text); }

std::string format_packed_degrees(double degrees) {
  return format_deg_seconds(format_fixed_trimmed(4, decimal_to_packed(degrees)));
}

}  // namespace sdro
