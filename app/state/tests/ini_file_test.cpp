// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/ini_file.h"

#include <gtest/gtest.h>

#include "app/state/tests/test_folder.h"

namespace sdro {
namespace {

TEST(IniFile, KeysWithBlanksAndCommasAndValuesWithCommas) {
  tinifile ini = tinifile::parse(
      "; kept comment\n"
      "[Settings]\n"
      "Release Earth Bitmap = 0\r\n"
      "Use last Configuration=1\n"
      "a, b, c=first, second,third\n"
      "\n"
      "[Home]\n"
      "GB=51,191\n"
      "Name=Kassel, Hessen\n");
  EXPECT_FALSE(ini.read_bool("Settings", "Release Earth Bitmap", true));
  EXPECT_TRUE(ini.read_bool("settings", "use LAST configuration", false));
  EXPECT_EQ(ini.read_string("Settings", "a, b, c", ""), "first, second,third");
  EXPECT_DOUBLE_EQ(ini.read_float("Home", "GB", 0), 51.191);
  EXPECT_EQ(ini.read_string("Home", "Name", ""), "Kassel, Hessen");
  EXPECT_EQ(ini.read_string("Home", "Missing", "dflt"), "dflt");
}

TEST(IniFile, MalformedNumbersGiveTheDefault) {
  const tinifile ini = tinifile::parse("[S]\nA=12x\nB=\nC=-7\nD=true\nE=yes\nF=0.5\n");
  EXPECT_EQ(ini.read_integer("S", "A", 3), 3);
  EXPECT_EQ(ini.read_integer("S", "B", 3), 3);
  EXPECT_EQ(ini.read_integer("S", "C", 3), -7);
  EXPECT_TRUE(ini.read_bool("S", "D", false));
  EXPECT_TRUE(ini.read_bool("S", "E", true));
  EXPECT_FALSE(ini.read_bool("S", "E", false));
  EXPECT_DOUBLE_EQ(ini.read_float("S", "F", 0), 0.5);
  EXPECT_DOUBLE_EQ(ini.read_float("S", "A", 2.5), 2.5);
}

TEST(IniFile, WritingKeepsOrderCommentsAndOtherKeys) {
  tinifile ini = tinifile::parse("; note\n[Window]\nx=5\nHints=1\n\n[Other]\nkeep me=yes\n");
  ini.write_integer("window", "X", 9);
  ini.write_bool("Window", "Tips of the day", false);
  ini.write_string("New, Section", "key with blanks", "a,b\nc");
  EXPECT_EQ(ini.text(),
            "; note\n[Window]\nx=9\nHints=1\nTips of the day=0\n\n[Other]\nkeep me=yes\n"
            "[New, Section]\nkey with blanks=a,b c\n");
  ini.erase_section("window");
  EXPECT_FALSE(ini.has_section("Window"));
  EXPECT_EQ(ini.read_string("Other", "keep me", ""), "yes");
}

TEST(IniFile, SaveAndLoadRoundTripIncludingLegacyEncoding) {
  const auto dir = sdro::testing::fresh_folder();
  tinifile ini;
  ini.write_string("Home", "Name", "Göttingen");
  ini.write_float("Home", "GL", -9.935);
  ASSERT_TRUE(ini.save(dir / "sub" / "sdro32.ini"));
  const tinifile back = tinifile::load(dir / "sub" / "sdro32.ini");
  EXPECT_EQ(back.read_string("Home", "Name", ""), "Göttingen");
  EXPECT_DOUBLE_EQ(back.read_float("Home", "GL", 0), -9.935);
  // A file written by a Windows program in Windows-1252.
  const tinifile legacy = tinifile::parse("[Home]\nName=G\xF6ttingen\n");
  EXPECT_EQ(legacy.read_string("Home", "Name", ""), "Göttingen");
  EXPECT_TRUE(tinifile::load(dir / "missing.ini").text().empty());
}

}  // namespace
}  // namespace sdro
