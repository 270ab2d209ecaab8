// Windows-1252 text in binary files. The program keeps every text in UTF-8;
// the file readers and writers convert at the boundary.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sdro {

/// Windows-1252 bytes → UTF-8. The five unassigned bytes map to U+FFFD.
std::string cp1252_to_utf8(std::string_view bytes);
/// UTF-8 → Windows-1252 bytes; characters without a code point, and invalid
/// UTF-8, become `replacement`.
std::string utf8_to_cp1252(std::string_view utf8, char replacement = '?');
/// True when the bytes are well-formed UTF-8.
bool is_valid_utf8(std::string_view bytes);
/// UTF-8 when well-formed, else read as Windows-1252 (text files of unknown origin).
std::string text_to_utf8(std::string_view bytes);
/// Number of characters (code points) of a UTF-8 text.
std::size_t utf8_length(std::string_view utf8);
/// The first `max_chars` characters of a UTF-8 text, never cutting a character.
std::string utf8_prefix(std::string_view utf8, std::size_t max_chars);

}  // namespace sdro
