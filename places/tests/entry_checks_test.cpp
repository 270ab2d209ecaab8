// The field checks of the date-and-place and the place dialogs.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "astro/language.h"
#include "places/coordinate_text.h"
#include "places/entry_checks.h"

namespace sdro {
namespace {

constexpr auto kDate = tentry_form::date_and_place;
constexpr auto kPlace = tentry_form::place;

TEST(EntryChecks, LimitsAreTheSameInEveryDialog) {
  struct tcase {
    tentry_field field;
    const char* text;
    bool accepted;
    double value;
  } cases[] = {
      {tentry_field::height, "31000", true, 31000},
      {tentry_field::height, "-31000", true, -31000},
      {tentry_field::height, "40000", false, 0},  // refused by the place dialog as well
      {tentry_field::height, "12.5", false, 0},   // a whole number
      {tentry_field::pressure, "0", true, 0},
      {tentry_field::pressure, "-1", false, 0},
      {tentry_field::pressure, "1013,25", true, 1013.25},
      {tentry_field::pressure, "12000.5", false, 0},
      {tentry_field::temperature, "-273", true, -273},
      {tentry_field::temperature, "273,5", false, 0},
      {tentry_field::latitude, "90", true, 90},
      {tentry_field::latitude, "-90,0001", false, 0},
      {tentry_field::latitude, "50°30'", true, 50.5},
      {tentry_field::latitude, "50°75'", false, 0},  // minutes beyond 59
      {tentry_field::latitude, "-33°52'30''", true, -33.875},
      {tentry_field::longitude, "-180", true, -180},
      {tentry_field::longitude, "180.5", false, 0},
      {tentry_field::longitude, "abc", false, 0},
      {tentry_field::delta_t, "64,2", true, 64.2},
      {tentry_field::delta_t, "1e7", false, 0},
  };
  for (const tcase& c : cases) {
    for (tentry_form form : {kDate, kPlace}) {
      const tentry_check r = check_entry(form, c.field, c.text);
      EXPECT_EQ(r.state == tentry_check::accepted, c.accepted) << c.text;
      if (c.accepted) {
        EXPECT_NEAR(r.value, c.value, 1e-9) << c.text;
      } else {
        EXPECT_FALSE(r.message.empty()) << c.text;
      }
    }
  }
}

TEST(EntryChecks, ShownPackedPlaceReadsBack) {
  for (double deg : {51.191, -9.301, -0.5, 89.99999, 0.0}) {
    const std::string shown = format_packed_degrees(deg);
    const tentry_check r = check_entry(kDate, tentry_field::latitude, shown);
    ASSERT_EQ(r.state, tentry_check::accepted) << shown;
    EXPECT_NEAR(r.value, deg, 1.0 / 3600) << shown;
  }
  EXPECT_EQ(format_packed_degrees(-0.5), "-0°30'00''");
}

TEST(EntryChecks, EmptyFieldIsNoError) {
  for (tentry_field f : {tentry_field::delta_t, tentry_field::latitude, tentry_field::height}) {
    const tentry_check r = check_entry(kDate, f, "  ");
    EXPECT_EQ(r.state, tentry_check::empty);
    EXPECT_TRUE(r.message.empty());
  }
}

TEST(EntryChecks, MessagesFollowTheDialogAndTheLanguage) {
  {
    LanguageScope de(german);
    const tentry_check d = check_entry(kDate, tentry_field::height, "99999");
    EXPECT_EQ(d.message, "Bitte einen realistischen Wert für die Meereshöhe eingeben!");
    EXPECT_EQ(d.caption, "Fehlerhaft oder unrealistischer Wert");
    const tentry_check p = check_entry(kPlace, tentry_field::latitude, "95");
    EXPECT_EQ(p.message, "Geogr. Breite: muß >=-90 und <=+90 sein!");
    EXPECT_EQ(p.caption, "Fehler bei Eingabe der geogr. Breite");
  }
  LanguageScope en(english);
  const tentry_check d = check_entry(kDate, tentry_field::longitude, "181");
  EXPECT_EQ(d.message, "Geogr. Longitude must be >=-180 and <=+180!");
  EXPECT_EQ(d.caption, "");
  const tentry_check p = check_entry(kPlace, tentry_field::pressure, "-5");
  EXPECT_EQ(p.message, "Please enter realistic values!");
  EXPECT_EQ(p.caption, "Error while entering Atmospheric Pressure");
}

}  // namespace
}  // namespace sdro
