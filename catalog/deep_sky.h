// The deep-sky objects of "nebel_ext.dat" (clusters, galaxies, nebulae).
//
// No header; 48-byte little-endian records:
//   0 f32 α of the cached mean place of date   4 f32 δ of it (degrees)
//   8 f32 x, 12 f32 y, 16 f32 z of the unit vector, equinox 1950.0
//  20 i32 magnitude in hundredths             24 length byte + 15 characters (Windows-1252)
//  40 u8  object type                         41 u8 year of the cached place − 1900
//  42 i16 major diameter, arcminutes           44 i16 minor diameter, arcminutes
//  46 i16 position angle, degrees
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "astro/zeitort.h"

namespace sdro {

inline constexpr std::size_t kNebulaRecordSize = 48;
inline constexpr const char* kNebulaFileName = "nebel_ext.dat";
inline constexpr std::size_t kNebulaDesignationLength = 15;

/// One deep-sky object. The horizontal fields are written by the recompute,
/// the screen position (top-left corner of the symbol) by the chart drawing.
struct tnebelrecord {
  float ra_date = 0.0f;   ///< mean place of date, degrees
  float dec_date = 0.0f;
  float x1950 = 1.0f;     ///< unit vector, equinox 1950.0
  float y1950 = 0.0f;
  float z1950 = 0.0f;
  float sin_azimuth = 0.0f;
  float cos_azimuth = 1.0f;
  float altitude = 0.0f;
  std::int32_t magnitude = 0;  ///< hundredths
  std::string designation;     ///< UTF-8; a bare number is an NGC number
  std::uint8_t type = 5;       ///< 0 open cluster … 5 unknown or uncertain
  std::int16_t major = 0;      ///< arcminutes
  std::int16_t minor = 0;      ///< arcminutes
  std::int16_t position_angle = 0;  ///< degrees
  std::int32_t x = -10;
  std::int32_t y = -10;
};

using tnebel_list = std::vector<tnebelrecord>;

/// Decodes a 48-byte record; false when the vector or the places are not
/// finite or out of range. The designation's length byte is limited to 15.
bool decode_nebula_record(std::string_view record, tnebelrecord& object);
/// Year byte of a record image.
int nebula_year_byte(std::string_view record);

/// The object groups the chart shows or hides separately.
enum class tnebula_group { clusters, nebulae, galaxies, uncertain, none };
/// Group of a type: 0, 1 clusters; 3, 4 nebulae; 2 galaxies; 5 uncertain.
tnebula_group nebula_group(int type);

/// Type text in the current language; empty for an unknown code.
std::string nebula_type_text(int type);

/// The information text: designation (a number with the prefix "NGC "), the
/// type, and, when the major diameter is at least −99, the size in
/// arcminutes and the position angle where they are not zero.
std::string nebula_info_text(const tnebelrecord& object);

/// The yearly refresh of a file image: every record's cached place of date
/// recomputed for T of `z` from its vector, the designation's length cut to
/// 15 and the year byte set to the year of `z`. Records that do not decode
/// keep their bytes.
void refresh_nebula_image(std::string& image, const tzeitort& z);

}  // namespace sdro
