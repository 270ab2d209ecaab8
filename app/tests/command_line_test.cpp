// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/state/tests/test_folder.h"
#include "astro/file_io.h"
#include "astro/language.h"

namespace sdro {
namespace {

TEST(CommandLine, OptionsValuesAndFiles) {
  const LanguageScope english_messages(english);
  const auto r = parse_command_line({"--render", "out.png", "--size=400", "my.kcf", "--place", "1,2"});
  ASSERT_TRUE(r.error.empty()) << r.error;
  EXPECT_EQ(r.options.render, "out.png");
  EXPECT_EQ(r.options.size, "400");
  EXPECT_EQ(r.options.place, "1,2");
  EXPECT_EQ(r.options.files, std::vector<std::string>{"my.kcf"});
  EXPECT_EQ(r.options.mode(), tcommand_line::tmode::render);
  EXPECT_EQ(parse_command_line({}).options.mode(), tcommand_line::tmode::window);
  EXPECT_EQ(parse_command_line({"--render", "x", "--help"}).options.mode(), tcommand_line::tmode::help);
  EXPECT_NE(parse_command_line({"--bogus"}).error.find("unknown option --bogus"), std::string::npos);
  EXPECT_NE(parse_command_line({"--date"}).error.find("needs a value"), std::string::npos);
  EXPECT_NE(usage_text().find("--datadir DIR"), std::string::npos);
}

TEST(CommandLine, LanguageOfTheSettingsFileTheArgumentsName) {
  const std::filesystem::path dir = sdro::testing::fresh_folder();
  ASSERT_TRUE(write_file_atomically(dir / "de.ini", "[Settings]\nLanguage=0\n"));
  ASSERT_TRUE(write_file_atomically(dir / "en.ini", "[Settings]\nLanguage=1\n"));
  ASSERT_TRUE(write_file_atomically(dir / "sdro32.ini", "[Settings]\nLanguage=0\n"));
  const std::string de = (dir / "de.ini").string(), en = (dir / "en.ini").string();
  const std::string ini_de = "--ini=" + de;
  // The settings file beside the program: German here; "elsewhere/sdro" has none.
  const std::filesystem::path program = dir / "sdro", elsewhere = dir / "elsewhere" / "sdro";
  std::filesystem::create_directories(elsewhere.parent_path());
  struct tcase {
    std::vector<std::string_view> args;
    std::filesystem::path program;
    tlanguage language;
  };
  const tcase cases[] = {
      {{"--ini", de}, elsewhere, german},
      {{"--ini", en}, program, english},
      {{ini_de}, elsewhere, german},
      {{"--frobnicate", "--ini", de}, elsewhere, german},  // after an unknown option
      {{"--ini", en, "--ini", de}, elsewhere, german},     // the last one counts, as when parsed
      {{"--track", "--ini", en}, program, german},         // a value, not the flag
      {{"--ini", (dir / "missing.ini").string()}, program, english},
      {{}, program, german},
      {{"--render", "x.png"}, elsewhere, english},
  };
  for (const tcase& c : cases) {
    EXPECT_EQ(command_line_language(c.args, c.program), c.language)
        << (c.args.empty() ? std::string() : std::string(c.args.back())) << " " << c.program;
  }
}

TEST(CommandLine, Dates) {
  struct tcase {
    const char* text;
    bool ok;
    int year, month, day;
    double hours;
    int zh, zm;
  };
  const tcase cases[] = {
      {"2024-03-15T20:30", true, 2024, 3, 15, 20.5, 0, 0},
      {"2024-03-15T20:30:36Z", true, 2024, 3, 15, 20.51, 0, 0},
      {"2024-02-29T00:00+05:30", true, 2024, 2, 29, 0.0, 5, 30},
      {"-0044-03-15T12:00-01:15", true, -44, 3, 15, 12.0, -1, -15},
      {"2023-02-29T00:00", false, 0, 0, 0, 0, 0, 0},
      {"2024-13-01T00:00", false, 0, 0, 0, 0, 0, 0},
      {"2024-03-15T24:00", false, 0, 0, 0, 0, 0, 0},
      {"2024-03-15", false, 0, 0, 0, 0, 0, 0},
      {"2024-03-15T10:00+13:00", false, 0, 0, 0, 0, 0, 0},
      {"2024-03-15T10:00+0100", false, 0, 0, 0, 0, 0, 0},
      {"2024-03-15T10:00Zx", false, 0, 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const auto d = parse_command_date(c.text);
    ASSERT_EQ(d.has_value(), c.ok) << c.text;
    if (!d) continue;
    EXPECT_EQ(d->year, c.year) << c.text;
    EXPECT_EQ(d->month, c.month);
    EXPECT_EQ(d->day, c.day);
    EXPECT_NEAR(d->hours, c.hours, 1e-9) << c.text;
    EXPECT_EQ(d->zone_hours, c.zh);
    EXPECT_EQ(d->zone_minutes, c.zm);
  }
}

TEST(CommandLine, PlacesAndSizes) {
  const auto p = parse_command_place("51.191,9.301,150");
  ASSERT_TRUE(p);
  EXPECT_DOUBLE_EQ(p->latitude, 51.191);
  EXPECT_DOUBLE_EQ(p->east_longitude, 9.301);
  EXPECT_EQ(p->height, 150);
  EXPECT_DOUBLE_EQ(parse_command_place("-33.9,-70.6")->east_longitude, -70.6);
  for (const char* bad : {"91,0", "0,181", "1", "1,2,3,4", "a,b", "1,2,99999", ""}) {
    EXPECT_FALSE(parse_command_place(bad)) << bad;
  }
  EXPECT_EQ(parse_command_size("400"), 400);
  for (const char* bad : {"99", "2751", "4OO", ""}) EXPECT_FALSE(parse_command_size(bad)) << bad;
}

}  // namespace
}  // namespace sdro
