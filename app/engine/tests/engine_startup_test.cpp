// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/engine/tests/engine_fixture.h"
#include "astro/file_io.h"

namespace sdro {
namespace {

using testing::EngineTest;
using testing::trecorder;

TEST_F(EngineTest, StartUpDefaultsClockDateAndFirstDraw) {
  auto e = make();
  ASSERT_TRUE(e->initialisieren(options()));
  EXPECT_TRUE(e->flags().initialisiert);
  EXPECT_TRUE(e->flags().startphase);
  EXPECT_EQ(e->datenverzeichnis(), data);
  EXPECT_EQ(e->zeitort().year, 2024);
  EXPECT_EQ(e->zeitort().month, 3);
  EXPECT_DOUBLE_EQ(e->zeitort().local_time, 21.5);
  EXPECT_DOUBLE_EQ(e->zeitort().ut, 20.5);
  EXPECT_EQ(e->zeitort().place_name, "Kassel");
  EXPECT_EQ(e->konfig().kartenart, 200);
  EXPECT_EQ(e->max_chart_size(), 1430);  // 1200 raised to screen width + 150
  EXPECT_EQ(e->konfig().kartengroesse, 1250);
  EXPECT_EQ(e->bitmap().width(), 1452);
  EXPECT_EQ(e->konfig().labeldateiname, (data / "lables.sdl").string());
  EXPECT_EQ(e->caption(), "Sidaro 3.0");
  EXPECT_EQ(e->undo().count(), 0u) << "no snapshots in the start phase";
  EXPECT_FALSE(e->flags().positionenneu || e->flags().bildneu);
  EXPECT_TRUE(messages.records().empty());
  // The frame of the horizon chart was drawn: the rim is not black.
  const int c = (1250 - 1) / 2 + 1;
  EXPECT_NE(e->bitmap().pixel(c, 1), QColor(Qt::black).rgb());
}

TEST_F(EngineTest, MissingStarCatalogueFailsAndForgetsTheDataPath) {
  write_ini("[Daten]\nPath=/nowhere\n[Window]\nx=3\n");
  std::filesystem::remove(data / "Sterne.dat");
  auto e = make();
  LanguageScope english_texts(english);
  EXPECT_FALSE(e->initialisieren(options(true)));
  EXPECT_FALSE(e->flags().initialisiert);
  EXPECT_TRUE(messages.contains("The Installation of Sidaro 3.0 seems to be corrupt."));
  const tinifile ini = tinifile::load(dir / "sdro32.ini");
  EXPECT_FALSE(ini.has_section("Daten"));
  EXPECT_EQ(ini.read_integer("Window", "x", 0), 3);
}

TEST_F(EngineTest, ExplicitDataDirectoryIsTheOnlyChoice) {
  auto o = options();
  o.data_directory = dir / "empty";
  auto e = make();
  EXPECT_FALSE(e->initialisieren(o));
  o.data_directory = data;
  EXPECT_TRUE(make()->initialisieren(o));
}

TEST_F(EngineTest, FirstRunAsksForTheLanguageAndRemembersIt) {
  messages.script_answers({true});
  auto e = make();
  ASSERT_TRUE(e->initialisieren(options(true)));
  EXPECT_EQ(current_language(), german);
  ASSERT_EQ(messages.records().size(), 1u);
  EXPECT_TRUE(messages.records()[0].question);
  const tinifile ini = tinifile::load(dir / "sdro32.ini");
  EXPECT_FALSE(ini.read_bool("Settings", "FirstRun", true));
  EXPECT_EQ(ini.read_integer("Settings", "Language", 1), 0);
  set_current_language(german);
}

TEST_F(EngineTest, HeadlessStartAsksNothingAndWritesNoSettings) {
  auto e = make();
  ASSERT_TRUE(e->initialisieren(options(false)));
  e->beenden();
  EXPECT_TRUE(messages.records().empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "sdro32.ini"));
}

// A configuration file with a date, a chart kind and a star limit of its own.
void write_start_configuration(const std::filesystem::path& path, int kind, int year) {
  tkonfiguration k;
  k.zeitort.year = year;
  k.kartenart = kind;
  k.grenzgroessesterne = 430;
  tscripted_messages quiet;
  ASSERT_TRUE(write_config_file(path, encode_record(k), quiet));
}

TEST_F(EngineTest, StartConfigurationDateAndChartKindRules) {
  struct tcase {
    const char* ini;
    const char* file;
    int kind;
    int expected_kind;
    int expected_year;
  };
  const tcase cases[] = {
      {"[Settings]\nFirstRun=0\n", "sdro.kcf", 204, 200, 2024},
      {"[Settings]\nAlways Sky at Startup=0\n", "sdro.kcf", 220, 200, 2024},
      {"[Settings]\nAlways Sky at Startup=0\n", "sdro.kcf", 204, 204, 2024},
      {"[Settings]\nUse last Configuration=1\nAlways Sky at Startup=0\n", "autoexec.kcf", 214, 200, 1999},
      {"[Settings]\nUse last Configuration=1\n", "sdro.kcf", 204, 200, 2024},  // sdro.kcf not used
  };
  for (const auto& c : cases) {
    SetUp();
    write_ini(c.ini);
    write_start_configuration(data / c.file, c.kind, 1999);
    auto e = make();
    ASSERT_TRUE(e->initialisieren(options()));
    EXPECT_EQ(e->konfig().kartenart, c.expected_kind) << c.ini;
    EXPECT_EQ(e->zeitort().year, c.expected_year) << c.ini;
  }
}

TEST_F(EngineTest, StarLimitOfTheStartNeverReachesASavedFile) {
  write_start_configuration(data / "sdro.kcf", 200, 2000);
  write_ini("[Settings]\nUse last Configuration=1\n");
  write_start_configuration(data / "autoexec.kcf", 200, 2000);
  auto e = make();
  ASSERT_TRUE(e->initialisieren(options(true)));
  e->first_show();
  e->first_paint();
  EXPECT_EQ(e->konfig().grenzgroessesterne, 430);
  EXPECT_LT(e->sternauswahl().letzte_grenze_sterne, 430) << "the first draw builds the selection";
  e->zyklus();
  ASSERT_TRUE(e->save_configuration(dir / "saved.kcf"));
  e->beenden();
  for (const auto& p : {dir / "saved.kcf", data / "autoexec.kcf"}) {
    tkonfiguration k;
    const tconfig_load r = read_config_file(p, k, messages);
    ASSERT_EQ(r.status, tconfig_read::ok);
    EXPECT_EQ(r.konfiguration.grenzgroessesterne, 430) << p;
  }
  EXPECT_EQ(e->history().count(), 1u);
}

struct tunreadable_labels : tlabel_store {
  int created = 0;
  topen open(const std::filesystem::path&) override { return topen::unreadable; }
  bool create_empty(const std::filesystem::path&) override { ++created; return true; }
};

TEST_F(EngineTest, UnreadableLabelDatabaseIsKept) {
  tunreadable_labels labels;
  auto e = make();
  e->set_label_store(&labels);
  ASSERT_TRUE(e->initialisieren(options()));
  EXPECT_EQ(labels.created, 0);
  EXPECT_TRUE(messages.contains("lables.sdl"));
}

TEST_F(EngineTest, ComponentsAreCalledInStartUpOrder) {
  std::vector<std::string> log;
  auto e = make();
  e->add_component(std::make_unique<trecorder>(&log));
  write_start_configuration(data / "sdro.kcf", 200, 2000);
  ASSERT_TRUE(e->initialisieren(options()));
  std::vector<std::string> expected = {"initialise"};
  for (int s = 0; s <= int(tapply_step::kartengroesse); ++s) expected.push_back("apply" + std::to_string(s));
  expected.insert(expected.end(), {"prepare", "positions"});
  EXPECT_EQ(log, expected);
}

}  // namespace
}  // namespace sdro
