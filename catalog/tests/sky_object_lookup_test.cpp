// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/sky_object_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "astro/angles.h"
#include "catalog/tests/catalog_files.h"

namespace sdro {
namespace {

using test::tdata_folder;

double separation_arcsec(const tequatorial& a, double ra, double dec) {
  const tvektor u = polar_to_cartesian(a.ra, a.dec, 1.0);
  const tvektor v = polar_to_cartesian(ra, dec, 1.0);
  return std::atan2(length(cross(u, v)), dot(u, v)) * kRadToDeg * 3600.0;
}

std::unique_ptr<tstars> open(const std::filesystem::path& dir, const tzeitort& z, int level) {
  tstars_setup setup;
  setup.data_directory = dir;
  setup.level = level;
  setup.check_year = false;
  setup.folder_writable = [](const std::filesystem::path&) { return false; };
  tstars_status status;
  return tstars::create(setup, z, status);
}

TEST(SkyObjectLookup, StarsZoneStarsAndDeepSkyObjectsByTheirDesignations) {
  tdata_folder dir("lookup");
  std::string stars;
  for (const auto& [name, magnitude] : {std::pair{"Sirius", 300}, {"Vega", 3}, {"Sirius", -146}}) {
    test::tstar_fields f;
    f.ra = 100.0f;
    f.dec = -16.6f;
    f.name = name;
    f.magnitude = magnitude;
    stars += test::star_record(f);
  }
  dir.write("sterne.dat", stars);
  dir.write("linien.dat", test::line_file(5, 2000));
  test::tnebula_fields ngc, messier;
  messier.name = "M 42";
  dir.write("nebel_ext.dat", test::nebula_record(ngc) + test::nebula_record(messier));
  dir.write("0001+0+1.dat", test::zone_record(3.0f, 4.0f, 65, "  123"));
  const tzeitort z = test::instant(2024, 5, 5, 20.0);
  auto s = open(dir.path(), z, 60);
  ASSERT_TRUE(s);

  struct Case {
    const char* query;
    tsky_object_kind kind;
    const char* name;
    double magnitude;
  };
  const Case cases[] = {
      {"sirius", tsky_object_kind::star, "Sirius", -1.46},  // the brightest of equal names
      {" VEGA ", tsky_object_kind::star, "Vega", 0.03},
      {"M42", tsky_object_kind::deep_sky, "M 42", 8.0},
      {"ngc 7000", tsky_object_kind::deep_sky, "NGC 7000", 8.0},
      {"SAO 123", tsky_object_kind::zone_star, "SAO 123", 6.5},
      {"PPM 123", tsky_object_kind::none, "", 0},  // no PPM files
      {"7000", tsky_object_kind::none, "", 0},
      {"Wega", tsky_object_kind::none, "", 0},
  };
  for (const Case& c : cases) {
    const tsky_object o = find_sky_object(*s, c.query, z, true);
    EXPECT_EQ(o.kind, c.kind) << c.query;
    EXPECT_EQ(o.name, c.name) << c.query;
    EXPECT_NEAR(o.magnitude, c.magnitude, 1e-9) << c.query;
  }
  // The places are those the chart draws: the records of the recompute.
  const tsky_object sirius = find_sky_object(*s, "Sirius", z, true);
  const tsternrecord& record = s->stars()[sirius.index];
  EXPECT_EQ(sirius.apparent.ra, record.ra_apparent);
  EXPECT_EQ(sirius.altitude, record.altitude);
  const tsky_object zone = find_sky_object(*s, "SAO 123", z, false);
  const thorizontal_place h = horizontal_place(zone.apparent, s->horizon());
  EXPECT_FLOAT_EQ(static_cast<float>(zone.altitude), h.altitude);
}

// The shipped star file against PyEphem's own catalogue of bright stars.
TEST(SkyObjectLookup, BrightStarsOfTheShippedFileAgreeWithPyEphem) {
  std::ifstream in(std::string(SDRO_TEST_DATA) + "/bright_stars_pyephem.csv");
  std::string line;
  int compared = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::stringstream ss(line);
    std::string name, when, field;
    std::getline(ss, name, ',');
    std::getline(ss, when, ',');
    double v[6];
    for (double& x : v) {
      std::getline(ss, field, ',');
      x = std::stod(field);
    }
    int year, month, day, hour, minute, second;
    std::sscanf(when.c_str(), "%d/%d/%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second);
    // Apparent places go with the apparent sidereal time (the option "uselast").
    tzeitort z = test::instant(year, month, day, hour + minute / 60.0 + second / 3600.0, v[0], -v[1], true);
    auto s = open(std::filesystem::path(SDRO_SOURCE_DIR) / "data", z, 60);
    ASSERT_TRUE(s);
    s->set_azimuth_origin(azimutNord);
    const tsky_object o = find_sky_object(*s, name, z, true);
    ASSERT_EQ(o.kind, tsky_object_kind::star) << name;
    // Two catalogues and two reductions: agreement to a second of arc.
    EXPECT_LT(separation_arcsec(o.apparent, v[2], v[3]), 1.5) << name << " " << when;
    EXPECT_NEAR(o.altitude, v[4], 1.5 / 3600.0) << name << " " << when;
    EXPECT_LT(std::fabs(std::remainder(o.azimuth - v[5], 360.0)) * std::cos(v[4] * kDegToRad), 1.5 / 3600.0)
        << name << " " << when;
    ++compared;
  }
  EXPECT_GE(compared, 20);
}

}  // namespace
}  // namespace sdro
