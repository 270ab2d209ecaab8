// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/designations.h"

#include <algorithm>

namespace sdro {

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string upper_ascii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

bool is_whole_number(std::string_view text) {
  const std::string_view t = trimmed(text);
  return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string deep_sky_display_name(std::string_view designation) {
  if (is_whole_number(designation)) return "NGC " + std::string(trimmed(designation));
  return std::string(designation);
}

}  // namespace sdro
