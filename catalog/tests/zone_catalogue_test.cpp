// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/zone_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "astro/language.h"
#include "catalog/tests/catalog_files.h"

namespace sdro {
namespace {

using test::tdata_folder;
using test::zone_record;

bool contains(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }

TEST(ZoneTable, NamesAndCentres) {
  struct Case {
    int zone;
    tzone_catalogue catalogue;
    const char* name;
    double ra_hours, dec;
  };
  const Case cases[] = {
      {1, tzone_catalogue::sao, "0001+0+1", 0.5, 5},
      {24, tzone_catalogue::ppm, "2324+0+1", 23.5, 5},
      {168, tzone_catalogue::sao, "2324+6+7", 23.5, 65},
      {169, tzone_catalogue::sao, "0001-1+0", 0.5, -5},
      {193, tzone_catalogue::ppm, "0001-2-1", 0.5, -15},
      {313, tzone_catalogue::ppm, "0001-7-6", 0.5, -65},  // the two tables differ here
      {313, tzone_catalogue::sao, "0001-6-7", 0.5, -65},
      {337, tzone_catalogue::sao, "0102+7+8", 1, 75},
      {348, tzone_catalogue::sao, "2324+7+8", 23, 75},
      {360, tzone_catalogue::ppm, "2324-7-8", 23, -75},
      {361, tzone_catalogue::sao, "0024+8+9", 0, 90},
      {362, tzone_catalogue::ppm, "0024-8-9", 0, -90},
  };
  for (const Case& c : cases) {
    const tzone& z = zone_of_table(c.zone, c.catalogue);
    EXPECT_EQ(z.name, c.name) << c.zone;
    EXPECT_EQ(z.ra_hours, c.ra_hours) << c.zone;
    EXPECT_EQ(z.dec, c.dec) << c.zone;
  }
  EXPECT_EQ(zone_file("/d", 313, tzone_catalogue::ppm), std::filesystem::path("/d/0001-7-6.ppm"));
  EXPECT_EQ(zone_file("/d", 313, tzone_catalogue::sao), std::filesystem::path("/d/0001-6-7.dat"));
}

TEST(ZoneTable, ZonesOfAMapByTheirNineSamplePoints) {
  // A small map on the centre of zone 55 (6h..7h, +20°..+30°).
  const std::vector<int> near = zones_for_map({97.5, 25.0, 1.0}, tzone_catalogue::ppm, 0.0);
  EXPECT_TRUE(contains(near, 55));
  EXPECT_TRUE(contains(near, 54));   // a sample point at 6h is 6.8° away
  EXPECT_TRUE(contains(near, 31));   // 6h..7h, +10°..+20°: sample at +15° is 10° away
  EXPECT_FALSE(contains(near, 57));  // nearest sample at 8h: about 20° away
  EXPECT_FALSE(contains(near, 1));
  EXPECT_FALSE(contains(near, 361));
  // The pole cap is read for a map near the pole.
  EXPECT_TRUE(contains(zones_for_map({0.0, 85.0, 2.0}, tzone_catalogue::sao, 0.0), 361));
}

class ZoneFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    // Zone 55 (6h..7h, +20°..+30°), brightest first; equinox 2000.0 (PPM).
    dir_.write("0607+2+3.ppm", zone_record(97.5f, 25.0f, 40, "123      ") + zone_record(97.6f, 25.1f, 80, "HIP42") +
                                   zone_record(99.0f, 27.0f, 95, "77") + zone_record(97.5f, 25.2f, 105, "9"));
    // Zone 1 exists so that the catalogue counts as present.
    dir_.write("0001+0+1.ppm", zone_record(7.0f, 5.0f, 30, "1"));
    // Zone 54: its first star is already fainter than the limit.
    dir_.write("0506+2+3.ppm", zone_record(88.0f, 25.0f, 101, "5"));
    z_ = test::instant(2000, 1, 1, 12.0);
  }
  tzone_request request(double radius, int limit) const {
    tzone_request r;
    r.data_directory = dir_.path();
    r.catalogue = tzone_catalogue::ppm;
    r.map = {97.5, 25.0, radius};
    r.limit = limit;
    return r;
  }
  tdata_folder dir_{"zones"};
  tzeitort z_;
};

TEST_F(ZoneFiles, ReadingStopsAtTheLimitAndSkipsMissingZones) {
  TSAOList list;
  int drawn = 0;
  std::vector<int> progress;
  const tzone_read_result r = ReadZoneStars(
      list, request(1.0, 1000), z_,
      [&drawn](tsaoobjekt& s, const thorizontal_place& h) {
        ++drawn;
        EXPECT_GT(h.altitude, 90.0 - 1.5);
        s.x = 5;
      },
      [&progress](int p) { progress.push_back(p); });
  // 4.0, 8.0 and 9.5 are read (the last is 1.9° away: outside 1.5 radii), 10.5
  // stops the zone; zone 54 gives nothing; the other zones have no file.
  ASSERT_EQ(r.stars, 2u);
  EXPECT_EQ(list.count(), 2u);
  EXPECT_EQ(drawn, 2);
  EXPECT_EQ(list[0].designation, "123      ");
  EXPECT_EQ(list[1].designation, "HIP42");
  EXPECT_EQ(list[0].x, 5);
  EXPECT_EQ(r.zones_read, 2);
  EXPECT_GT(r.zones_missing, 0);
  EXPECT_FALSE(progress.empty());
  // A wider map and a higher limit: the list is refilled, objects reused. The
  // star of zone 54 is now read but lies 8.6° away, beyond 1.5 radii.
  const tzone_read_result wide = ReadZoneStars(list, request(5.0, 1100), z_);
  EXPECT_EQ(wide.stars, 4u);
  EXPECT_EQ(list[0].x, -10);
}

TEST_F(ZoneFiles, FindAStarByItsDesignation) {
  LanguageScope en(english);
  struct Case {
    const char* query;
    bool found;
    const char* text;
  };
  const Case cases[] = {
      {"123", true, "PPM 123"},  // padded with blanks in the file
      {" hip42 ", true, " HIP42"},
      {"124", false, "  not found"},
      {"", false, "  not found"},
  };
  for (const Case& c : cases) {
    const tzone_star_found f = FindZoneStar(dir_.path(), tzone_catalogue::ppm, z_, false, c.query);
    EXPECT_EQ(f.found, c.found) << c.query;
    EXPECT_EQ(zone_search_text(tzone_catalogue::ppm, f), c.text) << c.query;
  }
  const tzone_star_found f = FindZoneStar(dir_.path(), tzone_catalogue::ppm, z_, false, "123");
  EXPECT_EQ(f.zone, 55);
  // The equinox of the PPM catalogue is the date: the place comes back.
  EXPECT_NEAR(f.ra, 97.5, 1e-4);
  EXPECT_NEAR(f.dec, 25.0, 1e-4);
  {
    LanguageScope de(german);
    EXPECT_EQ(zone_search_text(tzone_catalogue::sao, {}), "  nicht gefunden");
  }
  int steps = 0;
  const tzone_star_found cancelled =
      FindZoneStar(dir_.path(), tzone_catalogue::ppm, z_, false, "123", [&steps](int) { return ++steps < 3; });
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_FALSE(cancelled.found);
  EXPECT_EQ(steps, 3);
}

TEST_F(ZoneFiles, ForeignBytesInAZoneFileAreSkippedRecordByRecord) {
  std::mt19937 random(7);
  std::string bytes(28 * 500, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  dir_.write("0607+2+3.ppm", bytes);
  TSAOList list;
  const tzone_read_result r = ReadZoneStars(list, request(5.0, 32767), z_);
  EXPECT_LE(r.stars, 500u);
  for (const tsaoobjekt& s : list) {
    EXPECT_TRUE(std::isfinite(s.ra) && s.ra >= 0.0f && s.ra < 360.0f);
    EXPECT_LE(s.designation.size(), 3 * 9u);  // nine characters, each at most three bytes of UTF-8
  }
  EXPECT_FALSE(FindZoneStar(dir_.path(), tzone_catalogue::ppm, z_, true, "no such star").found);
}

TEST(ZoneCatalogueUse, DecisionAndTheCatalogueChosen) {
  bool ppm = false;
  EXPECT_TRUE(UseZoneCatalogue(true, true, true, 15.0, 300, false, ppm));
  EXPECT_FALSE(ppm);
  EXPECT_FALSE(UseZoneCatalogue(true, true, true, 30.5, 300, false, ppm));
  EXPECT_FALSE(UseZoneCatalogue(true, true, true, 15.0, 300, true, ppm));   // animation
  EXPECT_FALSE(UseZoneCatalogue(false, true, true, 15.0, 300, false, ppm)); // not the zoom chart
  EXPECT_FALSE(UseZoneCatalogue(true, false, false, 15.0, 300, false, ppm));
  // Only PPM installed: PPM is used even though it was off.
  EXPECT_TRUE(UseZoneCatalogue(true, false, true, 15.0, 300, false, ppm));
  EXPECT_TRUE(ppm);
  EXPECT_EQ(chosen_zone_catalogue(false, false, true), tzone_catalogue::ppm);
  EXPECT_EQ(chosen_zone_catalogue(true, true, false), tzone_catalogue::sao);
  EXPECT_EQ(chosen_zone_catalogue(true, true, true), tzone_catalogue::ppm);
}

}  // namespace
}  // namespace sdro

namespace sdro {
namespace {

TEST(ZoneSearchDialog, MapDiameterIsDegreesFromHalfToSixty) {
  struct Case {
    const char* text;
    double value;  // 0: rejected
  };
  const Case cases[] = {{"2", 2}, {"0,5", 0.5}, {" 12.25 ", 12.25}, {"60", 60}, {"0,49", 0},
                        {"60,01", 0}, {"", 0}, {"2°", 0}, {"zwei", 0}, {"nan", 0}};
  for (const Case& c : cases) {
    const auto d = parse_map_diameter(c.text);
    EXPECT_EQ(d.has_value(), c.value != 0) << c.text;
    if (d) {
      EXPECT_EQ(*d, c.value) << c.text;
    }
  }
  LanguageScope de(german);
  EXPECT_EQ(map_diameter_message(),
            "Kartendurchmesser muß >=0,5° und <=60° im Format ° und Dezimale (g,xxxx...) sein!");
}

}  // namespace
}  // namespace sdro
