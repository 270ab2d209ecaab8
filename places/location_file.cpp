// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/location_file.h"

#include <cmath>

#include "astro/cp1252.h"
#include "astro/zeitort.h"
#include "places/coordinate_text.h"
#include "places/number_text.h"

namespace sdro {
namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

/// Cuts the text before the next ";" off `rest`; nothing when there is none.
std::optional<std::string_view> next_field(std::string_view& rest) {
  const std::size_t at = rest.find(';');
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view field = rest.substr(0, at);
  rest.remove_prefix(at + 1);
  return field;
}

}  // namespace

std::optional<tlocation> parse_location_line(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  if (line.empty() || line.front() == ':') return std::nullopt;
  std::string_view rest = line;
  const auto name = next_field(rest);
  const auto lon_text = next_field(rest);
  const auto lat_text = next_field(rest);
  if (!name || !lon_text || !lat_text || trimmed(*name).empty()) return std::nullopt;
  const auto zone = parse_whole_number(rest);
  const auto lon = parse_place_coordinate(trimmed(*lon_text));
  const auto lat = parse_place_coordinate(trimmed(*lat_text));
  if (!zone || !lon || !lat) return std::nullopt;
  if (*zone < -12 || *zone > 12 || std::abs(*lat) > 90.0 || std::abs(*lon) > 180.0) return std::nullopt;
  const std::string utf8 = text_to_utf8(trimmed(*name));
  return tlocation{utf8_prefix(utf8, kPlaceNameMaxLength), {*lat, *lon, static_cast<int>(*zone)}};
}

std::vector<tlocation> parse_location_file(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::vector<tlocation> out;
  while (!bytes.empty() && out.size() < kMaxLocations) {
    std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos) end = bytes.size();
    if (auto entry = parse_location_line(bytes.substr(0, end))) out.push_back(std::move(*entry));
    // A line ends in LF, CR LF or a lone CR.
    std::size_t next = end;
    if (next < bytes.size() && bytes[next] == '\r') ++next;
    if (next < bytes.size() && bytes[next] == '\n') ++next;
    bytes.remove_prefix(next);
  }
  return out;
}

}  // namespace sdro
