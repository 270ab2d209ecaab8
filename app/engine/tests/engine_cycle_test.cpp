// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "app/engine/tests/engine_fixture.h"

namespace sdro {
namespace {

using testing::EngineTest;
using testing::trecorder;

TEST_F(EngineTest, ViewChangeRedrawsWithoutRecomputing) {
  std::vector<std::string> log;
  auto e = make();
  auto rec = std::make_unique<trecorder>(&log);
  rec->claim = true;
  e->add_component(std::move(rec));
  ASSERT_TRUE(e->initialisieren(options()));
  e->first_paint();
  log.clear();
  e->flags().bildneu = true;
  e->zyklus();
  EXPECT_EQ(log, (std::vector<std::string>{"draw"}));
  log.clear();
  e->flags().positionenneu = true;
  e->zyklus();
  EXPECT_EQ(log, (std::vector<std::string>{"prepare", "positions", "draw"}));
  log.clear();
  e->zyklus();  // nothing marked: nothing drawn
  EXPECT_TRUE(log.empty());
}

TEST_F(EngineTest, GraphicRecoveryRebuildsWithTheNewMaximum) {
  std::vector<std::string> log;
  auto e = make();
  auto rec = std::make_unique<trecorder>(&log);
  rec->claim = true;
  e->add_component(std::move(rec));
  ASSERT_TRUE(e->initialisieren(options()));
  e->first_paint();
  e->konfig().grenzgroessesterne = 900;  // above "Level" 60 × 10
  log.clear();
  e->grafikNeuAnlegen(2000, e->max_chart_size());
  EXPECT_EQ(log, (std::vector<std::string>{"prepare", "recreate", "positions", "draw"}));
  EXPECT_EQ(e->max_chart_size(), 2000);
  EXPECT_EQ(e->bitmap().width(), 2022);
  EXPECT_EQ(e->settings().grafikgroesse, 2000);
  EXPECT_EQ(e->konfig().grenzgroessesterne, 600);
}

TEST_F(EngineTest, SuspendedCalculationKeepsTheChartButNotTheStatusLine) {
  std::vector<std::string> log;
  auto e = make();
  auto rec = std::make_unique<trecorder>(&log);
  rec->claim = true;
  e->add_component(std::move(rec));
  ASSERT_TRUE(e->initialisieren(options()));
  e->first_paint();
  int status_updates = 0;
  e->on_status = [&] { ++status_updates; };

  e->toggle_berechnung();
  EXPECT_FALSE(e->flags().berechnungein);
  log.clear();
  e->zeitort().local_time = 3.0;
  e->flags().positionenneu = true;
  e->zyklus();
  EXPECT_TRUE(log.empty());
  EXPECT_DOUBLE_EQ(e->zeitort().ut, 2.0);
  EXPECT_GT(status_updates, 0);
  EXPECT_NE(e->statuszeile().datum.find("02:00:00 UT"), std::string::npos) << e->statuszeile().datum;

  e->toggle_berechnung();
  EXPECT_EQ(log, (std::vector<std::string>{"prepare", "positions", "draw"}));
}

struct tfailing_drawing : tcomponent {
  std::string_view name() const override { return "failing"; }
  bool draws(int, int) const override { return true; }
  void draw(tengine&, Zeichenflaeche&) override { throw std::runtime_error("horizon"); }
};

TEST_F(EngineTest, ADrawingErrorAsksOnceWhetherToReportAgain) {
  auto e = make();
  e->add_component(std::make_unique<tfailing_drawing>());
  messages.script_answers({false});
  ASSERT_TRUE(e->initialisieren(options()));
  ASSERT_EQ(messages.records().size(), 1u);
  EXPECT_TRUE(messages.records()[0].question);
  EXPECT_FALSE(e->settings().show_fatal_grafic_errors);
  e->flags().bildneu = true;
  e->zyklus();
  EXPECT_EQ(messages.records().size(), 1u) << "not asked again";
}

TEST_F(EngineTest, UndoKeepsTwoSnapshotsAfterTheStartPhase) {
  auto e = make();
  ASSERT_TRUE(e->initialisieren(options()));
  EXPECT_EQ(e->undo().count(), 0u);
  e->first_paint();
  for (int i = 0; i < 4; ++i) {
    e->konfig().drehwinkel = 10 * i;
    e->flags().bildneu = true;
    e->zyklus();
  }
  ASSERT_EQ(e->undo().count(), 2u);
  tkonfiguration last;
  ASSERT_TRUE(decode_record(e->undo().last().record(), last).ok());
  EXPECT_EQ(last.drehwinkel, 30);
  EXPECT_EQ(e->history().count(), 0u);
  e->settings().auto_history = true;
  e->flags().bildneu = true;
  e->zyklus();
  EXPECT_EQ(e->history().count(), 1u);
}

std::int32_t answers_112() { return 112; }

TEST_F(EngineTest, StatusLineShowsDatePlaceAndTheories) {
  const tscopedtheorylibraries none(ttheorylibraries{});
  auto e = make();
  ASSERT_TRUE(e->initialisieren(options()));
  LanguageScope german_texts(german);
  tstatuszeile s = e->statuszeile();
  EXPECT_NE(s.datum.find("21:30:00"), std::string::npos) << s.datum;
  EXPECT_NE(s.datum.find("Kassel"), std::string::npos);
  EXPECT_NE(s.datum.find("  GB:51°11'"), std::string::npos) << s.datum;
  EXPECT_NE(s.datum.find("  LAST: "), std::string::npos);
  // 15 March 2024, 21:30 CET = 20:30 UT: JD 2460384.5 + 20.5/24, a Friday.
  EXPECT_NE(s.datum.find("Freitag"), std::string::npos) << s.datum;
  EXPECT_NE(s.datum.find("20:30:00 UT  JD: 2460385.35417"), std::string::npos) << s.datum;
  EXPECT_EQ(s.planetentheorie, "Newcomb");
  EXPECT_EQ(s.mondtheorie, "Brown");
  EXPECT_EQ(s.grenzgroesse, "5.0 mag");
  EXPECT_TRUE(s.koordinaten.empty());
  e->konfig().kartenart = 204;
  e->konfig().grenzgroessesao = 1095;
  s = e->statuszeile();
  EXPECT_EQ(s.koordinaten, "RA: 12h00m Dk: 0.0° 30.0°");
  EXPECT_EQ(s.grenzgroesse, "10.9 mag");
  EXPECT_EQ(magnitude_label(-149), "-1.4 mag");
}

TEST_F(EngineTest, AnIdentifiedLibrarySelectsItsTheoryAtTheStart) {
  ttheorylibraries d_only;
  d_only.ping_d = answers_112;
  const tscopedtheorylibraries libraries(d_only);
  auto e = make();
  ASSERT_TRUE(e->initialisieren(options()));
  EXPECT_TRUE(e->library_usability().plantheod);
  EXPECT_EQ(e->konfig().theorie.planet_theory, theorie_vsop87d);
  EXPECT_EQ(e->statuszeile().planetentheorie, "VSOP87 D");
  tkonfiguration k = e->captured();
  k.theorie.planet_theory = theorie_vsop87c;  // its library did not answer
  e->apply(k);
  EXPECT_EQ(e->konfig().theorie.planet_theory, theorie_eigen);
}

}  // namespace
}  // namespace sdro
