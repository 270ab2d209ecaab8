// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/engine/tests/engine_fixture.h"
#include "astro/file_io.h"

namespace sdro {
namespace {

using testing::EngineTest;

TEST_F(EngineTest, RoundTripThroughAFileReproducesTheRecord) {
  auto first = make();
  ASSERT_TRUE(first->initialisieren(options()));
  const std::string captured = first->capture();
  ASSERT_TRUE(first->save_configuration(dir / "a.kcf"));
  EXPECT_EQ(first->caption(), "Sidaro 3.0 [" + (dir / "a.kcf").string() + "]");

  auto second = make({1, 7, 2030, 3.0});
  ASSERT_TRUE(second->initialisieren(options()));
  ASSERT_NE(second->capture(), captured);
  const double mjd_before = second->zeitort().mjd;
  ASSERT_TRUE(second->load_configuration(dir / "a.kcf"));
  EXPECT_EQ(second->capture(), captured);
  EXPECT_EQ(second->vorheriger_zeitpunkt().year, 2030);
  EXPECT_DOUBLE_EQ(second->vorheriger_zeitpunkt().mjd, mjd_before);
  EXPECT_EQ(second->zeitort().year, 2024);
  EXPECT_FALSE(second->konfig().useaberrat);
}

TEST_F(EngineTest, RejectedFilesChangeNothing) {
  auto e = make();
  ASSERT_TRUE(e->initialisieren(options()));
  e->konfig().kartenart = 204;
  ASSERT_TRUE(e->save_configuration(dir / "good.kcf"));
  const std::string before = e->capture();
  const std::string good = *read_whole_file(dir / "good.kcf");

  std::string field = good;
  field[kHeaderSize + 3040 + 7] = 0x50;  // zoom radius far beyond 60°
  std::string header = good;
  header[3] = 'x';
  const std::string files[] = {good.substr(0, 5000), header, field, "plain text"};
  for (const auto& bytes : files) {
    ASSERT_TRUE(write_file_atomically(dir / "bad.kcf", bytes));
    messages.clear();
    EXPECT_FALSE(e->load_configuration(dir / "bad.kcf"));
    EXPECT_EQ(messages.records().size(), 1u);
    EXPECT_EQ(e->capture(), before);
    EXPECT_EQ(e->konfiguration().dateiname(), (dir / "good.kcf").string());
  }
  messages.clear();
  EXPECT_FALSE(e->load_configuration(dir / "missing.kcf"));
  EXPECT_TRUE(messages.records().empty());
}

TEST_F(EngineTest, SaveFailureClearsTheFileName) {
  auto e = make();
  ASSERT_TRUE(e->initialisieren(options()));
  ASSERT_TRUE(e->save_configuration(dir / "a.kcf"));
  EXPECT_FALSE(e->save_configuration(dir / "no" / "b.kcf"));
  EXPECT_EQ(e->caption(), "Sidaro 3.0");
  ASSERT_TRUE(e->save_configuration(dir / "a.kcf"));
  e->new_configuration();
  EXPECT_EQ(e->caption(), "Sidaro 3.0");
}

TEST_F(EngineTest, CaptureLeavesNightColoursAndTrackFlagsInPlace) {
  auto e = make();
  ASSERT_TRUE(e->initialisieren(options()));
  const tfarbtabelle day = e->konfig().farben;
  tfarbtabelle night{};
  night.fill(farbe_rgb(80, 0, 0));
  e->set_nachtabdunkelung(true, night);
  e->konfig().schriften[2].farbe = farbe_rgb(90, 0, 0);
  e->set_bahndatei_offen(true);

  const tkonfiguration k = e->captured();
  EXPECT_EQ(k.farben, day);
  EXPECT_EQ(k.schriften[2].farbe, farbe_rgb(255, 255, 255));
  EXPECT_TRUE(k.planeten && k.planetoiden && k.kometen);
  // The live state is untouched.
  EXPECT_EQ(e->konfig().farben, night);
  EXPECT_EQ(e->konfig().schriften[2].farbe, farbe_rgb(90, 0, 0));
  EXPECT_FALSE(e->konfig().planeten || e->konfig().planetoiden || e->konfig().kometen);

  // Apply writes into the day slots while the night colours stay active.
  tkonfiguration other = k;
  other.farben[0] = farbe_rgb(1, 2, 3);
  other.planeten = false;
  e->apply(other);
  EXPECT_EQ(e->konfig().farben, night);
  EXPECT_FALSE(e->konfig().planeten);
  e->set_nachtabdunkelung(false);
  e->set_bahndatei_offen(false);
  EXPECT_EQ(e->konfig().farben[0], farbe_rgb(1, 2, 3));
  EXPECT_FALSE(e->konfig().planeten);
  EXPECT_TRUE(e->konfig().planetoiden);
}

TEST_F(EngineTest, ApplyNormalisesSetterValues) {
  const tscopedtheorylibraries none(ttheorylibraries{});
  auto e = make();
  e->set_meteor_count(3);
  ASSERT_TRUE(e->initialisieren(options()));
  struct tcase {
    void (*set)(tkonfiguration&);
    bool (*holds)(const tkonfiguration&);
  };
  const tcase cases[] = {
      {[](tkonfiguration& k) { k.spiegelung = 0; }, [](const tkonfiguration& k) { return k.spiegelung == 1; }},
      {[](tkonfiguration& k) { k.spiegelung = -1; }, [](const tkonfiguration& k) { return k.spiegelung == -1; }},
      {[](tkonfiguration& k) { k.nmeteor = 5; }, [](const tkonfiguration& k) { return k.nmeteor == 0; }},
      {[](tkonfiguration& k) { k.nmeteor = 3; }, [](const tkonfiguration& k) { return k.nmeteor == 3; }},
      {[](tkonfiguration& k) { k.useaberrat = true; }, [](const tkonfiguration& k) { return !k.useaberrat; }},
      {[](tkonfiguration& k) { k.ppm = true; }, [](const tkonfiguration& k) { return !k.ppm; }},
      {[](tkonfiguration& k) { k.drehwinkel = -90; }, [](const tkonfiguration& k) { return k.drehwinkel == 270; }},
      {[](tkonfiguration& k) { k.theorie.planet_theory = 1; },
       [](const tkonfiguration& k) { return k.theorie.planet_theory == 0; }},
      {[](tkonfiguration& k) { k.kartengroesse = 5000; },
       [](const tkonfiguration& k) { return k.kartengroesse == 1430; }},
  };
  for (const auto& c : cases) {
    tkonfiguration k = e->captured();
    c.set(k);
    e->apply(k);
    EXPECT_TRUE(c.holds(e->konfig()));
  }
}

}  // namespace
}  // namespace sdro
