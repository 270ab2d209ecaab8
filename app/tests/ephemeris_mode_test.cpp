// --ephemeris run as a program, as a user would run it, and its refusals.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/ephemeris_mode.h"
#include "app/state/tests/test_folder.h"
#include "astro/bodies.h"
#include "astro/delta_t.h"
#include "astro/file_io.h"
#include "astro/language.h"
#include "ephem/ephemeris_row.h"
#include "ephem/theory_libraries.h"

namespace sdro {
namespace {

struct trun {
  int code = -1;
  std::string out, err;
};

trun run(const std::string& args) {
  const auto dir = sdro::testing::fresh_folder();
  const std::string cmd = "'" SDRO_PROGRAM "' " + args + " >'" + (dir / "out.txt").string() + "' 2>'" +
                          (dir / "err.txt").string() + "'";
  trun r;
  const int status = std::system(cmd.c_str());
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = read_whole_file(dir / "out.txt").value_or("");
  r.err = read_whole_file(dir / "err.txt").value_or("");
  return r;
}

std::vector<std::string> split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  std::stringstream s(text);
  for (std::string p; std::getline(s, p, sep);) parts.push_back(p);
  return parts;
}

ttheoriewahl vsop87d() {
  ttheoriewahl request;
  request.planet_theory = theorie_vsop87d;
  return accepted_theory(request, identify_theory_libraries());
}

TEST(EphemerisMode, PrintsTheChartsNumbersForEveryInstant) {
  if (vsop87d().planet_theory != theorie_vsop87d) GTEST_SKIP() << "plantheod is a placeholder";
  const trun r = run("--ephemeris Mars --from 2024-03-01 --to 2024-03-03 --step 1 "
                     "--place 51.5,-0.1,20 --theory vsop87d");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const auto lines = split(r.out, '\n');
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], ephemeris_csv_header(true));
  // The same numbers as the library gives for the place 0.1° WEST.
  const tephemerisplace place{51.5, 0.1, 20.0};
  for (int k = 0; k < 3; ++k) {
    const double jd = 2460370.5 + k;
    EXPECT_EQ(lines[1 + k], ephemeris_csv_line(ephemeris_row(mars, vsop87d(), jd, delta_t(jd), place)));
    EXPECT_EQ(split(lines[1 + k], ',').size(), 15u);
  }
  EXPECT_EQ(lines[1].substr(0, 24), "2024-03-01T00:00:00.000,");
}

TEST(EphemerisMode, GermanNamesZonesAndTheEquinox) {
  // An instant with a zone is converted to UT; the Moon has kilometres.
  trun r = run("--ephemeris mond --from 2024-03-01T01:00+01:00 --to 2024-03-01T01:00+01:00 --moon brown");
  ASSERT_EQ(r.code, 0) << r.err;
  auto lines = split(r.out, '\n');
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].substr(0, 24), "2024-03-01T00:00:00.000,");
  EXPECT_FALSE(split(lines[1], ',')[7].empty());
  // The March equinox of 2024 fell at 03:06 UT: the Sun's apparent
  // longitude is 0° then (it moves 2.5" a minute).
  r = run("--ephemeris Sonne --from 2024-03-20T03:06Z --to 2024-03-20T03:06Z");
  ASSERT_EQ(r.code, 0) << r.err;
  lines = split(r.out, '\n');
  ASSERT_EQ(lines.size(), 2u);
  const double lon = std::stod(split(lines[1], ',')[8]);
  EXPECT_LT(std::min(lon, 360.0 - lon) * 3600.0, 40.0) << lon;
  // A step that does not divide the interval exactly in binary still
  // reaches --to: every 6 minutes from 03:00 to 03:12 is three rows.
  r = run("--ephemeris Sun --from 2024-03-20T03:00Z --to 2024-03-20T03:12Z --step 0.004166666667");
  ASSERT_EQ(r.code, 0) << r.err;
  lines = split(r.out, '\n');
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3].substr(0, 23), "2024-03-20T03:12:00.000");
}

TEST(EphemerisMode, BadInputIsAMessageAndNoOutput) {
  const struct {
    const char* args;
    const char* message;
  } cases[] = {
      {"--ephemeris Vulcan --from 2024-01-01 --to 2024-01-02", "unknown body"},
      {"--ephemeris Mars --from 2024-13-01 --to 2024-12-02", "--from 2024-13-01"},
      {"--ephemeris Mars --from 2024-01-01", "needs --from DATE and --to DATE"},
      {"--ephemeris Mars --from 2024-02-01 --to 2024-01-01", "lies before"},
      {"--ephemeris Mars --from 2024-01-01 --to 2024-01-02 --step 0", "positive number of days"},
      {"--ephemeris Mars --from 2024-01-01 --to 2024-01-02 --step -1", "positive number of days"},
      {"--ephemeris Mars --from 1000-01-01 --to 9000-01-01 --step 0.001", "more than 1000000 rows"},
      {"--ephemeris Mars --from 2024-01-01 --to 2024-01-02 --place 95,0", "--place 95,0"},
      {"--ephemeris Mars --from 2024-01-01 --to 2024-01-02 --theory newton", "expected own, vsop87d"},
      {"--ephemeris Moon --from 2024-01-01 --to 2024-01-02 --moon lunar", "expected brown or elp"},
      {"--ephemeris Pluto --from 1850-01-01 --to 1851-01-01", "1890 to 2100"},
  };
  for (const auto& c : cases) {
    const trun r = run(c.args);
    EXPECT_EQ(r.code, 2) << c.args;
    EXPECT_EQ(r.out, "") << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
  }
}

std::int32_t placeholder_ping() { return 3; }

TEST(EphemerisMode, AnUnusableTheoryIsRefused) {
  const LanguageScope english_messages(english);
  ttheorylibraries placeholders;
  placeholders.ping_d = placeholders.ping_c = placeholders.ping_elp = &placeholder_ping;
  const tscopedtheorylibraries scope(placeholders);
  for (const char* theory : {"vsop87d", "vsop87c"}) {
    tcommand_line cl;
    cl.ephemeris = "Jupiter";
    cl.from = "2024-01-01";
    cl.to = "2024-01-02";
    cl.theory = theory;
    std::ostringstream out, err;
    EXPECT_EQ(run_ephemeris(cl, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("is not usable in this installation"), std::string::npos) << err.str();
  }
  tcommand_line cl;
  cl.ephemeris = "Moon";
  cl.from = cl.to = "2024-01-01";
  cl.moon = "elp";
  std::ostringstream out, err;
  EXPECT_EQ(run_ephemeris(cl, out, err), 2);
  EXPECT_NE(err.str().find("lunar library (lunatheo)"), std::string::npos) << err.str();
  // Without a library the own series answer: two rows.
  cl.moon.clear();
  cl.to = "2024-01-02";
  std::ostringstream ok_out, ok_err;
  EXPECT_EQ(run_ephemeris(cl, ok_out, ok_err), 0) << ok_err.str();
  EXPECT_EQ(split(ok_out.str(), '\n').size(), 3u);
}

TEST(EphemerisMode, TargetsByEnglishAndGermanNames) {
  EXPECT_EQ(find_ephemeris_target("Jupiter")->body, jupiter);
  EXPECT_EQ(find_ephemeris_target("MERKUR")->body, merkur);
  EXPECT_EQ(find_ephemeris_target("moon")->body, mond);
  EXPECT_FALSE(find_ephemeris_target("Vulcan"));
  EXPECT_FALSE(find_ephemeris_target(""));
}

}  // namespace
}  // namespace sdro
