// The place dialog, the map confirmation, the small instant dialogs and the home place.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>

#include "app/dialogs/places/entry_edits.h"
#include "app/dialogs/places/instant_dialogs.h"
#include "app/dialogs/places/location_combo.h"
#include "app/dialogs/places/map_place_dialog.h"
#include "app/dialogs/places/place_dialog.h"
#include "app/dialogs/places/place_fields.h"
#include "app/dialogs/places/tests/dialog_fixture.h"
#include "astro/calendar.h"

namespace sdro {
namespace {

using PlaceDialogs = testing::DialogTest;
using testing::confirmed;
using testing::type_and_leave;

TEST_F(PlaceDialogs, ListChoiceFillsThePlaceAndKeepsTheAdditionalSettings) {
  TOrtwahldialog d(session, engine.zeitort(), true);
  EXPECT_EQ(d.fields().name->text().toStdString(), engine.zeitort().place_name);
  EXPECT_EQ(d.list()->currentText().toStdString(), engine.zeitort().place_name);  // Kassel is in the list
  EXPECT_TRUE(d.prefix_only()->isChecked());
  d.fields().height->setText("312");
  d.search_field()->setText("frankfurt a");
  EXPECT_EQ(d.fields().name->text().left(9), "Frankfurt");
  EXPECT_EQ(d.list()->currentText(), d.fields().name->text());
  EXPECT_EQ(d.fields().height->text(), "312");
  ASSERT_TRUE(confirmed(d));
  EXPECT_EQ(d.edited().place_name.substr(0, 9), "Frankfurt");
  EXPECT_NEAR(d.edited().longitude, -8.7, 0.2);  // east negative
  EXPECT_NEAR(d.edited().latitude, 50.1, 0.2);
  EXPECT_EQ(d.edited().zone, 1);
  EXPECT_EQ(d.edited().height, 312);

  d.search_field()->setText("frankf");  // the first of several in sorted order
  EXPECT_EQ(d.fields().name->text(), "Frankfurt (Oder)");
  d.prefix_only()->setChecked(false);  // the whole-name search finds parts
  d.search_field()->setText("am main");
  EXPECT_EQ(d.fields().name->text(), "Frankfurt am Main");
}

TEST_F(PlaceDialogs, AltitudeLimitAgreesWithTheDateDialog) {
  TOrtwahldialog d(session, engine.zeitort(), true);
  d.fields().height->setText("40000");
  EXPECT_FALSE(confirmed(d));
  EXPECT_EQ(messages.records().back().text, "Bitte realistische Werte eingeben!");
  EXPECT_EQ(messages.records().back().caption, "Fehler bei Eingabe der Meereshöhe");
  d.fields().height->setText("31000");
  d.fields().longitude->setText("-8,5");
  ASSERT_TRUE(confirmed(d));
  EXPECT_EQ(d.edited().height, 31000);
  EXPECT_DOUBLE_EQ(d.edited().longitude, -8.5);
}

TEST_F(PlaceDialogs, TypedCoordinatesBecomeTheListsCurrentValues) {
  TOrtwahldialog d(session, engine.zeitort(), false);
  testing::type_and_tab_away(d.fields().latitude, "47,25");
  EXPECT_DOUBLE_EQ(session.locations().latitude(), 47.25);
  EXPECT_EQ(session.locations().Gb(), "47,2500");
  testing::type_and_tab_away(d.fields().latitude, "-91");
  EXPECT_TRUE(d.error_flag());
  EXPECT_EQ(d.fields().latitude->text(), "47,2500");
  EXPECT_FALSE(d.keep_ut());
}

TEST_F(PlaceDialogs, MapPointIsProposedAndChecked) {
  const tzeitort proposal = proposal_for_map_point(engine.zeitort(), {50.11, 8.68}, "");
  EXPECT_EQ(proposal.place_name, "Br: 50° Lg: -8°");
  EXPECT_EQ(proposal.zone, 1);
  EXPECT_EQ(proposal.height, engine.zeitort().height);
  TOrtwahldialogkarte d(messages, engine.zeitort(), proposal, true);
  EXPECT_EQ(d.fields().longitude->text(), "-8°40'48''");
  d.fields().height->setText("40000");
  EXPECT_FALSE(confirmed(d));
  d.fields().height->setText("120");
  ASSERT_TRUE(confirmed(d));
  EXPECT_NEAR(d.edited().longitude, -8.68, 1.0 / 3600);
  EXPECT_NEAR(d.edited().latitude, 50.11, 1.0 / 3600);
  EXPECT_EQ(d.edited().height, 120);
  EXPECT_EQ(d.edited().place_name, "Br: 50° Lg: -8°");
}

TEST_F(PlaceDialogs, MapClickOutsideTheMapOnlyBeeps) {
  tearth_map map;
  map.cities.push_back({"Paris", {48.85, 2.35}});
  tearth_map_view view(map, 0xFF8080, 0x0000FF, messages);
  view.resize(720, 400);  // 2 pixels per degree, 40 pixels below the map
  std::vector<std::pair<tmap_point, std::string>> picks;
  view.on_pick = [&picks](const tmap_point& p, const std::string& c) { picks.emplace_back(p, c); };
  view.click_at(100, 390);
  EXPECT_EQ(messages.beeps(), 1);
  EXPECT_TRUE(picks.empty());
  view.click_at(2 * 182.35 + 1, 2 * (90 - 48.85));
  view.click_at(2 * 188.5, 2 * (90 - 50));
  ASSERT_EQ(picks.size(), 2u);
  EXPECT_EQ(picks[0].second, "Paris");
  EXPECT_EQ(picks[1].second, "");
  EXPECT_NEAR(picks[1].first.east_longitude, 8.5, 1e-9);
  EXPECT_NEAR(picks[1].first.latitude, 50.0, 1e-9);
  QImage shot = view.grab().toImage();
  EXPECT_EQ(shot.pixelColor(10, 10), QColor(0x80, 0x80, 0xFF));  // the sea colour, red in the low byte
}

TEST_F(PlaceDialogs, InstantDialogs) {
  TUTForm ut(session, engine.zeitort());
  const tcalendar_date shown = mjd_to_calendar(engine.zeitort().mjd);
  EXPECT_EQ(ut.date_edit()->day(), shown.day);
  ut.date_edit()->set_date(1, 1, 2000);
  ut.time_edit()->setUhrzeit(12.0);
  ASSERT_TRUE(confirmed(ut));
  EXPECT_NEAR(ut.edited().mjd, 51544.5, 1e-6);
  EXPECT_NEAR(ut.edited().local_time, 14.0, 1e-6);  // zone +1 and daylight saving

  TJDForm jd(session, engine.zeitort());
  jd.jd_field()->setText("4,5");
  EXPECT_FALSE(confirmed(jd));
  EXPECT_EQ(messages.records().back().text, "Julianisches Datum muß>=5 und <=5373484 sein!");
  jd.jd_field()->setText("2451545,0");
  jd.zone_spin()->setValue(9);
  ASSERT_TRUE(confirmed(jd));
  EXPECT_EQ(jd.edited().zone, 9);
  EXPECT_NEAR(jd.edited().local_time, 22.0, 1e-6);  // 12 h UT + 9 + daylight saving

  TTagbrForm fraction(session, engine.zeitort());
  EXPECT_EQ(fraction.day_field()->text(), "15,81250");  // 19:30 UT
  fraction.day_field()->setText("31,5");
  EXPECT_FALSE(confirmed(fraction));
  EXPECT_EQ(messages.records().back().text, "Das Datum 31.4.2024 gibt es nicht.");
  fraction.day_field()->setText("30,5");
  ASSERT_TRUE(confirmed(fraction));
  EXPECT_NEAR(fraction.edited().mjd, calendar_to_mjd(30, 4, 2024, 12.0), 1e-9);
}

TEST_F(PlaceDialogs, HomePlaceIsWrittenOnlyAfterYes) {
  tzeitort here = engine.zeitort();
  here.place_name = "Quito";
  here.latitude = -0.2299;
  here.longitude = 78.5249;
  here.zone = -5;
  here.height = 2850;
  here.pressure = 1013.25;
  messages.script_answers({false, true});
  EXPECT_FALSE(session.set_home(here));
  EXPECT_FALSE(engine.ini().has_section("Home"));
  EXPECT_TRUE(session.set_home(here));
  EXPECT_EQ(messages.records().back().text, "Aktuellen Ort als Heimatort neu festlegen?");
  EXPECT_EQ(messages.records().back().caption, "Heimatort: Kassel");  // the home so far
  EXPECT_EQ(engine.settings().home.name, "Quito");
  // What is written reads back whether the file holds a decimal point or comma.
  const tsettings back = read_settings(tinifile::parse(engine.ini().text()), tzeitort{});
  EXPECT_DOUBLE_EQ(back.home.latitude, -0.2299);
  EXPECT_DOUBLE_EQ(back.home.longitude, 78.5249);
  EXPECT_DOUBLE_EQ(back.home.pressure, 1013.25);
  EXPECT_EQ(back.home.height, 2850);
  std::string comma = engine.ini().text();
  for (std::size_t at = comma.find("78.5249"); at != std::string::npos; at = std::string::npos) comma[at + 2] = ',';
  EXPECT_DOUBLE_EQ(read_settings(tinifile::parse(comma), tzeitort{}).home.longitude, 78.5249);

  tzeitort z = engine.zeitort();
  session.return_home(z);
  EXPECT_EQ(z.place_name, "Quito");
  EXPECT_EQ(z.zone, -5);
}

}  // namespace
}  // namespace sdro
