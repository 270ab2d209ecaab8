// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/star_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "catalog/tests/catalog_files.h"

namespace sdro {
namespace {

using test::star_record;
using test::tdata_folder;
using test::tstar_fields;

// Magnitudes of a file sorted faintest first: 40 at 9.00, 30 at 7.00,
// 20 at 6.50, 10 at 4.50.
std::vector<std::int32_t> sample_magnitudes() {
  std::vector<std::int32_t> m;
  m.insert(m.end(), 40, 900);
  m.insert(m.end(), 30, 700);
  m.insert(m.end(), 20, 650);
  m.insert(m.end(), 10, 450);
  return m;
}

tstar_levels levels_of(const std::vector<std::int32_t>& m) {
  return star_levels(m.size(), [&m](std::size_t i) { return m[i]; });
}

TEST(StarLevels, CountsMaximumAndFirstRecordDescribeTheFile) {
  const tstar_levels l = levels_of(sample_magnitudes());
  EXPECT_EQ(l.max_level, 90);  // the lowest level holding all 100 stars
  struct Case {
    int level;
    int clamped;
    std::size_t first;
    std::size_t stars;
  };
  const Case cases[] = {
      {50, 50, 91, 10},
      {64, 64, 91, 10},
      {65, 65, 71, 30},  // 6.50 is not fainter than 6.5
      {70, 70, 41, 60},
      {89, 89, 41, 60},
      {90, 90, 1, 100},
      {100, 90, 1, 100},  // lowered to the maximum level
      {30, 50, 91, 10},   // raised to the lowest level
  };
  for (const Case& c : cases) {
    EXPECT_EQ(l.clamp(c.level), c.clamped) << c.level;
    EXPECT_EQ(l.first_record(c.level), c.first) << c.level;
    EXPECT_EQ(l.stars_at(c.level), c.stars) << c.level;
  }
}

TEST(StarLevels, ASmallFileOfBrightStarsLoadsWhole) {
  // Fewer stars than any level of a full catalogue holds, all brighter than
  // 5.0: the lowest level already holds everything.
  const tstar_levels l = levels_of({400, 300, 200, 100, -100});
  EXPECT_EQ(l.max_level, 50);
  EXPECT_EQ(l.stars_at(60), 5u);
  EXPECT_EQ(l.first_record(60), 1u);
}

TEST(StarLevels, AFileWithStarsFainterThanEveryLevelKeepsTheHighestLevel) {
  const tstar_levels l = levels_of({1300, 1250, 600});
  EXPECT_EQ(l.max_level, 119);
  EXPECT_EQ(l.stars_at(118), 1u);
  EXPECT_EQ(l.stars_at(119), 3u);  // the highest level loads the whole file
}

std::string sample_file() {
  std::string file;
  int i = 0;
  for (const std::int32_t m : sample_magnitudes()) {
    tstar_fields f;
    f.ra = f.ra_date = static_cast<float>(i);
    f.dec = f.dec_date = 10.0f;
    f.magnitude = m;
    f.name = "S" + std::to_string(i++);
    file += star_record(f);
  }
  return file;
}

TEST(StarFile, LoadsTheTailOfTheLevelInFileOrder) {
  tdata_folder dir("tail");
  dir.write("sterne.dat", sample_file() + "trailing");  // trailing bytes are ignored
  tstar_file file = open_star_file(dir / "sterne.dat", 65);
  ASSERT_EQ(file.status, tstar_file_status::ok);
  EXPECT_EQ(file.levels.record_count, 100u);
  EXPECT_EQ(file.cached_year_byte, 100);
  load_star_tail(dir / "sterne.dat", file);
  ASSERT_EQ(file.status, tstar_file_status::ok);
  ASSERT_EQ(file.stars.size(), 30u);
  EXPECT_EQ(file.stars.front().designation, "S70");
  EXPECT_EQ(file.stars.back().designation, "S99");
  EXPECT_EQ(file.stars.back().magnitude, 450);
  EXPECT_FLOAT_EQ(file.stars.back().ra_1950, 99.0f);
}

TEST(StarFile, MissingOrEmptyFileIsReported) {
  tdata_folder dir("missing");
  EXPECT_EQ(open_star_file(dir / "sterne.dat", 60).status, tstar_file_status::missing_or_empty);
  dir.write("sterne.dat", std::string(39, '\0'));  // less than one record
  EXPECT_EQ(open_star_file(dir / "sterne.dat", 60).status, tstar_file_status::missing_or_empty);
}

TEST(StarRecord, FieldsAreCheckedAndClampedToTheirRange) {
  tsternrecord s;
  tstar_fields f;
  f.name = "Sirius";
  f.length_byte = 200;  // beyond the 8-character field
  f.ra = 360.0f;        // a place that rounds to 360
  f.ra_date = -0.0f;
  ASSERT_TRUE(decode_star_record(star_record(f), s));
  EXPECT_EQ(s.designation.size(), 8u);
  EXPECT_EQ(s.designation.substr(0, 6), "Sirius");
  EXPECT_EQ(s.ra_1950, 0.0f);

  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  tstar_fields bad[5];
  bad[0].dec = 90.5f;
  bad[1].ra = nan;
  bad[2].pm_ra = inf;
  bad[3].pm_dec = 2.0f;  // two degrees a year
  bad[4].magnitude = 100000;
  for (const tstar_fields& b : bad) EXPECT_FALSE(decode_star_record(star_record(b), s));
}

TEST(StarFile, ADamagedRecordInTheLoadedTailMakesTheFileDamaged) {
  tdata_folder dir("damaged");
  std::string bytes = sample_file();
  tstar_fields bad;
  bad.dec = 123.0f;
  bad.magnitude = 300;
  bytes += star_record(bad);
  dir.write("sterne.dat", bytes);
  tstar_file file = open_star_file(dir / "sterne.dat", 60);
  load_star_tail(dir / "sterne.dat", file);
  EXPECT_EQ(file.status, tstar_file_status::damaged);
  EXPECT_TRUE(file.stars.empty());
}

TEST(StarFile, YearByteWrapsModulo256) {
  EXPECT_EQ(year_byte(2000), 100);
  EXPECT_EQ(year_byte(2155), 255);
  EXPECT_EQ(year_byte(2156), 0);
  EXPECT_EQ(year_byte(1899), 255);
}

}  // namespace
}  // namespace sdro
