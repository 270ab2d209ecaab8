// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/names.h"

#include <cctype>
#include <span>
#include <string>

#include "astro/bodies.h"
#include "astro/names_tables.h"

namespace sdro {
namespace {

std::string_view pick(std::span<const tbitext> table, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return {};
  return table[static_cast<std::size_t>(index)].text();
}

std::string lower_ascii(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return r;
}

constexpr tsaturnmond kSaturnSatellites[] = {
    {"Tethys", 10.3}, {"Dione", 10.2}, {"Rhea", 9.8}, {"Titan", 8.4}, {"Japetus", 11.2},
};

}  // namespace

int planet_slot(int planetnummer) {
  return planetnummer >= 1 && planetnummer <= 9 ? planetnummer - 1 : 0;
}

int planet_number_of_body(tkoerper body) {
  switch (body) {
    case sonne: return pn_erde;
    case merkur: return pn_merkur;
    case venus: return pn_venus;
    case mond: return 0;
    default: return static_cast<int>(body) + 1;  // Mars 3 → 4 … Pluto 8 → 9
  }
}

std::string_view body_name(int index) { return pick(names_tables::kBodies, index); }
std::string_view viewpoint_name(int index) { return pick(names_tables::kViewpoints, index); }

const tsaturnmond& saturn_satellite(int index) {
  return kSaturnSatellites[index >= 0 && index < kSaturnSatelliteCount ? index : 0];
}

int find_body_by_name(std::string_view name) {
  const std::string wanted = lower_ascii(name);
  for (int i = 0; i < kBodyCount; ++i) {
    const auto& e = names_tables::kBodies[i];
    if (lower_ascii(e.de) == wanted || lower_ascii(e.en) == wanted) return i;
  }
  return -1;
}

std::string_view weekday_name(int index) { return pick(names_tables::kWeekdays, index); }
std::string_view season_name(int index) { return pick(names_tables::kSeasons, index); }
std::string_view moon_phase_name(int index) { return pick(names_tables::kMoonPhases, index); }
std::string_view compass_point(int index) { return pick(names_tables::kCompass, index); }
std::string_view time_zone_name(int zone) { return pick(names_tables::kTimeZones, zone + 12); }
std::string_view drawing_element_name(int index) {
  return pick(names_tables::kDrawingElements, index);
}

}  // namespace sdro
