// The date-and-place dialog: fields in step, limits, quick settings, checks.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/dialogs/places/date_place_dialog.h"
#include "app/dialogs/places/entry_edits.h"
#include "app/dialogs/places/place_fields.h"
#include "app/dialogs/places/tests/dialog_fixture.h"
#include "astro/calendar.h"
#include "astro/delta_t.h"
#include "astro/text_format.h"
#include "places/coordinate_text.h"
#include "places/date_entry.h"

namespace sdro {
namespace {

using DatePlaceDialog = testing::DialogTest;
using testing::confirmed;

using testing::type_and_leave;

TEST_F(DatePlaceDialog, DayBeyondTheMonthBecomesItsLastDay) {
  TDatumortForm f(session, engine.zeitort(), true);
  f.day_spin()->setValue(31);  // in April
  EXPECT_EQ(f.day_spin()->value(), 30);
  f.month_spin()->setValue(2);  // 2024: leap year
  EXPECT_EQ(f.day_spin()->value(), 29);
  f.year_spin()->setValue(2023);
  EXPECT_EQ(f.day_spin()->value(), 28);
  EXPECT_EQ(f.date_edit()->text(), "28.2.2023");
  f.year_spin()->setValue(1500);
  f.day_spin()->setValue(29);  // the Julian calendar has 29 February 1500
  EXPECT_EQ(f.day_spin()->value(), 29);
  EXPECT_TRUE(messages.records().empty());
}

TEST_F(DatePlaceDialog, TypedDateAndSpinsStayInStepAndImpossibleDatesAreRefused) {
  TDatumortForm f(session, engine.zeitort(), true);
  type_and_leave(f.date_edit(), "5.3.99");
  EXPECT_EQ(f.year_spin()->value(), 2099);  // the clock's century
  EXPECT_EQ(f.month_spin()->value(), 3);
  EXPECT_EQ(f.day_spin()->value(), 5);
  type_and_leave(f.date_edit(), "30.2.2001");
  EXPECT_EQ(f.date_edit()->text(), "5.3.2099");
  type_and_leave(f.date_edit(), "1.1.10000");
  EXPECT_EQ(f.date_edit()->text(), "5.3.2099");
  ASSERT_EQ(messages.records().size(), 2u);
  EXPECT_EQ(messages.records()[0].text, "Das Datum 30.2.2001 gibt es nicht.");
  EXPECT_EQ(messages.records()[1].text, date_range_message().message);
  EXPECT_EQ(messages.beeps(), 2);
}

TEST_F(DatePlaceDialog, TypedTimeAndSpinsStayInStep) {
  TDatumortForm f(session, engine.zeitort(), true);
  EXPECT_EQ(f.hours_spin()->value(), 21);  // shown from the start
  EXPECT_EQ(f.minutes_spin()->value(), 30);
  f.time_edit()->clear();
  QTest::keyClicks(f.time_edit(), "9.30");
  EXPECT_EQ(f.time_edit()->text(), "9:30");
  QTest::keyClick(f.time_edit(), Qt::Key_Return);
  EXPECT_EQ(f.time_edit()->text(), "09:30:00");
  EXPECT_EQ(f.hours_spin()->value(), 9);
  f.minutes_spin()->setValue(45);
  EXPECT_EQ(f.time_edit()->text(), "09:45:00");
  f.minutes_spin()->setValue(30);
  ASSERT_TRUE(confirmed(f));
  EXPECT_NEAR(f.edited().local_time, 9.5, 1e-6);
  f.time_edit()->clear();
  QTest::keyClicks(f.time_edit(), "12:75");
  EXPECT_FALSE(confirmed(f));  // OK refuses an unreadable time
  EXPECT_EQ(messages.records().back().text, "Uhrzeit: ungültiger Wert! Bitte hh:mm:ss eingeben.");
  QTest::keyClick(f.time_edit(), Qt::Key_Return);
  EXPECT_EQ(f.time_edit()->text(), "09:30:00");  // the last accepted time is back
  EXPECT_TRUE(f.error_flag());
}

TEST_F(DatePlaceDialog, QuickSettingsOfTimeAndZone) {
  TDatumortForm f(session, engine.zeitort(), true);  // zone +1, daylight saving
  f.button("&0 h UT")->click();
  EXPECT_EQ(f.time_edit()->text(), "02:00:00");
  f.button("UT")->click();
  EXPECT_EQ(f.fields().zone->value(), -1);
  EXPECT_EQ(f.fields().minutes->value(), 0);
  f.button("Jet&zt")->click();
  EXPECT_EQ(f.date_edit()->text(), "17.6.2031");
  EXPECT_EQ(f.time_edit()->text(), "10:30:00");
}

TEST_F(DatePlaceDialog, DeltaTFollowsTheDateWhenAutomatic) {
  tzeitort z = engine.zeitort();
  z.automatic_delta_t = false;
  z.delta_t = 12.3;
  TDatumortForm f(session, z, true);
  EXPECT_EQ(f.delta_t_field()->text(), "12,3");
  EXPECT_TRUE(f.delta_t_field()->isEnabled());
  f.button("&Ephemeridenzeit")->click();
  EXPECT_EQ(f.delta_t_field()->text(), "0,0");
  type_and_leave(f.delta_t_field(), "abc");
  EXPECT_EQ(messages.records().back().text, "ET-Ut (Sekunden): ungültiger Wert!");
  f.findChild<QCheckBox*>()->setChecked(true);  // the first check box is automatic ΔT
  EXPECT_FALSE(f.delta_t_field()->isEnabled());
  EXPECT_FALSE(f.button("N&äherung für ET-UT")->isVisibleTo(&f));
  f.year_spin()->setValue(1900);
  const double expected = delta_t(calendar_to_jd(15, 4, 1900, 21.5 - 2.0));
  EXPECT_NEAR(parse_real(comma_to_point(f.delta_t_field()->text().toStdString())).value, expected, 0.051);
}

TEST_F(DatePlaceDialog, AltitudeTemperatureAndPressureLimits) {
  TDatumortForm f(session, engine.zeitort(), true);
  f.fields().height->setText("40000");
  EXPECT_FALSE(confirmed(f));
  EXPECT_EQ(messages.records().back().text, "Bitte einen realistischen Wert für die Meereshöhe eingeben!");
  EXPECT_EQ(messages.records().back().caption, "Fehlerhaft oder unrealistischer Wert");
  f.fields().height->setText("31000");
  f.fields().pressure->setText("-1");
  EXPECT_FALSE(confirmed(f));
  EXPECT_EQ(messages.records().back().text, "Bitte einen realistischen Wert für den Luftdruck eingeben!");
  f.fields().pressure->setText("0");
  f.fields().latitude->setText("50°30'");
  ASSERT_TRUE(confirmed(f));
  EXPECT_EQ(f.edited().height, 31000);
  EXPECT_DOUBLE_EQ(f.edited().pressure, 0.0);
  EXPECT_NEAR(f.edited().latitude, 50.5, 1e-9);
}

TEST_F(DatePlaceDialog, RejectedFieldRefusesTheNextOkOnceAndCancelAlwaysCloses) {
  TDatumortForm f(session, engine.zeitort(), true);
  f.show();
  testing::type_and_tab_away(f.fields().latitude, "95");
  EXPECT_TRUE(f.error_flag());
  EXPECT_EQ(messages.records().back().text, "Geogr. Breite: muß zwischen >=-90 und <=+90 betragen!");
  EXPECT_EQ(f.fields().latitude->text().toStdString(), format_packed_degrees(engine.zeitort().latitude));
  f.accept();  // the click that left the field
  EXPECT_TRUE(f.isVisible());
  EXPECT_FALSE(f.error_flag());
  f.accept();
  EXPECT_FALSE(f.isVisible());

  // Return in a rejected field reports it and the OK it gives is refused.
  TDatumortForm r(session, engine.zeitort(), true);
  r.show();
  type_and_leave(r.fields().latitude, "95");
  EXPECT_TRUE(r.isVisible());
  EXPECT_FALSE(r.error_flag());

  TDatumortForm g(session, engine.zeitort(), true);
  g.show();
  testing::type_and_tab_away(g.fields().longitude, "190");
  g.reject();
  EXPECT_FALSE(g.isVisible());
  EXPECT_FALSE(g.error_flag());
}

TEST_F(DatePlaceDialog, BothLanguagesUseOneForm) {
  LanguageScope en(english);
  TDatumortForm f(session, engine.zeitort(), true);
  EXPECT_EQ(f.windowTitle(), "Date and Location");
  type_and_leave(f.fields().longitude, "190");
  EXPECT_EQ(messages.records().back().text, "Geogr. Longitude must be >=-180 and <=+180!");
  EXPECT_EQ(f.button("Jet&zt")->text(), "No&w");
}

}  // namespace
}  // namespace sdro
