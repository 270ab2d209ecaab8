// The --riseset table: arguments, rows, and the program run from the command line.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/dialogs/events/riseset_command.h"
#include "app/state/tests/test_folder.h"
#include "astro/calendar.h"
#include "astro/language.h"

namespace sdro {
namespace {

tcommand_line riseset(std::string body, std::string from, std::string to, std::string place, std::string zone = "") {
  tcommand_line cl;
  cl.riseset = std::move(body);
  cl.from = std::move(from);
  cl.to = std::move(to);
  cl.place = std::move(place);
  cl.zone = std::move(zone);
  return cl;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::stringstream s(text);
  for (std::string line; std::getline(s, line);) out.push_back(line);
  return out;
}

TEST(RisesetArguments, RefusesBadValuesWithTheirFlag) {
  struct tcase {
    tcommand_line cl;
    const char* flag;
  } cases[] = {
      {riseset("comet", "2024-01-01", "2024-01-02", "51,9"), "--riseset"},
      {riseset("sun", "2024-02-30", "2024-03-02", "51,9"), "--from"},
      {riseset("sun", "2024-01-01", "1.1.2024", "51,9"), "--to"},
      {riseset("sun", "2024-01-01", "2024-01-02", "91,9"), "--place"},
      {riseset("sun", "2024-01-01", "2024-01-02", "51"), "--place"},
      {riseset("sun", "2024-01-01", "2024-01-02", "51,9", "15"), "--zone"},
      {riseset("sun", "2024-01-01", "2024-01-02", "51,9", "eins"), "--zone"},
      {riseset("sun", "2024-01-02", "2024-01-01", "51,9"), "--from"},
      {riseset("sun", "1000-01-01", "2000-01-01", "51,9"), "--from"},  // more than 100000 days
      {riseset("sun", "-4712-01-01", "2000-01-01", "51,9"), "--from"},  // before JD 5
      {riseset("sun", "1582-10-10", "1582-10-20", "51,9"), "--from"},   // skipped by the reform
  };
  for (const tcase& c : cases) {
    const triseset_arguments a = riseset_arguments(c.cl);
    EXPECT_FALSE(a.request) << c.flag;
    EXPECT_EQ(a.error.rfind(c.flag, 0), 0u) << a.error;
  }
  const triseset_arguments ok = riseset_arguments(riseset("Jupiter", "1500-02-29", "1500-03-01", "-33.87,151.21,10", "10"));
  ASSERT_TRUE(ok.request) << ok.error;
  EXPECT_DOUBLE_EQ(ok.request->longitude, -151.21);  // held west positive
  EXPECT_DOUBLE_EQ(ok.request->zone, 10.0);
  EXPECT_EQ(ok.request->subject.planet_number, 5);
}

TEST(RisesetTable, RowsPerDayAndBody) {
  LanguageScope en(english);
  auto q = riseset_arguments(riseset("twilight", "2024-06-17", "2024-06-18", "69.65,18.96", "1")).request;
  ASSERT_TRUE(q);
  std::ostringstream out;
  write_riseset_table(out, *q, {}, kDefaultReferenceAltitudes);
  const auto rows = lines(out.str());
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[0], kRisesetHeader);
  // Tromsø in June: the Sun never reaches the twilight altitudes.
  EXPECT_EQ(rows[1], "2024-06-17,civil,,,,,,,,bright");
  EXPECT_EQ(rows[3], "2024-06-17,astronomical,,,,,,,,bright");
  EXPECT_EQ(rows[6].substr(0, 24), "2024-06-18,astronomical,");

  q = riseset_arguments(riseset("sun", "2024-06-18", "2024-06-18", "51.19,9.30", "2")).request;
  ASSERT_TRUE(q);
  std::ostringstream sun;
  write_riseset_table(sun, *q, {}, kDefaultReferenceAltitudes);
  // Rise 05:06:45, transit 13:24:04, set 21:41:27 local (PyEphem: 05:06:49, 13:24:04, 21:41:24).
  const std::string row = lines(sun.str()).at(1);
  EXPECT_EQ(row.substr(0, 15), "2024-06-18,sun,");
  EXPECT_NE(row.find(",2024-06-18T03:06:"), std::string::npos) << row;
  EXPECT_NE(row.find(",2024-06-18T05:06:"), std::string::npos) << row;
  EXPECT_NE(row.find("+02:00,2024-06-18T13:24:0"), std::string::npos) << row;
  EXPECT_NE(row.find("T21:41:2"), std::string::npos) << row;
  EXPECT_NE(row.find(",62.23,"), std::string::npos) << row;
  EXPECT_EQ(row.back(), ',');  // rise and set: no state
}

TEST(RisesetTable, IsoInstants) {
  EXPECT_EQ(iso_instant(2451545.0, 0.0), "2000-01-01T12:00:00Z");
  EXPECT_EQ(iso_instant(2451545.0, 5.5), "2000-01-01T17:30:00+05:30");
  EXPECT_EQ(iso_instant(2451545.0, -3.0), "2000-01-01T09:00:00-03:00");
  EXPECT_EQ(iso_instant(2451545.0 - 0.5 - 0.2 / 86400, 0.0), "2000-01-01T00:00:00Z");  // rounds up over midnight
  EXPECT_EQ(iso_instant(2451544.5 - 0.6 / 86400, 0.0), "1999-12-31T23:59:59Z");
  EXPECT_EQ(iso_instant(calendar_to_jd(15, 3, -43, 0.0), 0.0), "-0043-03-15T00:00:00Z");  // Julian calendar
  EXPECT_EQ(iso_instant(calendar_to_jd(4, 10, 1582, 23.0), 2.0), "1582-10-15T01:00:00+02:00");
}

/// Runs the program; returns its exit code and standard output.
std::pair<int, std::string> run(const std::string& arguments) {
  const std::string command = "QT_QPA_PLATFORM=offscreen " + std::string(SDRO_PROGRAM) + " " + arguments + " 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string text;
  std::array<char, 4096> buffer{};
  while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) text.append(buffer.data(), n);
  const int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

TEST(RisesetProgram, WritesTheTableInTheLanguageOfTheSettings) {
  const auto dir = sdro::testing::fresh_folder();
  std::ofstream(dir / "sdro32.ini") << "[Settings]\nFirstRun=0\nLanguage=0\n";
  const std::string common = " --ini " + (dir / "sdro32.ini").string() + " --datadir " + SDRO_SOURCE_DIR + "/data";
  const auto [code, text] = run("--riseset moon --from 2024-01-03 --to 2024-01-04 --place 51.19,9.30 --zone 1" + common);
  ASSERT_EQ(code, 0);
  const auto rows = lines(text);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], kRisesetHeader);
  EXPECT_EQ(rows[1].substr(0, 17), "2024-01-03,moon,,");  // no moonrise that day
  const auto polar = run("--riseset sun --from 2024-12-21 --to 2024-12-21 --place 69.65,18.96 --zone 1" + common);
  ASSERT_EQ(polar.first, 0);
  EXPECT_EQ(lines(polar.second).at(1), "2024-12-21,sun,,,,,,,,unsichtbar");  // polar night
  EXPECT_EQ(run("--riseset sun --from 2024-01-01 --to 2024-01-02 --place 95,0" + common).first, 2);
}

}  // namespace
}  // namespace sdro
