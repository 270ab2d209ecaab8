// The main star file "sterne.dat": fixed 40-byte records, no header, sorted
// from the faintest to the brightest star, so that the brightest K stars are
// the last K records. Little-endian fields:
//
//   0 f32 α of the cached mean place of date   4 f32 δ of it
//   8 f32 α 1950.0                             12 f32 δ 1950.0
//  16 f32 μα, degrees of α per year           20 f32 μδ, degrees per year
//  24 i32 magnitude in hundredths             28 length byte + 8 characters (Windows-1252)
//  37 u8  year of the cached place − 1900     38 2 bytes reserved
//
// The program keeps in memory only the tail brighter than the loading level
// ("Level", tenths of a magnitude).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "astro/zeitort.h"
#include "catalog/star_record.h"

namespace sdro {

inline constexpr std::size_t kStarRecordSize = 40;
inline constexpr const char* kStarFileName = "sterne.dat";
/// Loading levels, tenths of a magnitude.
inline constexpr int kLowestLevel = 50;
inline constexpr int kHighestLevel = 119;
inline constexpr int kDefaultLevel = 60;

/// How many stars each loading level holds, for one star file.
struct tstar_levels {
  std::size_t record_count = 0;  ///< N
  /// Stars not fainter than m/10 for m = 50..119 (index m − 50).
  std::array<std::size_t, kHighestLevel - kLowestLevel + 1> counts{};
  /// The lowest level that holds the whole file (119 when the file has
  /// fainter stars still); the highest level offered to the user.
  int max_level = kLowestLevel;

  /// `level` limited to 50..max_level.
  int clamp(int level) const;
  /// 1-based first record of a level: N − count + 1, the whole file at the maximum level.
  std::size_t first_record(int level) const;
  /// Number of stars loaded at a level (N − first record + 1).
  std::size_t stars_at(int level) const { return record_count - first_record(level) + 1; }
};

/// The level table of a file of `n` records sorted faintest first, from the
/// magnitude (hundredths) of record i (0-based). The counts are found by
/// bisection, so they always describe the file in use.
tstar_levels star_levels(std::size_t n, const std::function<std::int32_t(std::size_t)>& magnitude);

/// Decodes one 40-byte record into the fields a loaded star keeps. False when
/// a field is not a finite number or out of range (δ beyond ±90°, a proper
/// motion beyond 1° per year, a magnitude beyond ±30 mag); the designation's
/// length byte is limited to its field and right ascensions are reduced into
/// [0, 360).
bool decode_star_record(std::string_view record, tsternrecord& star);

/// Year of the cached places of a record image (year byte + 1900).
int cached_year_byte(std::string_view record);
/// The year byte for a calendar year ((year − 1900) modulo 256).
std::uint8_t year_byte(int year);

enum class tstar_file_status { ok, missing_or_empty, damaged };

/// The result of loading the star file.
struct tstar_file {
  tstar_file_status status = tstar_file_status::missing_or_empty;
  tstar_levels levels;
  int level = kDefaultLevel;  ///< the level actually loaded (clamped)
  int cached_year_byte = 0;   ///< year byte of the first record
  tsterne_list stars;
};

/// Reads the level table and the first record of the file (step before loading).
tstar_file open_star_file(const std::filesystem::path& path, int level);
/// Loads the tail of the selected level into `file.stars`; the file image, when
/// given, is used instead of reading the file again (after a refresh).
void load_star_tail(const std::filesystem::path& path, tstar_file& file,
                    const std::string* image = nullptr);

/// The yearly refresh of a file image: every record's cached mean place of
/// date is recomputed for T of `z` from its 1950 place and proper motion, and
/// its year byte set to the year of `z`. Records that do not decode keep their
/// bytes; everything else in the image stays byte for byte.
void refresh_star_image(std::string& image, const tzeitort& z);

}  // namespace sdro
