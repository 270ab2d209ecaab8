// Numbers typed in the entry fields and read from location files: a decimal
// comma or point, and whole numbers with an optional sign.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace sdro {

/// "8,5", "8.5", " -12 " → the number; the first "," stands for the decimal
/// point. Nothing for any other text, and for infinities.
std::optional<double> parse_decimal(std::string_view text);

/// "12", "+12", " -7 " → the number; nothing for "1,5", "1.0" or text.
std::optional<long> parse_whole_number(std::string_view text);

}  // namespace sdro
