// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/catalog/stars_component.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "app/engine/tests/engine_fixture.h"
#include "astro/binary_io.h"
#include "astro/file_io.h"
#include "astro/horizontal.h"
#include "astro/language.h"

namespace sdro {
namespace {

using testing::EngineTest;

std::string star(float ra, float dec, std::int32_t magnitude, const std::string& name) {
  tbytewriter w;
  for (const float f : {ra, dec, ra, dec, 0.0f, 0.0f}) w.f32(f);
  w.i32(magnitude);
  w.short_string(name, 8);
  w.u8(124);  // cached for 2024
  w.zeros(2);
  return w.take();
}

std::string point(std::int32_t year) {
  tbytewriter w;
  for (const float f : {0.0f, 0.0f, 1.0f, 0.0f, 0.0f}) w.f32(f);
  w.u8(1);
  w.zeros(3);
  w.i32(year);
  return w.take();
}

std::string nebula() {
  tbytewriter w;
  for (const float f : {0.0f, 0.0f, 0.0f, 0.0f, 1.0f}) w.f32(f);
  w.i32(500);
  w.short_string("M 42", 15);
  w.u8(3);
  w.u8(124);
  w.zeros(6);
  return w.take();
}

class StarsComponent : public EngineTest {
 protected:
  void write_catalogue() {
    write_file_atomically(data / "Sterne.dat", star(300, 10, 450, "Faint") + star(100, -16.7f, -146, "Sirius"));
    write_file_atomically(data / "linien.dat", point(2024) + point(2024));
    write_file_atomically(data / "nebel_ext.dat", nebula());
  }
  std::unique_ptr<tengine> started(bool& ok) {
    auto e = make();
    add_stars_component(*e);
    ok = e->initialisieren(options());
    return e;
  }
};

TEST_F(StarsComponent, AMissingCatalogueStopsTheStartWithTheFatalMessage) {
  // The fixture's data folder has an empty "Sterne.dat".
  LanguageScope en(english);
  bool ok = true;
  auto e = started(ok);
  EXPECT_FALSE(ok);
  ASSERT_FALSE(messages.records().empty());
  const tmessage_record& m = messages.records().back();
  EXPECT_EQ(m.text, "File sterne.dat not found or corrupt. Sidaro 3.0 halted.");
  EXPECT_EQ(m.caption, "Fatal Error");
  EXPECT_EQ(m.icon, tmessage_icon::error);
}

TEST_F(StarsComponent, TheStartPositionsTheStarsForTheInstantOfTheChart) {
  write_catalogue();
  bool ok = false;
  auto e = started(ok);
  ASSERT_TRUE(ok);
  tstars_component* c = stars_component(*e);
  ASSERT_TRUE(c && c->stars());
  const tstars& s = *c->stars();
  EXPECT_FALSE(s.first_pass());
  ASSERT_EQ(s.stars().size(), 2u);
  const tsternrecord& sirius = s.stars().back();
  const thorizontal h = equatorial_to_horizontal(e->zeitort(), e->settings().azimut, sirius.ra_apparent,
                                                 sirius.dec_apparent);
  EXPECT_NEAR(sirius.altitude, h.altitude, 1e-4);
  EXPECT_EQ(s.nebulae().size(), 1u);
}

TEST_F(StarsComponent, TheYearlyRefreshNeverRewritesAProtectedDataFolder) {
  // The catalogue carries the places of 2024 and the clock reads a later
  // year: an ordinary data folder gets its caches renewed, the folder under
  // version control keeps its bytes (and the places of date are computed all
  // the same).
  for (const bool is_protected : {false, true}) {
    write_catalogue();
    const std::string before = read_whole_file(data / "Sterne.dat").value();
    auto e = make({15, 3, 2026, 21.5});
    add_stars_component(*e);
    tstart_options o = options();
    if (is_protected) o.protected_data = {data};
    std::filesystem::remove(data / kProtectedDataMarker);
    ASSERT_TRUE(e->initialisieren(o));
    EXPECT_EQ(e->may_rewrite_catalogues(), !is_protected);
    EXPECT_EQ(read_whole_file(data / "Sterne.dat").value() == before, is_protected);
    EXPECT_EQ(stars_component(*e)->stars()->stars().size(), 2u);
  }
}

TEST_F(StarsComponent, AMarkedDataFolderKeepsItsCatalogueFiles) {
  write_catalogue();
  write_file_atomically(data / kProtectedDataMarker, "shipped\n");
  const std::string before = read_whole_file(data / "Sterne.dat").value();
  auto e = make({15, 3, 2026, 21.5});
  add_stars_component(*e);
  ASSERT_TRUE(e->initialisieren(options()));
  EXPECT_FALSE(e->may_rewrite_catalogues());
  EXPECT_EQ(read_whole_file(data / "Sterne.dat").value(), before);
}

TEST_F(StarsComponent, LinksIntoAMarkedFolderLeaveItsFilesAlone) {
  // A private data folder made of links to the shipped files: the files the
  // links name live in a marked folder and keep their bytes.
  write_catalogue();
  write_file_atomically(data / kProtectedDataMarker, "shipped\n");
  const std::filesystem::path links = dir / "links";
  std::filesystem::create_directories(links);
  for (const char* name : {"Sterne.dat", "linien.dat", "nebel_ext.dat"}) {
    std::filesystem::create_symlink(data / name, links / name);
  }
  const std::string before = read_whole_file(data / "Sterne.dat").value();
  auto e = make({15, 3, 2026, 21.5});
  add_stars_component(*e);
  tstart_options o = options();
  o.data_directory = links;
  ASSERT_TRUE(e->initialisieren(o));
  EXPECT_EQ(read_whole_file(data / "Sterne.dat").value(), before);
  EXPECT_TRUE(std::filesystem::is_symlink(links / "Sterne.dat"));
}

TEST_F(StarsComponent, TheCycleDispatchesNoPendingEvents) {
  write_catalogue();
  bool ok = false;
  auto e = started(ok);
  ASSERT_TRUE(ok);
  tstars_component* c = stars_component(*e);
  // A command waiting in the event queue that would load the container anew.
  bool ran = false;
  QTimer::singleShot(0, [&] {
    c->recreate(*e);
    ran = true;
  });
  e->flags().positionenneu = true;
  e->zyklus();
  EXPECT_FALSE(ran);
  EXPECT_FALSE(c->stars()->first_pass());
  QCoreApplication::processEvents();
  EXPECT_TRUE(ran);
  EXPECT_TRUE(c->stars()->first_pass());  // loaded again, not yet positioned
}

TEST_F(StarsComponent, TheLoadingLevelIsLimitedToWhatTheFileHolds) {
  write_catalogue();
  write_ini("[Settings]\nLevel=100\n");
  bool ok = false;
  auto e = started(ok);
  ASSERT_TRUE(ok);
  // Both stars are brighter than 5.0: the lowest level holds the whole file.
  EXPECT_EQ(e->settings().level, 50);
  EXPECT_EQ(stars_component(*e)->stars()->stars().size(), 2u);
  EXPECT_LE(e->konfig().grenzgroessesterne, 500);
}

}  // namespace
}  // namespace sdro

namespace sdro {
namespace {

TEST_F(StarsComponent, TheZoomChartTakesItsStarsFromTheOnlyZoneCatalogueInstalled) {
  write_catalogue();
  tbytewriter zone;
  for (const float f : {97.5f, 0.0f, 25.0f, 0.0f}) zone.f32(f);
  zone.i16(40);
  zone.fixed_string("4711", 10);
  write_file_atomically(data / "0001+0+1.ppm", zone.data());
  write_file_atomically(data / "0607+2+3.ppm", zone.data());
  bool ok = false;
  auto e = started(ok);
  ASSERT_TRUE(ok);
  tstars_component* c = stars_component(*e);
  e->konfig().kartenart = 204;
  e->konfig().zoomkarte = {97.5, 25.0, 5.0};
  e->flags().positionenneu = true;
  e->zyklus();
  EXPECT_TRUE(c->zone_catalogue_in_use());
  const tzone_request r = tstars_component::zone_request(*e);
  EXPECT_EQ(r.catalogue, tzone_catalogue::ppm);
  EXPECT_EQ(r.map.radius, 5.0);
  EXPECT_EQ(r.limit, e->konfig().grenzgroessesao);
  EXPECT_EQ(ReadZoneStars(c->zone_stars(), r, e->zeitort()).stars, 1u);
  EXPECT_EQ(c->zone_stars()[0].designation, "4711");
  // A zoom chart wider than the threshold uses the main star file.
  e->konfig().zoomkarte[2] = 40.0;
  e->flags().positionenneu = true;
  e->zyklus();
  EXPECT_FALSE(c->zone_catalogue_in_use());
}

}  // namespace
}  // namespace sdro
