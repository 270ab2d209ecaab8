// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/earth_map.h"

#include <cmath>

#include "astro/binary_io.h"
#include "astro/cp1252.h"
#include "astro/file_io.h"
#include "astro/language.h"

namespace sdro {
namespace {

constexpr std::size_t kCoastRecord = 8;
constexpr std::size_t kCityRecord = 52;
constexpr std::size_t kCityNameCapacity = 43;
constexpr float kSegmentMark = 9999.0f;
constexpr double kJump = 10.0;  // degrees between neighbours that start a new line

bool on_earth(double latitude, double east_longitude) {
  return std::isfinite(latitude) && std::isfinite(east_longitude) && std::abs(latitude) <= 90.0 &&
         std::abs(east_longitude) <= 180.0;
}

tearth_map_load damaged(std::string_view file) {
  tearth_map_load r;
  r.message = std::string(tr("Die Erdkarte ist beschädigt: ", "The Earth map is damaged: ")) + std::string(file);
  return r;
}

}  // namespace

tearth_map_load parse_earth_map(std::string_view coast_bytes, std::string_view city_bytes) {
  if (coast_bytes.size() % kCoastRecord != 0) return damaged("Sdkg.dat");
  if (city_bytes.size() % kCityRecord != 0) return damaged("Sdkg2.dat");
  tearth_map_load r;
  tbytereader coast(coast_bytes);
  bool new_line = true;
  while (coast.remaining() >= kCoastRecord) {
    const float lat = coast.f32();
    const float lon = coast.f32();
    if (lat == kSegmentMark) {
      new_line = true;
      continue;
    }
    if (!on_earth(lat, lon)) return damaged("Sdkg.dat");
    const tmap_point p{lat, lon};
    if (!new_line && !r.map.lines.back().empty()) {
      const tmap_point& q = r.map.lines.back().back();
      new_line = std::abs(p.latitude - q.latitude) > kJump || std::abs(p.east_longitude - q.east_longitude) > kJump;
    }
    if (new_line) r.map.lines.emplace_back();
    r.map.lines.back().push_back(p);
    new_line = false;
  }
  tbytereader cities(city_bytes);
  while (cities.remaining() >= kCityRecord) {
    const float lat = cities.f32();
    const float west_lon = cities.f32();
    const std::string name = cities.short_string(kCityNameCapacity);
    if (!on_earth(lat, west_lon)) return damaged("Sdkg2.dat");
    r.map.cities.push_back({cp1252_to_utf8(name), {lat, -static_cast<double>(west_lon)}});
  }
  r.ok = true;
  return r;
}

tearth_map_load read_earth_map(const std::filesystem::path& folder) {
  constexpr std::size_t kMaxBytes = std::size_t(64) << 20;
  const auto coast = read_whole_file(folder / "Sdkg.dat", kMaxBytes);
  const auto cities = read_whole_file(folder / "Sdkg2.dat", kMaxBytes);
  if (!coast || !cities) {
    tearth_map_load r;
    r.message = std::string(tr("Datei ", "File ")) + (folder / (coast ? "Sdkg2.dat" : "Sdkg.dat")).string() +
                std::string(tr(" nicht gefunden!", " not found!"));
    return r;
  }
  return parse_earth_map(*coast, *cities);
}

tmap_pixel map_pixel(const tmap_point& p, double scale) {
  double lon = std::fmod(p.east_longitude + 180.0, 360.0);
  if (lon < 0.0) lon += 360.0;
  // The eastern edge (180° east) stays at the right border.
  if (lon == 0.0 && p.east_longitude > 0.0) lon = 360.0;
  return {lon * scale, (90.0 - p.latitude) * scale};
}

std::optional<tmap_point> map_point(double x, double y, double scale) {
  if (!(scale > 0.0) || x < 0.0 || y < 0.0 || x > 360.0 * scale || y > 180.0 * scale) return std::nullopt;
  return tmap_point{90.0 - y / scale, x / scale - 180.0};
}

long city_at(const tearth_map& map, double x, double y, double scale, double radius) {
  long best = -1;
  double best_d2 = radius * radius;
  for (std::size_t i = 0; i < map.cities.size(); ++i) {
    const tmap_pixel p = map_pixel(map.cities[i].place, scale);
    const double d2 = (p.x - x) * (p.x - x) + (p.y - y) * (p.y - y);
    if (d2 <= best_d2) {
      best_d2 = d2;
      best = static_cast<long>(i);
    }
  }
  return best;
}

}  // namespace sdro
