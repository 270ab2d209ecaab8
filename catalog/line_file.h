// The line file "linien.dat": the points of the constellation figures and
// boundaries, the Milky Way outlines and the deep-sky outlines, drawn by
// fixed index ranges (1-based):
//
//      1..118   figures of the zodiacal constellations
//    119..577   figures of the other constellations
//    578..6718  constellation boundaries
//   6719..7409  Milky Way, coarse
//   7410..7829  Milky Way, fine
//   7830..8571  Milky Way, medium
//   8572..8921  Milky Way, very fine
//   8922..      outlines of deep-sky objects
//
// No header; 28-byte little-endian records, one point each:
//   0 f32 α of the cached mean place of date   4 f32 δ of it (degrees)
//   8 f32 x, 12 f32 y, 16 f32 z of the unit vector, equinox 1950.0
//  20 u8  pen: non-zero starts a new polyline  21 3 bytes reserved
//  24 i32 full year of the cached place
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "astro/zeitort.h"

namespace sdro {

inline constexpr std::size_t kLineRecordSize = 28;
inline constexpr const char* kLineFileName = "linien.dat";
/// The points the table holds; a longer file is cut here.
inline constexpr std::size_t kLineCapacity = 13649;

/// One point of a polyline. The horizontal fields are written for the index
/// ranges the chart draws (ComputeLineHorizon).
struct tlinienpunkt {
  float ra_date = 0.0f;   ///< mean place of date, degrees
  float dec_date = 0.0f;
  float x1950 = 1.0f;     ///< unit vector, equinox 1950.0
  float y1950 = 0.0f;
  float z1950 = 0.0f;
  std::uint8_t pen = 1;   ///< non-zero: move here (start a new polyline)
  float sin_azimuth = 0.0f;
  float cos_azimuth = 1.0f;
  float altitude = 0.0f;
};

/// Decodes a 28-byte record; false when the vector or the place is not
/// finite or out of range.
bool decode_line_record(std::string_view record, tlinienpunkt& point);
/// The full year of a record image.
std::int32_t line_record_year(std::string_view record);

/// An inclusive range of point numbers (1-based); empty when first > last.
struct tline_range {
  std::size_t first = 1;
  std::size_t last = 0;
  bool empty() const { return first > last; }
  std::size_t size() const { return empty() ? 0 : last - first + 1; }
};

/// The blocks of the line table.
enum class tline_block {
  zodiac_figures,
  other_figures,
  boundaries,
  milky_way_coarse,
  milky_way_fine,
  milky_way_medium,
  milky_way_very_fine,
  outlines,
};

/// A block's points, limited to the `count` points present.
tline_range line_block_range(tline_block block, std::size_t count);
/// Any range limited to the `count` points present.
tline_range clamped_line_range(std::size_t first, std::size_t last, std::size_t count);

/// The points whose horizontal coordinates the chart needs: from 1 with the
/// figures on (else from 578) to 6718 with the boundaries on (else 577); a
/// Milky Way level 1..4 replaces the end by 7409, 8571, 8571, 8921; with
/// deep-sky outlines on it is the last point. Limited to the points present.
tline_range line_horizon_range(bool figures, bool boundaries, int milky_way, bool outlines,
                               std::size_t count);

/// The yearly refresh of a file image for its first `count` points: places
/// of date recomputed for T of `z` from the vectors, the year field set to the
/// year of `z`. Records that do not decode, and records beyond `count`, keep
/// their bytes.
void refresh_line_image(std::string& image, const tzeitort& z, std::size_t count);

}  // namespace sdro
