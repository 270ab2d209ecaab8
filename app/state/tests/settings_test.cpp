// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/state/tests/test_folder.h"

namespace sdro {
namespace {

TEST(Settings, DefaultsOfAnEmptyFile) {
  tzeitort start;
  const tsettings s = read_settings(tinifile(), start);
  EXPECT_TRUE(s.first_run);
  EXPECT_EQ(s.language, english);
  EXPECT_EQ(s.color_mode, 5);
  EXPECT_EQ(s.level, 60);
  EXPECT_EQ(s.grafikgroesse, 1200);
  EXPECT_EQ(s.use_complete_sao, 300);
  EXPECT_EQ(s.n_lastfiles, 10);
  EXPECT_TRUE(s.release_earth_bitmap);
  EXPECT_FALSE(s.write_magnitude_to_map);
  EXPECT_FALSE(s.write_label_to_map);
  EXPECT_TRUE(s.show_scale);
  EXPECT_FALSE(s.use_last_configuration);
  EXPECT_TRUE(s.always_sky_at_startup);
  EXPECT_TRUE(s.hints);
  EXPECT_FALSE(s.dark_sky);
  EXPECT_EQ(s.print_mode, dr_high);
  EXPECT_EQ(s.turn_maps, 15);
  EXPECT_EQ(s.azimut, azimutSued);
  EXPECT_TRUE(s.panel_koordinaten && s.panel_rechenverfahren && s.panel_katalog && s.panel_uhrzeit &&
              s.panel_uhr && s.panel_aequatorzentrum);
  EXPECT_TRUE(s.show_fatal_grafic_errors);
  EXPECT_FALSE(s.auto_history);
  EXPECT_EQ(s.home.name, "Kassel");
  EXPECT_DOUBLE_EQ(s.home.longitude, -9.301);
  EXPECT_EQ(s.home.zone, 1);
  EXPECT_TRUE(s.maximized);
  EXPECT_EQ(s.w, 600);
  EXPECT_EQ(s.h, 400);
  EXPECT_TRUE(s.tracking && s.statusleiste && s.symbolleiste && s.showtipsatstart);
  EXPECT_EQ(s.path, "");
}

TEST(Settings, RangesAreEnforced) {
  const tsettings s = read_settings(
      tinifile::parse("[Settings]\nLevel=10\nTurnMaps=999\nColorMode=-3\n[Files]\nnLastfiles=500\n"),
      tzeitort{});
  EXPECT_EQ(s.level, 50);
  EXPECT_EQ(s.turn_maps, 180);
  EXPECT_EQ(s.color_mode, 0);
  EXPECT_EQ(s.n_lastfiles, 100);
  EXPECT_EQ(max_chart_size(100, 1280), 1430);
  EXPECT_EQ(max_chart_size(100, 400), 800);
  EXPECT_EQ(max_chart_size(5000, 1920), 2750);
  EXPECT_EQ(max_chart_size(1200, 800), 1200);
}

TEST(Settings, WrittenKeysReadBackAndWindowPlaceOnlyWhenNotMaximised) {
  tsettings s;
  s.language = german;
  s.level = 75;
  s.path = "/data, with comma";
  s.use_complete_sao = 150;
  tinifile ini;
  write_settings(ini, s);
  EXPECT_FALSE(ini.value("Window", "x").has_value());
  s.maximized = false;
  s.x = 40;
  write_settings(ini, s);
  theimatort home;
  home.name = "Wien, Österreich";
  home.longitude = -16.37;
  home.height = 20000;  // any place the dialogs accept survives the file
  home.additional_minutes = -59;
  write_home(ini, home);
  const tsettings back = read_settings(ini, tzeitort{});
  EXPECT_EQ(back.language, german);
  EXPECT_EQ(back.level, 75);
  EXPECT_EQ(back.path, "/data, with comma");
  EXPECT_EQ(back.use_complete_sao, 150);
  EXPECT_EQ(back.x, 40);
  EXPECT_FALSE(back.maximized);
  EXPECT_EQ(back.home.name, "Wien, Österreich");
  EXPECT_DOUBLE_EQ(back.home.longitude, -16.37);
  EXPECT_EQ(back.home.height, 20000);
  EXPECT_EQ(back.home.additional_minutes, -59);
  EXPECT_TRUE(back.first_run) << "FirstRun is written only after the first-run question";
}

TEST(Settings, FileBesideTheProgramOrInTheUserFolder) {
  const auto dir = sdro::testing::fresh_folder();
  EXPECT_EQ(settings_file_path(dir / "sdro"), dir / "sdro32.ini");
  EXPECT_EQ(settings_file_path(dir / "sdro.exe"), dir / "sdro32.ini");
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old ? old : "";
  ::setenv("XDG_CONFIG_HOME", (dir / "cfg").c_str(), 1);
  EXPECT_EQ(settings_file_path(dir / "not-there" / "sdro"), dir / "cfg" / "sidaro" / "sdro32.ini");
  if (old) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1); else ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace sdro
