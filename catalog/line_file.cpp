// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/line_file.h"

#include <algorithm>

#include "astro/binary_io.h"
#include "astro/precession.h"
#include "catalog/file_range.h"
#include "catalog/record_checks.h"
#include "catalog/sky_places.h"

namespace sdro {
namespace {

constexpr std::size_t kYearOffset = 24;

struct tblock_bounds {
  std::size_t first;
  std::size_t last;  // 0: to the last point
};

constexpr tblock_bounds kBlocks[] = {
    {1, 118}, {119, 577}, {578, 6718}, {6719, 7409}, {7410, 7829}, {7830, 8571}, {8572, 8921}, {8922, 0},
};

}  // namespace

bool decode_line_record(std::string_view record, tlinienpunkt& point) {
  tbytereader r(record);
  const tplace_and_vector place = read_place_and_vector(r);
  const std::uint8_t pen = r.u8();
  r.skip(3);
  r.i32();
  if (!r.ok() || !place.valid()) return false;
  point = tlinienpunkt{};
  take_place_and_vector(point, place);
  point.pen = pen;
  return true;
}

std::int32_t line_record_year(std::string_view record) {
  tbytereader r(record);
  r.seek(kYearOffset);
  const std::int32_t year = r.i32();
  return r.ok() ? year : 0;
}

tline_range clamped_line_range(std::size_t first, std::size_t last, std::size_t count) {
  tline_range r;
  r.first = std::max<std::size_t>(first, 1);
  r.last = std::min(last, std::min(count, kLineCapacity));
  return r;
}

tline_range line_block_range(tline_block block, std::size_t count) {
  const tblock_bounds& b = kBlocks[static_cast<int>(block)];
  return clamped_line_range(b.first, b.last == 0 ? count : b.last, count);
}

tline_range line_horizon_range(bool figures, bool boundaries, int milky_way, bool outlines,
                               std::size_t count) {
  const std::size_t first = figures ? 1 : 578;
  std::size_t last = boundaries ? 6718 : 577;
  constexpr std::size_t kMilkyWayEnd[] = {0, 7409, 8571, 8571, 8921};
  if (milky_way >= 1 && milky_way <= 4) last = kMilkyWayEnd[milky_way];
  if (outlines) last = count;
  return clamped_line_range(first, last, count);
}

void refresh_line_image(std::string& image, const tzeitort& z, std::size_t count) {
  const tdrehmatrix precession = precession_matrix_equatorial(z.t, kCatalogueEpoch1950);
  const std::size_t n = std::min(image.size() / kLineRecordSize, count);
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t at = i * kLineRecordSize;
    tlinienpunkt point;
    if (!decode_line_record(std::string_view(image).substr(at, kLineRecordSize), point)) continue;
    const tequatorial date = place_of(transformed(precession, {point.x1950, point.y1950, point.z1950}));
    patch_f32(image, at, float_ra(date.ra));
    patch_f32(image, at + 4, static_cast<float>(date.dec));
    patch_i32(image, at + kYearOffset, z.year);
  }
}

}  // namespace sdro
