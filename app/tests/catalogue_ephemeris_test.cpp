// --ephemeris for stars, zone-catalogue stars and deep-sky objects, run as a
// program on the shipped data folder (which the program never rewrites: it
// carries the marker file) and compared with ERFA.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/state/tests/test_folder.h"
#include "astro/angles.h"
#include "astro/file_io.h"
#include "ephem/ephemeris_row.h"

namespace sdro {
namespace {

namespace fs = std::filesystem;

struct trun {
  int code = -1;
  std::string out, err;
};

std::vector<std::string> split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  std::stringstream s(text);
  for (std::string p; std::getline(s, p, sep);) parts.push_back(p);
  if (!text.empty() && text.back() == sep) parts.emplace_back();
  return parts;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream s(text);
  for (std::string l; std::getline(s, l);) lines.push_back(l);
  return lines;
}

double separation_arcsec(double ra1, double dec1, double ra2, double dec2) {
  const tvektor u = polar_to_cartesian(ra1, dec1, 1.0);
  const tvektor v = polar_to_cartesian(ra2, dec2, 1.0);
  return std::atan2(length(cross(u, v)), dot(u, v)) * kRadToDeg * 3600.0;
}

class CatalogueEphemeris : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = sdro::testing::fresh_folder();
    ini = dir / "settings" / "sdro32.ini";
  }
  trun run(const std::string& args) const {
    const std::string cmd = "cd '" + dir.string() + "' && '" SDRO_PROGRAM "' " + args + " >'" +
                            (dir / "out.txt").string() + "' 2>'" + (dir / "err.txt").string() + "'";
    trun r;
    const int status = std::system(cmd.c_str());
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = read_whole_file(dir / "out.txt").value_or("");
    r.err = read_whole_file(dir / "err.txt").value_or("");
    return r;
  }
  /// The options naming the data folder and a settings file of the test.
  std::string on(const fs::path& data) const {
    return " --datadir '" + data.string() + "' --ini '" + ini.string() + "'";
  }
  std::string shipped() const { return on(shipped_data); }

  const fs::path shipped_data = fs::path(SDRO_SOURCE_DIR) / "data";
  fs::path dir, ini;
};

// Against ERFA (tools/fixtures/app/star_ephemeris_erfa.py): Hipparcos and
// OpenNGC places with rigorous space motion, parallax, light deflection,
// relativistic aberration and IAU 1976/1980 precession-nutation. The chart's
// models leave out the elliptic terms of the aberration (up to 0.34″) and
// the annual parallax (Sirius 0.38″), and keep the places as 32-bit floats
// (0.1″ at most); the star file itself holds the Hipparcos places to 0.1″.
// Together at most 0.92″: the tolerance is 1″.
TEST_F(CatalogueEphemeris, SiriusPolarisAndM42AgreeWithErfaFrom1950To2050) {
  constexpr double kTolerance = 1.0;  // arcseconds
  std::map<std::string, std::map<long long, std::vector<double>>> reference;
  std::ifstream in(std::string(SDRO_TEST_DATA) + "/star_ephemeris_erfa.csv");
  ASSERT_TRUE(in) << "fixture missing";
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#' || line.rfind("name,", 0) == 0) continue;
    const auto f = split(line, ',');
    ASSERT_EQ(f.size(), 8u) << line;
    std::vector<double> v;
    for (std::size_t i = 1; i < f.size(); ++i) v.push_back(std::stod(f[i]));
    reference[f[0]][std::llround(v[0] * 1e4)] = v;
  }
  ASSERT_EQ(reference.size(), 3u);
  const auto stamp = fs::last_write_time(shipped_data / "sterne.dat");

  for (const auto& [name, rows] : reference) {
    const trun r = run("--ephemeris '" + name +
                       "' --from 1950-01-01T00:00 --to 2050-01-01T00:00 --step 3652.2 --place 48.2,16.37" +
                       shipped());
    ASSERT_EQ(r.code, 0) << name << ": " << r.err;
    const auto lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), rows.size() + 1) << name;
    EXPECT_EQ(lines[0], ephemeris_csv_header(true));
    for (std::size_t k = 1; k < lines.size(); ++k) {
      const auto f = split(lines[k], ',');
      ASSERT_EQ(f.size(), 15u) << lines[k];
      const auto it = rows.find(std::llround(std::stod(f[1]) * 1e4));
      ASSERT_NE(it, rows.end()) << name << " " << lines[k];
      const std::vector<double>& e = it->second;  // jd, α, δ, λ, β, altitude, azimuth
      const double ra = std::stod(f[4]), dec = std::stod(f[5]);
      const double alt = std::stod(f[12]), az = std::stod(f[14]);
      const std::string where = name + " " + f[0];
      EXPECT_LT(separation_arcsec(ra, dec, e[1], e[2]), kTolerance) << where;
      EXPECT_LT(separation_arcsec(std::stod(f[8]), std::stod(f[9]), e[3], e[4]), kTolerance) << where;
      EXPECT_LT(std::fabs(alt - e[5]) * 3600.0, kTolerance) << where;
      EXPECT_LT(std::fabs(std::remainder(az - e[6], 360.0)) * std::cos(e[5] * kDegToRad) * 3600.0, kTolerance)
          << where;
      EXPECT_GE(az, 0.0);
      EXPECT_LT(az, 360.0);
      // No distance; the topocentric place is the geocentric one.
      EXPECT_EQ(f[6], "") << where;
      EXPECT_EQ(f[7], "") << where;
      EXPECT_EQ(f[10], f[4]) << where;
      EXPECT_EQ(f[11], f[5]) << where;
    }
  }
  EXPECT_EQ(fs::last_write_time(shipped_data / "sterne.dat"), stamp) << "the shipped star file was rewritten";
}

TEST_F(CatalogueEphemeris, NamesInAnyCaseAndSpacingAndTheBodiesFirst) {
  const std::string when = " --from 2024-03-01T21:00Z --to 2024-03-01T21:00Z";
  const struct {
    const char* name;
    const char* same_as;  ///< another spelling that must give the same row
    double ra, dec;       ///< roughly, degrees (J2000 place moved to 2024)
  } cases[] = {
      {"Sirius", "SIRIUS", 101.6, -16.75},
      {"polaris", "Polaris", 45.85, 89.37},
      {"M 42", "m42", 84.1, -5.37},
      {"NGC 7000", "ngc7000", 315.0, 44.6},
      {"IC 434", "ic 434", 85.6, -2.44},
  };
  for (const auto& c : cases) {
    const trun a = run(std::string("--ephemeris '") + c.name + "'" + when + shipped());
    const trun b = run(std::string("--ephemeris '") + c.same_as + "'" + when + shipped());
    ASSERT_EQ(a.code, 0) << c.name << ": " << a.err;
    EXPECT_EQ(a.out, b.out) << c.name << " / " << c.same_as;
    const auto lines = lines_of(a.out);
    ASSERT_EQ(lines.size(), 2u) << c.name;
    const auto f = split(lines[1], ',');
    ASSERT_EQ(f.size(), 10u) << lines[1];
    EXPECT_LT(separation_arcsec(std::stod(f[4]), std::stod(f[5]), c.ra, c.dec), 0.5 * 3600.0) << c.name;
    EXPECT_EQ(f[6], "") << c.name;
  }
  // A body's name is the body, with its distance, and needs no catalogue.
  const trun mars = run("--ephemeris mars" + when + on(dir / "no-data"));
  ASSERT_EQ(mars.code, 0) << mars.err;
  EXPECT_FALSE(split(lines_of(mars.out).at(1), ',').at(6).empty());
}

TEST_F(CatalogueEphemeris, ZoneCatalogueStars) {
  if (!fs::exists(shipped_data / "0001+0+1.dat")) {
    GTEST_SKIP() << "the SAO zone catalogue is not in " << shipped_data
                 << " (tools/data/make_zones.sh builds it)";
  }
  // SAO 151881 is Sirius: the zone file (1950.0 places and motions) and the
  // star file (its own 1950 model) come from the same Hipparcos star; both
  // keep their places to 0.1″ and move the star alike to 0.01″ over the
  // century.
  std::vector<std::string> names = {"SAO 151881", "sao151881"};
  if (fs::exists(shipped_data / "0001+0+1.ppm")) names.insert(names.end(), {"HIP 32349", "PPM HIP32349"});
  const std::string span = " --from 1950-01-01 --to 2050-01-01 --step 9131.25 --place 48.2,16.37";
  const trun star = run("--ephemeris Sirius" + span + shipped());
  ASSERT_EQ(star.code, 0) << star.err;
  const auto expected = lines_of(star.out);
  ASSERT_EQ(expected.size(), 6u);
  for (const std::string& name : names) {
    const trun r = run("--ephemeris '" + name + "'" + span + shipped());
    ASSERT_EQ(r.code, 0) << name << ": " << r.err;
    const auto lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), expected.size()) << name;
    for (std::size_t k = 1; k < lines.size(); ++k) {
      const auto f = split(lines[k], ','), g = split(expected[k], ',');
      ASSERT_EQ(f.size(), 15u) << lines[k];
      EXPECT_EQ(f[0], g[0]);
      EXPECT_LT(separation_arcsec(std::stod(f[4]), std::stod(f[5]), std::stod(g[4]), std::stod(g[5])), 0.25)
          << name << " " << f[0];
      EXPECT_NEAR(std::stod(f[12]), std::stod(g[12]), 0.25 / 3600.0) << name << " " << f[0];
      EXPECT_EQ(f[6], "") << name;
    }
  }
}

TEST_F(CatalogueEphemeris, UnknownNamesAndMissingCataloguesAreRefused) {
  // A copy of the data folder without the zone files.
  const fs::path bare = dir / "bare";
  fs::create_directories(bare);
  fs::copy_file(shipped_data / "sterne.dat", bare / "Sterne.dat");
  fs::copy_file(shipped_data / "linien.dat", bare / "linien.dat");
  fs::copy_file(shipped_data / "nebel_ext.dat", bare / "nebel_ext.dat");
  const std::string when = " --from 2024-01-01 --to 2024-01-02";
  const struct {
    std::string args;
    int code;
    const char* message;
  } cases[] = {
      {"--ephemeris Vulcan" + when + shipped(), 2, "Vulcan: unknown body or sky object"},
      {"--ephemeris 'NGC 99999'" + when + shipped(), 2, "unknown body or sky object"},
      {"--ephemeris 'M 111'" + when + shipped(), 2, "unknown body or sky object"},
      {"--ephemeris 'SAO 151881'" + when + on(bare), 2, "the SAO zone catalogue is not installed"},
      {"--ephemeris 'PPM HIP32349'" + when + on(bare), 2, "the PPM zone catalogue is not installed"},
      {"--ephemeris Sirius" + when + on(dir / "no-data"), 1, "the catalogues could not be loaded"},
      // The options are checked before the catalogue is opened.
      {"--ephemeris Vulcan --from 2024-02-01 --to 2024-01-01" + shipped(), 2, "lies before"},
  };
  for (const auto& c : cases) {
    const trun r = run(c.args);
    EXPECT_EQ(r.code, c.code) << c.args << "\n" << r.err;
    EXPECT_EQ(r.out, "") << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
  }
  EXPECT_FALSE(fs::exists(ini)) << "an ephemeris writes no settings";
}

}  // namespace
}  // namespace sdro
