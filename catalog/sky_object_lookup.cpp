// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/sky_object_lookup.h"

#include <cmath>

#include "astro/angles.h"
#include "catalog/designations.h"
#include "catalog/zone_catalogue.h"

namespace sdro {
namespace {

// Upper case without any blanks, for comparing designations.
std::string compact(std::string_view text) {
  std::string out;
  for (const char c : upper_ascii(text)) {
    if (c != ' ') out += c;
  }
  return out;
}

double azimuth_of(float sin_azimuth, float cos_azimuth) {
  return normalize_degrees(atan2_deg(cos_azimuth, sin_azimuth));
}

template <class Record>
void take_horizontal(tsky_object& o, const Record& r) {
  o.altitude = r.altitude;
  o.azimuth = azimuth_of(r.sin_azimuth, r.cos_azimuth);
}

bool find_zone_star(const tstars& stars, const std::string& query, const tzeitort& z, bool useaberrat,
                    tsky_object& o) {
  for (const tzone_catalogue catalogue : {tzone_catalogue::sao, tzone_catalogue::ppm}) {
    const std::string prefix = catalogue == tzone_catalogue::sao ? "SAO" : "PPM";
    if (query.rfind(prefix, 0) != 0 || query.size() == prefix.size()) continue;
    const tzone_star_found f =
        FindZoneStar(stars.data_directory(), catalogue, z, useaberrat, query.substr(prefix.size()));
    if (!f.found) return false;
    o.kind = tsky_object_kind::zone_star;
    o.name = std::string(trimmed(zone_search_text(catalogue, f)));
    o.magnitude = f.magnitude / 10.0;
    o.apparent = {f.ra, f.dec};
    o.mean = o.apparent;
    const thorizontal_place h = horizontal_place(o.apparent, stars.horizon());
    o.altitude = h.altitude;
    o.azimuth = azimuth_of(h.sin_azimuth, h.cos_azimuth);
    return true;
  }
  return false;
}

bool find_star(const tstars& stars, const std::string& query, tsky_object& o) {
  const tsterne_list& list = stars.stars();
  for (std::size_t i = list.size(); i-- > 0;) {  // brightest first
    const tsternrecord& s = list[i];
    if (compact(s.designation) != query) continue;
    o.kind = tsky_object_kind::star;
    o.name = s.designation;
    o.index = i;
    o.magnitude = s.magnitude / 100.0;
    o.mean = {s.ra_date, s.dec_date};
    o.apparent = {s.ra_apparent, s.dec_apparent};
    take_horizontal(o, s);
    return true;
  }
  return false;
}

bool find_deep_sky(const tstars& stars, const std::string& query, tsky_object& o) {
  const tnebel_list& list = stars.nebulae();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const tnebelrecord& n = list[i];
    const std::string shown = deep_sky_display_name(n.designation);
    if (compact(shown) != query) continue;
    o.kind = tsky_object_kind::deep_sky;
    o.name = shown;
    o.index = i;
    o.magnitude = n.magnitude / 100.0;
    o.mean = {n.ra_date, n.dec_date};
    o.apparent = o.mean;
    take_horizontal(o, n);
    return true;
  }
  return false;
}

}  // namespace

tsky_object find_sky_object(tstars& stars, std::string_view designation, const tzeitort& z,
                            bool useaberrat) {
  tsky_object o;
  const std::string query = compact(designation);
  if (query.empty()) return o;
  stars.SetDateAndPlace(z, useaberrat, true);
  trecompute_request request;
  request.star_limit = kHighestLevel * 10;
  request.nebula_limit = 100000;
  request.figures = false;
  stars.RecomputePositions(request);
  if (find_zone_star(stars, query, z, useaberrat, o)) return o;
  if (find_star(stars, query, o)) return o;
  find_deep_sky(stars, query, o);
  return o;
}

}  // namespace sdro
