// Geographic coordinates as the place list shows and takes them: decimal
// degrees with four decimals and a decimal comma ("8,5000", "-8,5000").
// Reading accepts a comma or a point, so a text written here reads back.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sdro {

/// Degrees → "8,5000" (four decimals, decimal comma, no padding).
std::string format_place_coordinate(double degrees);

/// "8,5" or "8.5" (blanks around allowed) → degrees; nothing for any other text.
std::optional<double> parse_place_coordinate(std::string_view text);

/// Degrees → "51°11'28''" (degrees, minutes and whole seconds), as the
/// date-and-place dialogs show a place; the place entries read it back.
std::string format_packed_degrees(double degrees);

}  // namespace sdro
