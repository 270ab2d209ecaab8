// The Earth map files and the map's geometry, for picking a place on the map.
//
// "Sdkg.dat": 8-byte records, float latitude and float longitude (degrees,
// east positive); a record with latitude 9999 starts a new coastline segment.
// "Sdkg2.dat": 52-byte records, float latitude, float longitude (west
// positive in the file), the city's name as a length byte and up to 43
// Windows-1252 characters. Both little-endian.
//
// The map is equirectangular: at k pixels per degree a place of east
// longitude λ and latitude φ lies at x = ((λ + 180) mod 360)·k, y = (90 − φ)·k.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sdro {

/// A point of the map: degrees, east longitude positive.
struct tmap_point {
  double latitude = 0.0;
  double east_longitude = 0.0;
};

struct tmap_city {
  std::string name;  ///< UTF-8
  tmap_point place;
};

/// Coastlines as polylines (a new line at every segment mark and wherever the
/// longitude or latitude jumps by more than 10°, as across the 180° meridian),
/// and the cities.
struct tearth_map {
  std::vector<std::vector<tmap_point>> lines;
  std::vector<tmap_city> cities;
};

/// Outcome of reading the two files; a damaged file is refused whole.
struct tearth_map_load {
  bool ok = false;
  std::string message;  ///< when refused (current language)
  tearth_map map;
};

/// Reads the coastline and the city bytes.
tearth_map_load parse_earth_map(std::string_view coast_bytes, std::string_view city_bytes);
/// Reads "Sdkg.dat" and "Sdkg2.dat" of a folder.
tearth_map_load read_earth_map(const std::filesystem::path& folder);

/// Pixel position of a map point at `scale` pixels per degree (not rounded).
struct tmap_pixel {
  double x = 0.0;
  double y = 0.0;
};
tmap_pixel map_pixel(const tmap_point& p, double scale);
/// The map point under a pixel; nothing outside the map (360·scale × 180·scale).
std::optional<tmap_point> map_point(double x, double y, double scale);
/// Index of the city nearest to the pixel within `radius` pixels, or −1.
long city_at(const tearth_map& map, double x, double y, double scale, double radius);

}  // namespace sdro
