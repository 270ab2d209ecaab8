// The two forms of orbit-track files: round trips, the lines the text form
// skips, and damaged binary files, which are refused as a whole.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "app/animation/track_file.h"
#include "app/state/config_file.h"
#include "astro/binary_io.h"

namespace sdro {
namespace {

tbahnliste sample_track() {
  tbahnliste t;
  add_track_point(t, {"Mars", 123.456789, -23.5, 2027, 2461400.5});
  add_track_point(t, {"Mond", 0.000001, 89.9, 2027, 2461400.5});
  add_track_point(t, {"Ceres äö", 359.999, -89.25, -50, 2461402.75});
  return t;
}

void expect_same(const tbahnliste& a, const tbahnliste& b, double angle_tolerance) {
  ASSERT_EQ(a.count(), b.count());
  for (std::size_t i = 0; i < a.count(); ++i) {
    const tplanetenbahnsatz& p = *a.object(i);
    const tplanetenbahnsatz& q = *b.object(i);
    EXPECT_EQ(p.name, q.name);
    EXPECT_EQ(b.name(i), q.name);
    EXPECT_NEAR(p.ra, q.ra, angle_tolerance);
    EXPECT_NEAR(p.dec, q.dec, angle_tolerance);
    EXPECT_EQ(p.year, q.year);
    EXPECT_NEAR(p.jd, q.jd, 1e-4);
  }
}

TEST(TrackFile, FormatByExtensionInAnyCase) {
  EXPECT_EQ(track_format_of("/a/b.orb"), ttrack_format::text);
  EXPECT_EQ(track_format_of("/a/b.ORB"), ttrack_format::text);
  EXPECT_EQ(track_format_of("b.Sor"), ttrack_format::binary);
  EXPECT_EQ(track_format_of("b.kcf"), ttrack_format::none);
  EXPECT_EQ(track_format_of("orb"), ttrack_format::none);
}

TEST(TrackFile, TextRoundTrip) {
  const tbahnliste t = sample_track();
  const std::string text = orb_text(t);
  EXPECT_NE(text.find("123.456789;-23.500000;Mars;  2027;2461400.5000\r\n"), std::string::npos);
  tbahnliste back;
  ASSERT_TRUE(read_orb(text, back));
  expect_same(t, back, 1e-6);
}

TEST(TrackFile, TextLinesThatAreNotPointsAreSkipped) {
  const std::string text =
      ": a comment\n"
      "\n"
      "10.5;20,25; Venus ;2000;2451545.0\n"      // decimal comma, blanks around the name
      "10.5;20.25;Venus;2000;2451545.x\n"        // JD not a number
      "10.5;95.0;Venus;2000;2451545.0\n"         // declination out of range
      "nan;20.0;Venus;2000;2451545.0\n"
      "11.5;21.25;Venus;2000;2451546.0";         // no line end
  tbahnliste t;
  ASSERT_TRUE(read_orb(text, t));
  ASSERT_EQ(t.count(), 2u);
  EXPECT_EQ(t.object(0)->name, "Venus");
  EXPECT_DOUBLE_EQ(t.object(0)->dec, 20.25);
  EXPECT_DOUBLE_EQ(t.object(1)->jd, 2451546.0);
}

TEST(TrackFile, TextWithoutAPointLeavesTheTrackAlone) {
  tbahnliste t = sample_track();
  EXPECT_FALSE(read_orb(":only\n\nx;y;z\n", t));
  EXPECT_FALSE(read_orb(std::string("\0\1\2\3", 4), t));
  EXPECT_EQ(t.count(), 3u);
}

class SorFile : public ::testing::Test {
 protected:
  void SetUp() override {
    k_.kartenart = 206;
    k_.grenzgroessesterne = 420;
    bytes_ = sor_bytes(encode_record(k_), sample_track());
  }
  tkonfiguration k_;
  std::string bytes_;
};

TEST_F(SorFile, RoundTrip) {
  ASSERT_EQ(bytes_.size(), kConfigFileSize + 3 * kSorPointSize);
  const tkonfiguration current;
  const tsor_contents c = read_sor(bytes_ + "xyz", current);  // a partial point is not counted
  ASSERT_EQ(c.status, tsor_status::ok);
  EXPECT_EQ(c.konfiguration.kartenart, 206);
  EXPECT_EQ(c.konfiguration.grenzgroessesterne, 420);
  expect_same(sample_track(), c.track, 2e-5);  // single precision
}

TEST_F(SorFile, DamagedFilesAreRefusedWhole) {
  struct tcase {
    const char* what;
    tsor_status status;
    std::function<void(std::string&)> damage;
  };
  const std::size_t second = kConfigFileSize + kSorPointSize;  // the second point
  const tcase cases[] = {
      {"header", tsor_status::foreign, [](std::string& b) { b[3] = 'X'; }},
      {"shorter than the header and record", tsor_status::foreign, [](std::string& b) { b.resize(kConfigFileSize - 1); }},
      {"record field", tsor_status::damaged_record,
       [](std::string& b) { b[kHeaderSize + 5388] = 1; }},  // kartenart 201
      {"name length", tsor_status::damaged_point, [second](std::string& b) { b[second + 8] = 81; }},
      {"right ascension", tsor_status::damaged_point,
       [second](std::string& b) {
         const float nan = std::nanf("");
         std::memcpy(&b[second], &nan, 4);
       }},
      {"declination", tsor_status::damaged_point,
       [second](std::string& b) {
         const float dec = 91.0f;
         std::memcpy(&b[second + 4], &dec, 4);
       }},
      {"year", tsor_status::damaged_point,
       [second](std::string& b) {
         const float year = 1e9f;
         std::memcpy(&b[second + 92], &year, 4);
       }},
  };
  for (const tcase& c : cases) {
    std::string b = bytes_;
    c.damage(b);
    tkonfiguration current;
    current.kartenart = 204;
    const tsor_contents read = read_sor(b, current);
    EXPECT_EQ(read.status, c.status) << c.what;
    EXPECT_TRUE(read.track.empty()) << c.what;
  }
}

}  // namespace
}  // namespace sdro
