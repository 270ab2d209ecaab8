// The Earth map files and the map geometry.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "astro/binary_io.h"
#include "places/earth_map.h"

namespace sdro {
namespace {

std::string coast(std::initializer_list<std::pair<float, float>> records) {
  tbytewriter w;
  for (auto [lat, lon] : records) {
    w.f32(lat);
    w.f32(lon);
  }
  return w.take();
}

std::string city(float lat, float west_lon, std::string_view cp1252_name) {
  tbytewriter w;
  w.f32(lat);
  w.f32(west_lon);
  w.u8(static_cast<std::uint8_t>(cp1252_name.size()));
  std::string name(cp1252_name);
  name.resize(43, '\0');
  for (char c : name) w.u8(static_cast<std::uint8_t>(c));
  return w.take();
}

TEST(EarthMap, LinesBreakAtSegmentMarksAndAtJumps) {
  const auto r = parse_earth_map(
      coast({{9999, 1}, {10, 170}, {11, 175}, {12, 179.5}, {12, -179.5}, {13, -175}, {9999, 2}, {-40, 20}, {-41, 21}}),
      city(48.85f, -2.35f, "Paris") + city(4.6f, 74.1f, "Bogot\xE1"));
  ASSERT_TRUE(r.ok) << r.message;
  ASSERT_EQ(r.map.lines.size(), 3u);  // the 180° crossing starts a new line
  EXPECT_EQ(r.map.lines[0].size(), 3u);
  EXPECT_EQ(r.map.lines[1].size(), 2u);
  EXPECT_EQ(r.map.lines[2].size(), 2u);
  ASSERT_EQ(r.map.cities.size(), 2u);
  EXPECT_NEAR(r.map.cities[0].place.east_longitude, 2.35, 1e-5);  // stored west positive
  EXPECT_EQ(r.map.cities[1].name, "Bogot\xC3\xA1");
}

TEST(EarthMap, DamagedFilesAreRefusedWhole) {
  EXPECT_FALSE(parse_earth_map(coast({{10, 20}}) + "x", "").ok);
  EXPECT_FALSE(parse_earth_map(coast({{10, 20}, {95, 20}}), "").ok);
  EXPECT_FALSE(parse_earth_map(coast({{10, 20}}), city(10, 200, "X")).ok);
  EXPECT_FALSE(parse_earth_map(coast({{10, 20}}), city(10, 20, "X").substr(1)).ok);
  EXPECT_TRUE(parse_earth_map("", "").ok);
}

TEST(EarthMap, PixelsAndPointsAreInverse) {
  const double k = 2.0;
  const tmap_pixel p = map_pixel({50.0, 8.5}, k);
  EXPECT_DOUBLE_EQ(p.x, 377.0);
  EXPECT_DOUBLE_EQ(p.y, 80.0);
  const auto back = map_point(p.x, p.y, k);
  ASSERT_TRUE(back);
  EXPECT_DOUBLE_EQ(back->latitude, 50.0);
  EXPECT_DOUBLE_EQ(back->east_longitude, 8.5);
  EXPECT_DOUBLE_EQ(map_pixel({0, 180}, k).x, 720.0);
  EXPECT_DOUBLE_EQ(map_pixel({0, -180}, k).x, 0.0);
  EXPECT_FALSE(map_point(-1, 10, k));
  EXPECT_FALSE(map_point(10, 361, k));
  EXPECT_FALSE(map_point(721, 10, k));
}

TEST(EarthMap, CityUnderThePointer) {
  const auto r = parse_earth_map("", city(48.85f, -2.35f, "Paris") + city(51.5f, 0.12f, "London"));
  ASSERT_TRUE(r.ok);
  const tmap_pixel paris = map_pixel(r.map.cities[0].place, 1.65);
  EXPECT_EQ(city_at(r.map, paris.x + 2, paris.y - 1, 1.65, 4), 0);
  EXPECT_EQ(city_at(r.map, paris.x + 20, paris.y, 1.65, 4), -1);
}

TEST(EarthMap, ShippedFilesLoad) {
  const auto r = read_earth_map(std::string(SDRO_SOURCE_DIR) + "/data");
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_GT(r.map.lines.size(), 400u);
  EXPECT_GT(r.map.cities.size(), 400u);
}

}  // namespace
}  // namespace sdro
