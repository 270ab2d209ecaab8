// The shipped data directory read with the program's own catalogue readers:
// every record decodes, the blocks and levels are what the chart expects,
// and a star found in the zone catalogues lies where ERFA puts it
// (tests/data/star_places.csv, from make_fixtures.py).
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "astro/derived_fields.h"
#include "astro/file_io.h"
#include "catalog/deep_sky.h"
#include "catalog/line_file.h"
#include "catalog/star_file.h"
#include "catalog/zone_catalogue.h"
#include "places/earth_map.h"
#include "places/file_kinds.h"
#include "places/location_file.h"

namespace sdro {
namespace {

const std::filesystem::path kData = std::filesystem::path(SDRO_SOURCE_DIR) / "data";

std::string shipped(const char* name) {
  const auto image = read_whole_file(kData / name);
  EXPECT_TRUE(image.has_value()) << name;
  return image.value_or(std::string());
}

double separation_arcsec(double ra1, double dec1, double ra2, double dec2) {
  const double d = std::numbers::pi / 180.0;
  const double c = std::sin(dec1 * d) * std::sin(dec2 * d) + std::cos(dec1 * d) * std::cos(dec2 * d) * std::cos((ra1 - ra2) * d);
  return std::acos(std::fmin(1.0, c)) / d * 3600.0;
}

TEST(ShippedStarFile, LoadsTheLevelAndDecodesEveryRecord) {
  const std::string image = shipped(kStarFileName);
  tstar_file file = open_star_file(kData / kStarFileName, kDefaultLevel);
  ASSERT_EQ(file.status, tstar_file_status::ok);
  EXPECT_EQ(file.levels.record_count, image.size() / kStarRecordSize);
  EXPECT_EQ(file.levels.max_level, 97);   // every star of the file is brighter than 9.7
  load_star_tail(kData / kStarFileName, file);
  EXPECT_EQ(file.stars.size(), file.levels.stars_at(kDefaultLevel));
  ASSERT_FALSE(file.stars.empty());
  EXPECT_EQ(file.stars.back().designation, "Sirius");
  EXPECT_EQ(file.stars.back().magnitude, -143);
  tsternrecord star;
  std::size_t bad = 0;
  for (std::size_t at = 0; at + kStarRecordSize <= image.size(); at += kStarRecordSize)
    bad += decode_star_record(std::string_view(image).substr(at, kStarRecordSize), star) ? 0 : 1;
  EXPECT_EQ(bad, 0u);
}

TEST(ShippedLineFile, EveryBlockStartsAPolylineAndEveryPointDecodes) {
  const std::string image = shipped(kLineFileName);
  const std::size_t count = image.size() / kLineRecordSize;
  ASSERT_LE(count, kLineCapacity);
  std::vector<tlinienpunkt> points(count);
  for (std::size_t i = 0; i < count; ++i)
    ASSERT_TRUE(decode_line_record(std::string_view(image).substr(i * kLineRecordSize, kLineRecordSize), points[i])) << i + 1;
  for (const tline_block block : {tline_block::zodiac_figures, tline_block::other_figures, tline_block::boundaries,
                                  tline_block::milky_way_coarse, tline_block::milky_way_fine,
                                  tline_block::milky_way_medium, tline_block::milky_way_very_fine,
                                  tline_block::outlines}) {
    const tline_range r = line_block_range(block, count);
    ASSERT_FALSE(r.empty()) << static_cast<int>(block);
    EXPECT_NE(points[r.first - 1].pen, 0) << "block starting at point " << r.first;
  }
  // 2000 as shipped, the year of the last run of the program after that
  EXPECT_GE(line_record_year(std::string_view(image).substr(0, kLineRecordSize)), 2000);
}

TEST(ShippedDeepSkyFile, EveryObjectDecodesWithTypeAndSize) {
  const std::string image = shipped(kNebulaFileName);
  std::size_t galaxies = 0;
  bool m31 = false, ngc7000 = false;
  tnebelrecord object;
  for (std::size_t at = 0; at + 48 <= image.size(); at += 48) {
    ASSERT_TRUE(decode_nebula_record(std::string_view(image).substr(at, 48), object)) << at / 48;
    galaxies += object.type == 2 ? 1 : 0;
    if (object.designation == "M 31") {
      m31 = true;
      EXPECT_EQ(object.type, 2);
      EXPECT_GT(object.major, 100);
      EXPECT_NE(nebula_info_text(object).find("M 31, "), std::string::npos);
    }
    if (object.designation == "7000") {
      ngc7000 = true;
      EXPECT_EQ(nebula_info_text(object).rfind("NGC 7000, ", 0), 0u);
    }
  }
  EXPECT_TRUE(m31);
  EXPECT_TRUE(ngc7000);
  EXPECT_GT(galaxies, 10000u);
}

TEST(ShippedZoneCatalogues, FindSiriusWhereErfaPutsIt) {
  if (!std::filesystem::exists(kData / "0001+0+1.dat") || !std::filesystem::exists(kData / "0001+0+1.ppm"))
    GTEST_SKIP() << "zone catalogues not built (tools/data/make_zones.sh)";
  tzeitort z;
  z.mjd = 60675.75 - 69.0 / 86400.0;  // J2025.0 in dynamical time, with ΔT of about 69 s
  update_derived_fields(z, false);
  // ERFA: Hipparcos place and motion carried to J2025.0, mean equator and equinox of date
  const double ra = 101.5624990, dec = -16.7521737;
  for (const auto& [catalogue, query] : {std::pair{tzone_catalogue::sao, "151881"},
                                         std::pair{tzone_catalogue::ppm, "hip32349"}}) {
    const tzone_star_found f = FindZoneStar(kData, catalogue, z, false, query);
    ASSERT_TRUE(f.found) << query;
    EXPECT_LT(separation_arcsec(f.ra, f.dec, ra, dec), 1.0) << query;
    EXPECT_EQ(f.magnitude, -14) << query;
  }
}

TEST(ShippedLocationFile, PassesTheKindCheckAndEveryLineIsAPlace) {
  EXPECT_TRUE(check_file_kind("orte", kData / "Orte.csv", german).ok);
  const std::string image = shipped("Orte.csv");
  std::size_t lines = 0;
  for (char c : image) lines += c == '\n' ? 1 : 0;
  const std::vector<tlocation> places = parse_location_file(image);
  EXPECT_EQ(places.size(), lines - 1);  // all but the kind line
  auto find = [&places](const std::string& name) {
    for (const tlocation& p : places)
      if (p.name == name) return p.data;
    ADD_FAILURE() << name << " missing";
    return TOrtdatens{};
  };
  const TOrtdatens kassel = find("Kassel");  // 51°19' N, 9°30' E, Central European time
  EXPECT_NEAR(kassel.longitude, -9.5, 0.05);
  EXPECT_NEAR(kassel.latitude, 51.32, 0.05);
  EXPECT_EQ(kassel.zone, 1);
  EXPECT_EQ(find("München").zone, 1);  // Windows-1252 umlaut read as UTF-8
  EXPECT_NEAR(find("New York City").longitude, 74.0, 0.1);
}

TEST(ShippedEarthMap, ReadsWholeWithCoastlinesAndCities) {
  const tearth_map_load load = read_earth_map(kData);
  ASSERT_TRUE(load.ok) << load.message;
  EXPECT_GE(load.map.lines.size(), 481u);
  bool berlin = false;
  for (const tmap_city& c : load.map.cities) {
    if (c.name != "Berlin") continue;
    berlin = true;
    EXPECT_NEAR(c.place.east_longitude, 13.41, 0.05);
    EXPECT_NEAR(c.place.latitude, 52.52, 0.05);
  }
  EXPECT_TRUE(berlin);
}

}  // namespace
}  // namespace sdro
