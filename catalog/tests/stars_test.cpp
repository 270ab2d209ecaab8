// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/stars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "astro/angles.h"
#include "astro/binary_io.h"
#include "astro/language.h"
#include "catalog/file_range.h"
#include "catalog/tests/catalog_files.h"

namespace sdro {
namespace {

using test::instant;
using test::tdata_folder;

constexpr float kUntouched = -999.0f;
const std::vector<std::int32_t> kMagnitudes = {900, 800, 700, 651, 650, 649, 600, 500, 400, 300};

std::string star_file(std::uint8_t year) {
  std::string out;
  for (std::size_t i = 0; i < kMagnitudes.size(); ++i) {
    test::tstar_fields f;
    f.ra = f.ra_date = static_cast<float>(35.0 * static_cast<double>(i));
    f.dec = f.dec_date = static_cast<float>(8.0 * static_cast<double>(i) - 40.0);
    f.pm_ra = 1e-4f;
    f.pm_dec = -1e-4f;
    f.magnitude = kMagnitudes[i];
    f.name = "S" + std::to_string(kMagnitudes[i]);
    f.year_byte = year;
    out += test::star_record(f);
  }
  return out;
}

std::string nebula_file(std::uint8_t year) {
  std::string out;
  for (int i = 0; i < 4; ++i) {
    test::tnebula_fields f;
    const tvektor v = polar_to_cartesian(80.0 * i, 10.0 * i, 1.0);
    f.x = static_cast<float>(v.x);
    f.y = static_cast<float>(v.y);
    f.z = static_cast<float>(v.z);
    f.magnitude = 500 + 100 * i;
    f.name = std::to_string(1000 + i);
    f.year_byte = year;
    out += test::nebula_record(f);
  }
  return out;
}

void write_catalogue(const tdata_folder& dir, int year, std::size_t line_points = 600) {
  dir.write("sterne.dat", star_file(year_byte(year)));
  dir.write("linien.dat", test::line_file(line_points, year));
  dir.write("nebel_ext.dat", nebula_file(year_byte(year)));
}

std::unique_ptr<tstars> open(const tdata_folder& dir, const tzeitort& z, tstars_setup setup = {}) {
  setup.data_directory = dir.path();
  tstars_status status = tstars_status::ok;
  auto stars = tstars::create(setup, z, status);
  EXPECT_EQ(status, tstars_status::ok);
  return stars;
}

trecompute_request request(int previous, int limit) {
  trecompute_request r;
  r.previous_star_limit = previous;
  r.star_limit = limit;
  r.figures = false;
  return r;
}

TEST(Stars, AMissingOrEmptyFileIsFatalWithItsOwnMessage) {
  enum tharm { missing, empty, damaged };
  struct Case {
    const char* file;
    tharm harm;
    tstars_status status;
    const char* german;
    const char* english;
  };
  const Case cases[] = {
      {"sterne.dat", missing, tstars_status::star_file,
       "Die Datei sterne.dat fehlt oder ist beschädigt. Sidaro 3.0 wird beendet.",
       "File sterne.dat not found or corrupt. Sidaro 3.0 halted."},
      {"linien.dat", empty, tstars_status::line_file,
       "Die Datei linien.dat fehlt oder ist beschädigt. Sidaro 3.0 wird beendet.",
       "File linien.dat not found or corrupt. Sidaro 3.0 halted."},
      {"nebel_ext.dat", missing, tstars_status::nebula_file,
       "Die Datei nebel_ext.dat fehlt oder ist beschädigt. Sidaro 3.0 wird beendet.",
       "File nebel_ext.dat not found or corrupted. Sidaro 3.0 halted."},
      // A record that is not what its file holds (a place beyond the pole, a
      // vector that is no unit vector) makes the file count as damaged.
      {"sterne.dat", damaged, tstars_status::star_file,
       "Die Datei sterne.dat fehlt oder ist beschädigt. Sidaro 3.0 wird beendet.",
       "File sterne.dat not found or corrupt. Sidaro 3.0 halted."},
      {"linien.dat", damaged, tstars_status::line_file,
       "Die Datei linien.dat fehlt oder ist beschädigt. Sidaro 3.0 wird beendet.",
       "File linien.dat not found or corrupt. Sidaro 3.0 halted."},
      {"nebel_ext.dat", damaged, tstars_status::nebula_file,
       "Die Datei nebel_ext.dat fehlt oder ist beschädigt. Sidaro 3.0 wird beendet.",
       "File nebel_ext.dat not found or corrupted. Sidaro 3.0 halted."},
  };
  const tzeitort z = instant(2000, 6, 1);
  for (const Case& c : cases) {
    tdata_folder dir("fatal");
    write_catalogue(dir, 2000);
    if (c.harm == empty) {
      dir.write(c.file, "");
    } else if (c.harm == missing) {
      std::filesystem::remove(dir / c.file);
    } else {
      std::string bytes = dir.read(c.file);
      const std::size_t last = bytes.size() - (c.status == tstars_status::star_file ? 40 : 0);
      patch_f32(bytes, c.status == tstars_status::star_file ? last + 12 : 8, 95.0f);
      dir.write(c.file, bytes);
    }
    tstars_setup setup;
    setup.data_directory = dir.path();
    tstars_status status = tstars_status::ok;
    EXPECT_EQ(tstars::create(setup, z, status), nullptr) << c.file;
    EXPECT_EQ(status, c.status) << c.file;
    {
      LanguageScope de(german);
      EXPECT_EQ(catalogue_fatal_message(status).text, c.german);
      EXPECT_EQ(catalogue_fatal_message(status).caption, "Schwerer Fehler");
    }
    LanguageScope en(english);
    EXPECT_EQ(catalogue_fatal_message(status).text, c.english);
    EXPECT_EQ(catalogue_fatal_message(status).caption, "Fatal Error");
  }
}

TEST(Stars, ForeignBytesInAnyFileAreRefusedWithoutHarm) {
  std::mt19937 random(20240917);
  const tzeitort z = instant(2000, 6, 1);
  for (const char* file : {"sterne.dat", "linien.dat", "nebel_ext.dat"}) {
    for (int round = 0; round < 20; ++round) {
      tdata_folder dir("foreign");
      write_catalogue(dir, 2000);
      std::string bytes(40 * 48, '\0');
      for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
      dir.write(file, bytes);
      tstars_setup setup;
      setup.data_directory = dir.path();
      setup.level = 119;
      tstars_status status = tstars_status::ok;
      auto s = tstars::create(setup, z, status);
      if (s) {  // bytes that happen to decode are taken and positioned
        s->RecomputePositions(request(-400, 3000));
      } else {
        EXPECT_NE(status, tstars_status::ok);
      }
    }
  }
}

TEST(Stars, TheFirstStartInANewYearRewritesTheFilesOnceAndAtomically) {
  tdata_folder dir("refresh");
  write_catalogue(dir, 2000);
  const std::string old_stars = dir.read("sterne.dat");
  const std::string old_lines = dir.read("linien.dat");
  // A second name of the old file: an in-place rewrite would change it too.
  std::filesystem::create_hard_link(dir / "sterne.dat", dir / "old.dat");

  const tzeitort z = instant(2024, 3, 1);
  int notices = 0;
  tstars_setup setup;
  setup.on_refresh = [&notices] { ++notices; };
  ASSERT_TRUE(open(dir, z, setup));
  EXPECT_EQ(notices, 1);

  const std::string stars = dir.read("sterne.dat");
  ASSERT_EQ(stars.size(), old_stars.size());
  EXPECT_EQ(dir.read("old.dat"), old_stars);
  for (std::size_t i = 0; i < kMagnitudes.size(); ++i) {
    const std::string_view now(stars.data() + 40 * i, 40);
    const std::string_view was(old_stars.data() + 40 * i, 40);
    EXPECT_EQ(cached_year_byte(now), 124);
    EXPECT_NE(now.substr(0, 8), was.substr(0, 8)) << "place of date renewed";
    EXPECT_EQ(now.substr(8, 29), was.substr(8, 29)) << "1950 place, motion, magnitude, name kept";
    EXPECT_EQ(now.substr(38), was.substr(38)) << "reserved bytes kept";
  }
  const std::string lines = dir.read("linien.dat");
  ASSERT_EQ(lines.size(), old_lines.size());
  for (std::size_t i = 0; i < lines.size() / 28; ++i) {
    EXPECT_EQ(line_record_year(std::string_view(lines).substr(28 * i, 28)), 2024);
  }
  EXPECT_EQ(nebula_year_byte(dir.read("nebel_ext.dat")), 124);

  // The second start in the same year finds current caches and writes nothing.
  ASSERT_TRUE(open(dir, z, setup));
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(dir.read("sterne.dat"), stars);
}

TEST(Stars, LoadingAgainKeepsTheAddressAndAFailureLeavesNothing) {
  tdata_folder dir("reload");
  write_catalogue(dir, 2000);
  const tzeitort z = instant(2000, 6, 1);
  tstars_setup setup;
  setup.data_directory = dir.path();
  tstars s;
  EXPECT_FALSE(s.loaded());
  ASSERT_EQ(s.reload(setup, z), tstars_status::ok);
  EXPECT_TRUE(s.loaded());
  const tsternrecord* first = &s.stars().front();
  setup.level = 90;
  ASSERT_EQ(s.reload(setup, z), tstars_status::ok);
  EXPECT_EQ(s.stars().size(), kMagnitudes.size());
  EXPECT_NE(&s.stars().front(), first);
  std::filesystem::remove(dir / "nebel_ext.dat");
  EXPECT_EQ(s.reload(setup, z), tstars_status::nebula_file);
  EXPECT_FALSE(s.loaded());
  EXPECT_TRUE(s.stars().empty());
  EXPECT_EQ(s.line_count(), 0u);
}

TEST(Stars, ARebuildDoesNotCheckTheStarFileYear) {
  tdata_folder dir("rebuild");
  write_catalogue(dir, 2024);
  dir.write("sterne.dat", star_file(year_byte(2000)));
  const std::string before = dir.read("sterne.dat");
  tstars_setup setup;
  setup.check_year = false;
  ASSERT_TRUE(open(dir, instant(2024, 3, 1), setup));
  EXPECT_EQ(dir.read("sterne.dat"), before);
}

// Places of date after the first pass, for a folder that may or may not be written.
struct tplaces {
  std::vector<float> stars;
  std::vector<float> nebulae;
};

tplaces places_after_first_pass(bool writable, int& notices) {
  tdata_folder dir(writable ? "writable" : "readonly");
  write_catalogue(dir, 2000);
  const std::string before = dir.read("sterne.dat") + dir.read("linien.dat") + dir.read("nebel_ext.dat");
  const tzeitort z = instant(2030, 1, 1);
  tstars_setup setup;
  setup.folder_writable = [writable](const std::filesystem::path&) { return writable; };
  setup.on_refresh = [&notices] { ++notices; };
  auto s = open(dir, z, setup);
  s->RecomputePositions(request(-400, 2000));
  const std::string after = dir.read("sterne.dat") + dir.read("linien.dat") + dir.read("nebel_ext.dat");
  EXPECT_EQ(after == before, !writable);
  tplaces p;
  for (const auto& star : s->stars()) p.stars.insert(p.stars.end(), {star.ra_date, star.dec_date});
  for (const auto& o : s->nebulae()) p.nebulae.insert(p.nebulae.end(), {o.ra_date, o.dec_date});
  return p;
}

TEST(Stars, AReadOnlyDataFolderIsLeftAloneAndThePlacesAreStillOfDate) {
  int written_notices = 0;
  int readonly_notices = 0;
  const tplaces written = places_after_first_pass(true, written_notices);
  const tplaces readonly = places_after_first_pass(false, readonly_notices);
  EXPECT_EQ(written_notices, 1);
  EXPECT_EQ(readonly_notices, 0);  // no message at all
  EXPECT_EQ(readonly.stars, written.stars);
  EXPECT_EQ(readonly.nebulae, written.nebulae);
}

TEST(Stars, TheRecomputePositionsTheMagnitudeBandOnly) {
  tdata_folder dir("band");
  write_catalogue(dir, 2000);
  tstars_setup setup;
  setup.level = 90;
  auto s = open(dir, instant(2000, 6, 1), setup);
  ASSERT_EQ(s->stars().size(), kMagnitudes.size());
  auto positioned = [&s](const trecompute_request& r) {
    for (auto& star : s->stars()) star.altitude = kUntouched;
    s->RecomputePositions(r);
    std::vector<std::int32_t> out;
    for (const auto& star : s->stars()) {
      if (star.altitude != kUntouched) out.push_back(star.magnitude);
    }
    return out;
  };
  // First pass: everything up to the limit; 6.50 is drawn at 650, not at 649.
  EXPECT_EQ(positioned(request(-400, 650)), (std::vector<std::int32_t>{650, 649, 600, 500, 400, 300}));
  // The limit raised: only the band that became visible.
  EXPECT_EQ(positioned(request(650, 800)), (std::vector<std::int32_t>{800, 700, 651}));
  // While the zoom chart takes its stars from the zone files: none.
  trecompute_request zone = request(-400, 900);
  zone.zone_catalogue_in_use = true;
  EXPECT_TRUE(positioned(zone).empty());
  // Nothing at all while the positions-changed flag is clear.
  s->SetPositionsChanged(false);
  EXPECT_TRUE(positioned(request(-400, 900)).empty());
}

TEST(Stars, ApparentPlacesFollowTheAberrationOption) {
  tdata_folder dir("apparent");
  write_catalogue(dir, 2000);
  const tzeitort z = instant(2020, 9, 1);
  auto s = open(dir, z);
  for (const bool on : {false, true}) {
    s->SetDateAndPlace(z, on, true);
    s->RecomputePositions(request(-400, 2000));
    for (const auto& star : s->stars()) {
      const double shift = std::hypot((star.ra_apparent - star.ra_date) * std::cos(star.dec_date * kDegToRad),
                                      star.dec_apparent - star.dec_date) * 3600.0;
      if (on) {
        EXPECT_GT(shift, 1.0) << star.designation;   // nutation and aberration: tens of arcseconds
        EXPECT_LT(shift, 45.0) << star.designation;
      } else {
        EXPECT_EQ(shift, 0.0) << star.designation;
      }
    }
  }
}

TEST(Stars, LineHorizonCoversTheRangesTheChartDrawsAndNoMore) {
  struct Case {
    bool figures, boundaries;
    int milky_way;
    bool outlines;
    std::size_t points;
    std::size_t first, last;  // expected positioned range, 1-based
  };
  const Case cases[] = {
      {true, false, 0, false, 9000, 1, 577},
      {false, false, 1, false, 9000, 578, 7409},
      {true, true, 0, false, 9000, 1, 6718},
      {true, false, 3, false, 9000, 1, 8571},  // the medium block is drawn at level 3
      {false, false, 4, false, 9000, 578, 8921},
      {true, false, 0, true, 9000, 1, 9000},
      // Drawing ranges beyond the points present are cut to the file.
      {false, true, 0, false, 5000, 578, 5000},
      {false, false, 2, false, 700, 578, 700},
      // A file longer than the table holds: cut to 13649 points.
      {true, false, 0, true, 14000, 1, 13649},
  };
  for (const Case& c : cases) {
    tdata_folder dir("lines");
    write_catalogue(dir, 2000, c.points);
    auto s = open(dir, instant(2000, 6, 1));
    ASSERT_EQ(s->line_count(), std::min<std::size_t>(c.points, 13649));
    for (std::size_t i = 1; i <= s->line_count(); ++i) s->line_point(i).altitude = kUntouched;
    trecompute_request r = request(-400, 500);
    r.figures = c.figures;
    r.boundaries = c.boundaries;
    r.milky_way = c.milky_way;
    r.outlines = c.outlines;
    s->RecomputePositions(r);
    std::size_t first = 0;
    std::size_t last = 0;
    for (std::size_t i = 1; i <= s->line_count(); ++i) {
      if (s->line_point(i).altitude == kUntouched) continue;
      if (first == 0) first = i;
      EXPECT_EQ(last == 0 || last == i - 1, true) << "one contiguous range";
      last = i;
    }
    EXPECT_EQ(first, c.first) << c.points << " " << c.milky_way;
    EXPECT_EQ(last, c.last) << c.points << " " << c.milky_way;
  }
}

TEST(Stars, LinePointsGetTheirHorizontalPlaceForTheCurrentFrameOnDemand) {
  tdata_folder dir("lines_on_demand");
  write_catalogue(dir, 2000, 9000);
  auto s = open(dir, instant(2000, 6, 1));
  trecompute_request r = request(-400, 500);
  r.figures = true;  // the pass positions 1..577 only
  s->RecomputePositions(r);
  const auto expect_current = [&s](const char* when) {
    for (const std::size_t n : {1u, 300u, 577u, 578u, 6000u, 9000u}) {
      const tlinienpunkt& p = s->line_point_horizontal(n);
      const thorizontal_place h = horizontal_place(tequatorial{p.ra_date, p.dec_date}, s->horizon());
      EXPECT_FLOAT_EQ(p.altitude, static_cast<float>(h.altitude)) << when << " " << n;
      EXPECT_FLOAT_EQ(p.sin_azimuth, static_cast<float>(h.sin_azimuth)) << when << " " << n;
      EXPECT_FLOAT_EQ(p.cos_azimuth, static_cast<float>(h.cos_azimuth)) << when << " " << n;
    }
  };
  expect_current("after the pass");  // 578.. as a layer switched on after it
  const float before = s->line_point_horizontal(300).altitude;
  s->SetDateAndPlace(instant(2000, 6, 1, 6.0), false, true);  // no pass yet
  expect_current("new instant");
  EXPECT_NE(s->line_point_horizontal(300).altitude, before);
  s->set_azimuth_origin(azimutNord);
  expect_current("azimuth from north");
  // A point changed through the container is placed anew.
  s->line_point(6000).dec_date = 89.0f;
  expect_current("changed point");
}

TEST(Stars, ConstellationLabelsOfDateAreTruncatedTowardZero) {
  tdata_folder dir("labels");
  write_catalogue(dir, 2000);
  auto s = open(dir, instant(2024, 1, 1));
  s->RecomputePositions(request(-400, 500));
  // Virgo's label (197°, −1°) moves to δ ≈ −1.4° by 2024: truncated to −1, not −2.
  const tsternbildlabel& virgo = s->constellations()[86];
  EXPECT_EQ(virgo.name, "Virgo");
  EXPECT_EQ(virgo.dec_date, -1);
  EXPECT_EQ(virgo.ra_date, 197);
  s->set_latin_names(false);
  EXPECT_EQ(s->constellations()[86].name, "Jungfrau");
  EXPECT_EQ(s->constellations()[8].name, "Bärenhüter");
}

TEST(Stars, TheRecomputeReadsNoFileAndNeedsNoEventLoop) {
  // The whole pass is plain computation: removing the data files after the
  // creation changes nothing, and the only callback is the progress gauge.
  tdata_folder dir("noevents");
  write_catalogue(dir, 2000);
  auto s = open(dir, instant(2000, 6, 1));
  std::filesystem::remove_all(dir.path());
  std::vector<int> progress;
  trecompute_request r = request(-400, 2000);
  r.progress = [&progress](int p) { progress.push_back(p); };
  s->RecomputePositions(r);
  EXPECT_EQ(progress, std::vector<int>{0});  // every 6000 stars, from the first
  r.animation_running = true;
  progress.clear();
  s->RecomputePositions(r);
  EXPECT_TRUE(progress.empty());
}

TEST(PrecessionDue, FollowsTheOption) {
  const tzeitort a = instant(2024, 12, 20);
  struct Case {
    int option;
    double days;
    bool due;
  };
  const Case cases[] = {
      {0, 5, false}, {0, 15, true},  // the year changed on 1 January
      {1, 182, false}, {1, 183, true}, {2, 121, true}, {2, 119, false},
      {3, 31, true}, {3, 29, false}, {4, 0, true},
  };
  for (const Case& c : cases) {
    tzeitort b = a;
    b.mjd += c.days;
    b.year = c.days >= 12 ? 2025 : 2024;
    EXPECT_EQ(precession_due(c.option, a, b), c.due) << c.option << " " << c.days;
  }
}

}  // namespace
}  // namespace sdro
