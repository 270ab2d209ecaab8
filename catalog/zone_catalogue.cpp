// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/zone_catalogue.h"

#include <cmath>

#include "astro/binary_io.h"
#include "astro/cp1252.h"
#include "astro/file_io.h"
#include "astro/language.h"
#include "astro/precession.h"
#include "astro/separation.h"
#include "astro/text_format.h"
#include "catalog/designations.h"
#include "catalog/record_checks.h"

namespace sdro {
namespace {

constexpr std::size_t kMapCapacity = 60000;
constexpr double kZoneMargin = 11.0;
/// A zone file holds at most a few hundred thousand records.
constexpr std::size_t kLargestZoneFile = std::size_t(64) << 20;

// The catalogue place moved to the date and made apparent.
tvektor zone_star_direction(const tsaoobjekt& star, double years, const tdrehmatrix& precession,
                            const tapparent_transform& apparent) {
  return apparent_direction(moved_and_precessed(star.ra, star.dec, star.pm_ra, star.pm_dec, years, precession),
                            apparent);
}

std::optional<std::string> zone_image(const std::filesystem::path& dir, int zone,
                                      tzone_catalogue catalogue) {
  return read_whole_file(zone_file(dir, zone, catalogue), kLargestZoneFile);
}

}  // namespace

bool decode_zone_record(std::string_view record, tsaoobjekt& star) {
  tbytereader r(record);
  const float ra = r.f32();
  const float pm_ra = r.f32();
  const float dec = r.f32();
  const float pm_dec = r.f32();
  const std::int16_t magnitude = r.i16();
  const std::string name = r.fixed_string(10);
  if (!r.ok() || !valid_place(ra, dec) || !valid_proper_motion(pm_ra) || !valid_proper_motion(pm_dec)) {
    return false;
  }
  star.ra = float_ra(ra);
  star.pm_ra = pm_ra;
  star.dec = dec;
  star.pm_dec = pm_dec;
  star.magnitude = magnitude;
  star.designation = cp1252_to_utf8(name.substr(0, kZoneDesignationLength));
  star.x = -10;
  star.y = -10;
  return true;
}

void TSAOList::start_map() {
  count_ = 0;
  if (objects_.capacity() < kMapCapacity) objects_.reserve(kMapCapacity);
}

tsaoobjekt& TSAOList::store() {
  if (count_ == objects_.size()) objects_.emplace_back();
  return objects_[count_++];
}

std::vector<int> zones_for_map(const tzoom_map& map, tzone_catalogue catalogue, double t) {
  const tdrehmatrix precession = precession_matrix_equatorial(t, zone_catalogue_epoch(catalogue));
  std::vector<int> zones;
  for (int number = 1; number <= kZoneCount; ++number) {
    const tzone& zone = zone_of_table(number, catalogue);
    bool near = false;
    for (int i = -1; i <= 1 && !near; ++i) {
      for (int k = -1; k <= 1 && !near; ++k) {
        const tvektor v = polar_to_cartesian((zone.ra_hours + 0.5 * i) * 15.0, zone.dec + 5.0 * k, 1.0);
        const tequatorial p = place_of(transformed(precession, v));
        const double distance = std::fabs(angular_separation(p.ra, map.ra0, p.dec, map.dec0));
        near = distance - kZoneMargin < map.radius;
      }
    }
    if (near) zones.push_back(number);
  }
  return zones;
}

tzone_read_result ReadZoneStars(TSAOList& list, const tzone_request& request, const tzeitort& z,
                                const tzone_star_draw& draw, const tzone_progress& progress) {
  tzone_read_result result;
  list.start_map();
  const double t0 = zone_catalogue_epoch(request.catalogue);
  const tdrehmatrix precession = precession_matrix_equatorial(z.t, t0);
  const double years = years_since(t0, z.t);
  const thorizon_frame frame = centred_frame(request.map.ra0, request.map.dec0);
  const tapparent_transform apparent = apparent_transform(z, request.useaberrat);
  const double lowest = 90.0 - 1.5 * request.map.radius;
  for (const int zone : zones_for_map(request.map, request.catalogue, z.t)) {
    if (progress) progress(zone * 100 / kZoneCount);
    const auto image = zone_image(request.data_directory, zone, request.catalogue);
    if (!image) {
      ++result.zones_missing;
      continue;
    }
    ++result.zones_read;
    const std::size_t n = image->size() / kZoneRecordSize;
    for (std::size_t i = 0; i < n; ++i) {
      tsaoobjekt star;
      if (!decode_zone_record(std::string_view(*image).substr(i * kZoneRecordSize, kZoneRecordSize), star)) {
        continue;
      }
      if (star.magnitude * 10 > request.limit) break;
      const tvektor direction = zone_star_direction(star, years, precession, apparent);
      const thorizontal_place h = horizontal_place(direction, frame);
      if (h.altitude <= lowest) continue;
      const tequatorial place = place_of(direction);
      tsaoobjekt& stored = list.store();
      stored = std::move(star);
      stored.ra = float_ra(place.ra);
      stored.dec = static_cast<float>(place.dec);
      if (draw) draw(stored, h);
    }
  }
  result.stars = list.count();
  return result;
}

tzone_star_found FindZoneStar(const std::filesystem::path& data_directory, tzone_catalogue catalogue,
                              const tzeitort& z, bool useaberrat, std::string_view designation,
                              const tzone_search_step& step) {
  tzone_star_found result;
  const std::string query = upper_ascii(trimmed(designation));
  if (query.empty()) return result;
  const double t0 = zone_catalogue_epoch(catalogue);
  const tdrehmatrix precession = precession_matrix_equatorial(z.t, t0);
  const double years = years_since(t0, z.t);
  const tapparent_transform apparent = apparent_transform(z, useaberrat);
  for (int zone = 1; zone <= kZoneCount; ++zone) {
    if (step && !step(zone)) {
      result.cancelled = true;
      return result;
    }
    const auto image = zone_image(data_directory, zone, catalogue);
    if (!image) continue;
    const std::size_t n = image->size() / kZoneRecordSize;
    for (std::size_t i = 0; i < n; ++i) {
      tsaoobjekt star;
      if (!decode_zone_record(std::string_view(*image).substr(i * kZoneRecordSize, kZoneRecordSize), star)) {
        continue;
      }
      if (upper_ascii(trimmed(star.designation)) != query) continue;
      const tequatorial place = place_of(zone_star_direction(star, years, precession, apparent));
      result.found = true;
      result.designation = star.designation;
      result.zone = zone;
      result.magnitude = star.magnitude;
      result.ra = place.ra;
      result.dec = place.dec;
      return result;
    }
  }
  return result;
}

std::string zone_search_text(tzone_catalogue catalogue, const tzone_star_found& result) {
  if (!result.found) return "  " + std::string(tr("nicht gefunden", "not found"));
  if (is_whole_number(result.designation)) {
    return (catalogue == tzone_catalogue::sao ? "SAO " : "PPM ") + std::string(trimmed(result.designation));
  }
  return " " + result.designation;
}

std::optional<double> parse_map_diameter(std::string_view text) {
  const treal_text r = parse_real(comma_to_point(trimmed(text)));
  if (!r.ok || !(r.value >= 0.5 && r.value <= 60.0)) return std::nullopt;
  return r.value;
}

std::string map_diameter_message() {
  return std::string(tr("Kartendurchmesser muß >=0,5° und <=60° im Format ° und Dezimale (g,xxxx...) sein!",
                        "Diameter of the map must be >=0,5° and <=60° as ° with Decimals (g,xxxx...)!"));
}

bool UseZoneCatalogue(bool zoom_chart, bool sao_present, bool ppm_present, double zoom_size,
                      int threshold_tenths, bool animation_running, bool& ppm) {
  if (ppm_present && !sao_present) ppm = true;
  return zoom_chart && (sao_present || ppm_present) && zoom_size <= threshold_tenths / 10.0 &&
         !animation_running;
}

tzone_catalogue chosen_zone_catalogue(bool ppm, bool sao_present, bool ppm_present) {
  if (ppm_present && (ppm || !sao_present)) return tzone_catalogue::ppm;
  return tzone_catalogue::sao;
}

}  // namespace sdro
