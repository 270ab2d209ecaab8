// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/location_table.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "astro/file_io.h"
#include "astro/language.h"
#include "astro/names.h"
#include "catalog/list_search.h"
#include "places/coordinate_text.h"

namespace sdro {
namespace {

/// Location files beyond this size are not location files.
constexpr std::size_t kMaxFileBytes = std::size_t(64) << 20;

tlocation_load load_error(std::string_view head, const std::filesystem::path& file,
                          std::string_view tail) {
  return {false, std::string(head) + file.string() + std::string(tail),
          std::string(tr("Fehler beim Dateiöffnen", "Error while opening File"))};
}

}  // namespace

tlocation_load Orttabelle::Neuedateiladen(const std::filesystem::path& file, int record_number) {
  const auto bytes = read_whole_file(file, kMaxFileBytes);
  if (!bytes) return load_error(tr("Datei ", "File "), file, tr(" nicht gefunden!", " not found!"));
  std::vector<tlocation> entries = parse_location_file(*bytes);
  if (entries.empty()) {
    return load_error(tr("Die Datei ", "The file "), file,
                      tr(" enthält keine gültigen Ortsangaben.", " holds no valid locations."));
  }
  set_entries(std::move(entries));
  ortdateiname_ = file.string();
  const bool inside = record_number >= 0 && static_cast<std::size_t>(record_number) < size();
  select(inside ? static_cast<std::size_t>(record_number) : 0);
  return {true, {}, {}};
}

void Orttabelle::set_entries(std::vector<tlocation> entries) {
  std::vector<std::u32string> keys;
  keys.reserve(entries.size());
  for (const tlocation& e : entries) keys.push_back(lower_case_for_search(e.name));
  std::vector<std::size_t> order(entries.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  entries_.clear();
  keys_.clear();
  entries_.reserve(order.size());
  keys_.reserve(order.size());
  for (std::size_t i : order) {
    entries_.push_back(std::move(entries[i]));
    keys_.push_back(std::move(keys[i]));
  }
  current_ = -1;
}

long Orttabelle::find(std::string_view query) const {
  if (query.empty()) return -1;
  const std::u32string q = lower_case_for_search(query);
  if (ganzwortsuche) {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
      if (keys_[i].find(q) != std::u32string::npos) return static_cast<long>(i);
    }
    return -1;
  }
  // The first name in sorted order that begins with the query; lower_bound
  // never leaves the list, also when it is empty or the query sorts last.
  const auto at = std::lower_bound(keys_.begin(), keys_.end(), q);
  if (at == keys_.end() || at->compare(0, q.size(), q) != 0) return -1;
  return static_cast<long>(at - keys_.begin());
}

long Orttabelle::index_of(std::string_view name) const {
  const std::u32string key = lower_case_for_search(name);
  const auto at = std::lower_bound(keys_.begin(), keys_.end(), key);
  return at != keys_.end() && *at == key ? static_cast<long>(at - keys_.begin()) : -1;
}

bool Orttabelle::suchen(std::string_view query) {
  const long i = find(query);
  if (i < 0) return false;
  select(static_cast<std::size_t>(i));
  return true;
}

void Orttabelle::select(std::size_t i) {
  if (i >= entries_.size()) return;
  current_ = static_cast<long>(i);
  const tlocation& e = entries_[i];
  latitude_ = e.data.latitude;
  longitude_ = e.data.longitude;
  zeitzone_ = e.data.zone;
  ortname_ = e.name;
  if (on_selection_change) on_selection_change();
}

int Orttabelle::datensatznummer() const {
  const bool inside = current_ >= 0 && static_cast<std::size_t>(current_) < entries_.size();
  return inside ? static_cast<int>(current_) : 0;
}

void Orttabelle::set_datensatznummer(int index) {
  const bool inside = index >= 0 && static_cast<std::size_t>(index) < entries_.size();
  current_ = inside ? index : 0;
}

void Orttabelle::set_Ortname(std::string_view name) { ortname_ = std::string(name); }

bool Orttabelle::set_Zeitzone(int zone) {
  if (zone < -12 || zone > 12) return false;
  zeitzone_ = zone;
  return true;
}

std::string Orttabelle::zeitzonenname() const { return std::string(time_zone_name(zeitzone_)); }

bool Orttabelle::set_coordinates(double latitude, double longitude) {
  if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::abs(latitude) > 90.0 ||
      std::abs(longitude) > 180.0) {
    return false;
  }
  latitude_ = latitude;
  longitude_ = longitude;
  return true;
}

std::string Orttabelle::Gl() const { return format_place_coordinate(longitude_); }
std::string Orttabelle::Gb() const { return format_place_coordinate(latitude_); }

bool Orttabelle::set_Gl(std::string_view text) {
  const auto v = parse_place_coordinate(text);
  return v && set_coordinates(latitude_, *v);
}

bool Orttabelle::set_Gb(std::string_view text) {
  const auto v = parse_place_coordinate(text);
  return v && set_coordinates(*v, longitude_);
}

}  // namespace sdro
