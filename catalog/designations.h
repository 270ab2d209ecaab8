// Small text rules for catalogue designations.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sdro {

/// The text without leading and trailing blanks.
std::string_view trimmed(std::string_view text);
/// ASCII letters in upper case, everything else unchanged.
std::string upper_ascii(std::string_view text);
/// True when the text, without surrounding blanks, is a non-empty run of digits.
bool is_whole_number(std::string_view text);
/// A deep-sky designation as shown everywhere: a designation that is a whole
/// number is an NGC number and gets the prefix "NGC ".
std::string deep_sky_display_name(std::string_view designation);

}  // namespace sdro
