// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/number_text.h"

#include <charconv>
#include <cmath>

#include "astro/text_format.h"

namespace sdro {

std::optional<double> parse_decimal(std::string_view text) {
  const treal_text r = parse_real(comma_to_point(text));
  if (!r.ok || !std::isfinite(r.value)) return std::nullopt;
  return r.value;
}

std::optional<long> parse_whole_number(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  long v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

}  // namespace sdro
