// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/star_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "astro/binary_io.h"
#include "astro/cp1252.h"
#include "astro/precession.h"
#include "catalog/file_range.h"
#include "catalog/record_checks.h"
#include "catalog/sky_places.h"

namespace sdro {
namespace {

constexpr std::size_t kMagnitudeOffset = 24;
constexpr std::size_t kYearOffset = 37;
constexpr std::size_t kDesignationCapacity = 8;

std::size_t level_index(int level) { return static_cast<std::size_t>(level - kLowestLevel); }

// Index of the first record (0-based) not fainter than `limit` hundredths in a
// file sorted faintest first.
std::size_t first_not_fainter(std::size_t n, std::int32_t limit,
                              const std::function<std::int32_t(std::size_t)>& magnitude) {
  std::size_t lo = 0;
  std::size_t hi = n;
  while (lo < hi) {
    const std::size_t mid = lo + (hi - lo) / 2;
    if (magnitude(mid) > limit) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo;
}

// Reads the magnitude field of single records of an open file.
class tmagnitude_probe {
 public:
  explicit tmagnitude_probe(const std::filesystem::path& path) : in_(path, std::ios::binary) {}
  std::int32_t operator()(std::size_t i) {
    char b[4] = {0, 0, 0, 0};
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(i * kStarRecordSize + kMagnitudeOffset));
    in_.read(b, 4);
    tbytereader r(std::string_view(b, 4));
    return r.i32();
  }

 private:
  std::ifstream in_;
};

}  // namespace

int tstar_levels::clamp(int level) const { return std::clamp(level, kLowestLevel, max_level); }

std::size_t tstar_levels::first_record(int level) const {
  const int m = clamp(level);
  if (m >= max_level) return 1;
  return record_count - counts[level_index(m)] + 1;
}

tstar_levels star_levels(std::size_t n, const std::function<std::int32_t(std::size_t)>& magnitude) {
  tstar_levels levels;
  levels.record_count = n;
  levels.max_level = kHighestLevel;
  std::size_t previous = 0;
  for (int m = kLowestLevel; m <= kHighestLevel; ++m) {
    const std::size_t count = n - first_not_fainter(n, m * 10, magnitude);
    previous = std::max(previous, count);  // an unsorted file still gives a rising table
    levels.counts[level_index(m)] = previous;
  }
  for (int m = kLowestLevel; m <= kHighestLevel; ++m) {
    if (levels.counts[level_index(m)] >= n) {
      levels.max_level = m;
      break;
    }
  }
  return levels;
}

bool decode_star_record(std::string_view record, tsternrecord& star) {
  tbytereader r(record);
  const float ra_date = r.f32();
  const float dec_date = r.f32();
  const float ra_1950 = r.f32();
  const float dec_1950 = r.f32();
  const float pm_ra = r.f32();
  const float pm_dec = r.f32();
  const std::int32_t magnitude = r.i32();
  const std::string name = r.short_string(kDesignationCapacity);
  if (!r.ok() || !valid_place(ra_date, dec_date) || !valid_place(ra_1950, dec_1950) ||
      !valid_proper_motion(pm_ra) || !valid_proper_motion(pm_dec) || !valid_magnitude(magnitude)) {
    return false;
  }
  star = tsternrecord{};
  star.ra_date = float_ra(ra_date);
  star.dec_date = dec_date;
  const tvektor mean = polar_to_cartesian(star.ra_date, star.dec_date, 1.0);
  star.mean_x = static_cast<float>(mean.x);
  star.mean_y = static_cast<float>(mean.y);
  star.mean_z = static_cast<float>(mean.z);
  star.ra_apparent = star.ra_date;
  star.dec_apparent = dec_date;
  star.ra_1950 = float_ra(ra_1950);
  star.dec_1950 = dec_1950;
  star.pm_ra = pm_ra;
  star.pm_dec = pm_dec;
  star.magnitude = magnitude;
  star.designation = cp1252_to_utf8(name);
  return true;
}

int cached_year_byte(std::string_view record) {
  return record.size() > kYearOffset ? static_cast<unsigned char>(record[kYearOffset]) : -1;
}

std::uint8_t year_byte(int year) { return static_cast<std::uint8_t>(((year - 1900) % 256 + 256) % 256); }

tstar_file open_star_file(const std::filesystem::path& path, int level) {
  tstar_file file;
  const auto size = catalogue_file_size(path);
  const std::size_t n = size ? static_cast<std::size_t>(*size / kStarRecordSize) : 0;
  const auto first = n > 0 ? read_file_range(path, 0, kStarRecordSize) : std::nullopt;
  if (!first) return file;
  tmagnitude_probe probe(path);
  file.levels = star_levels(n, [&probe](std::size_t i) { return probe(i); });
  file.level = file.levels.clamp(level);
  file.cached_year_byte = cached_year_byte(*first);
  file.status = tstar_file_status::ok;
  return file;
}

void load_star_tail(const std::filesystem::path& path, tstar_file& file, const std::string* image) {
  const std::size_t first = file.levels.first_record(file.level);
  const std::size_t count = file.levels.stars_at(file.level);
  const std::size_t offset = (first - 1) * kStarRecordSize;
  std::optional<std::string> tail;
  if (image && image->size() >= offset + count * kStarRecordSize) {
    tail = image->substr(offset, count * kStarRecordSize);
  } else {
    tail = read_file_range(path, offset, count * kStarRecordSize);
  }
  file.stars.clear();
  if (!tail) {
    file.status = tstar_file_status::missing_or_empty;
    return;
  }
  file.stars.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view rec(tail->data() + i * kStarRecordSize, kStarRecordSize);
    if (!decode_star_record(rec, file.stars[i])) {
      file.stars.clear();
      file.status = tstar_file_status::damaged;
      return;
    }
  }
  file.stars.shrink_to_fit();
}

void refresh_star_image(std::string& image, const tzeitort& z) {
  const tdrehmatrix precession = precession_matrix_equatorial(z.t, kCatalogueEpoch1950);
  const double years = years_since(kCatalogueEpoch1950, z.t);
  const std::uint8_t year = year_byte(z.year);
  const std::size_t n = image.size() / kStarRecordSize;
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t at = i * kStarRecordSize;
    tsternrecord star;
    if (!decode_star_record(std::string_view(image).substr(at, kStarRecordSize), star)) continue;
    const tequatorial date =
        place_of(moved_and_precessed(star.ra_1950, star.dec_1950, star.pm_ra, star.pm_dec, years, precession));
    patch_f32(image, at, float_ra(date.ra));
    patch_f32(image, at + 4, static_cast<float>(date.dec));
    patch_u8(image, at + kYearOffset, year);
  }
}

}  // namespace sdro
