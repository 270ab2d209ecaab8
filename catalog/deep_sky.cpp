// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/deep_sky.h"

#include <algorithm>

#include "astro/binary_io.h"
#include "astro/cp1252.h"
#include "astro/language.h"
#include "astro/precession.h"
#include "catalog/designations.h"
#include "catalog/file_range.h"
#include "catalog/record_checks.h"
#include "catalog/sky_places.h"
#include "catalog/star_file.h"

namespace sdro {
namespace {

constexpr std::size_t kNameOffset = 24;
constexpr std::size_t kTypeOffset = 40;
constexpr std::size_t kYearOffset = 41;

}  // namespace

bool decode_nebula_record(std::string_view record, tnebelrecord& object) {
  tbytereader r(record);
  const tplace_and_vector place = read_place_and_vector(r);
  const std::int32_t magnitude = r.i32();
  const std::string name = r.short_string(kNebulaDesignationLength);
  const std::uint8_t type = r.u8();
  r.u8();
  const std::int16_t major = r.i16();
  const std::int16_t minor = r.i16();
  const std::int16_t angle = r.i16();
  if (!r.ok() || !place.valid()) return false;
  object = tnebelrecord{};
  take_place_and_vector(object, place);
  object.magnitude = magnitude;
  object.designation = cp1252_to_utf8(name);
  object.type = type;
  object.major = major;
  object.minor = minor;
  object.position_angle = angle;
  return true;
}

int nebula_year_byte(std::string_view record) {
  return record.size() > kYearOffset ? static_cast<unsigned char>(record[kYearOffset]) : -1;
}

tnebula_group nebula_group(int type) {
  switch (type) {
    case 0:
    case 1:
      return tnebula_group::clusters;
    case 2:
      return tnebula_group::galaxies;
    case 3:
    case 4:
      return tnebula_group::nebulae;
    case 5:
      return tnebula_group::uncertain;
    default:
      return tnebula_group::none;
  }
}

std::string nebula_type_text(int type) {
  switch (type) {
    case 0:
      return std::string(tr("offener Sternhaufen", "Open Cluster"));
    case 1:
      return std::string(tr("Kugelsternhaufen", "Glubular Cluster"));
    case 2:
      return std::string(tr("Galaxie", "Galaxy"));
    case 3:
      return std::string(tr("diffuser Gasnebel", "Diffuse Nebula"));
    case 4:
      return std::string(tr("planetarischer Nebel", "Planetary Nebula"));
    case 5:
      return std::string(tr("Typ unbekannt oder unsicheres Objekt", "Unknown Type or uncertain Object"));
    default:
      return {};
  }
}

std::string nebula_info_text(const tnebelrecord& object) {
  std::string text = deep_sky_display_name(object.designation);
  const std::string type = nebula_type_text(object.type);
  if (!type.empty()) text += ", " + type;
  if (object.major < -99) return text;
  if (object.major != 0) text += ", " + std::to_string(object.major) + "'";
  if (object.minor != 0) text += "x" + std::to_string(object.minor) + "'";
  if (object.position_angle != 0) {
    text += std::string(tr(", Positionswinkel: ", ", Pos.-Angle: ")) +
            std::to_string(object.position_angle) + "°";
  }
  return text;
}

void refresh_nebula_image(std::string& image, const tzeitort& z) {
  const tdrehmatrix precession = precession_matrix_equatorial(z.t, kCatalogueEpoch1950);
  const std::uint8_t year = year_byte(z.year);
  const std::size_t n = image.size() / kNebulaRecordSize;
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t at = i * kNebulaRecordSize;
    tnebelrecord object;
    if (!decode_nebula_record(std::string_view(image).substr(at, kNebulaRecordSize), object)) continue;
    const tequatorial date = place_of(transformed(precession, {object.x1950, object.y1950, object.z1950}));
    patch_f32(image, at, float_ra(date.ra));
    patch_f32(image, at + 4, static_cast<float>(date.dec));
    const auto length = static_cast<unsigned char>(image[at + kNameOffset]);
    patch_u8(image, at + kNameOffset,
             static_cast<std::uint8_t>(std::min<std::size_t>(length, kNebulaDesignationLength)));
    patch_u8(image, at + kYearOffset, year);
  }
  static_assert(kTypeOffset == kNameOffset + 1 + kNebulaDesignationLength);
}

}  // namespace sdro
