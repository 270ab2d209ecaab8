// The dialogs' operations on the instant and place record.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "astro/calendar.h"
#include "astro/delta_t.h"
#include "astro/instant.h"
#include "astro/language.h"
#include "places/instant_entry.h"

namespace sdro {
namespace {

tzeitort record(int day, int month, int year, double local, int zone, int dst = 0, int minutes = 0) {
  tzeitort z;
  z.day = day;
  z.month = month;
  z.year = year;
  z.local_time = local;
  z.zone = zone;
  z.daylight_saving = dst;
  z.additional_minutes = minutes;
  instant_from_civil(z);
  return z;
}

TEST(InstantEntry, QuickSettingsOfTheDateDialog) {
  tzeitort z = record(1, 7, 2024, 15.0, 1, 1);
  EXPECT_DOUBLE_EQ(local_time_at_0h_ut(z), 2.0);
  EXPECT_DOUBLE_EQ(local_time_at_0h_ut(record(1, 7, 2024, 15.0, -5, 0, -30)), 18.5);
  set_zone_to_ut(z);
  EXPECT_EQ(z.zone, -1);
  EXPECT_EQ(z.additional_minutes, 0);
  EXPECT_DOUBLE_EQ(zone_offset(z), 0.0);
  const tzeitort y2000 = record(1, 1, 2000, 13.0, 1);
  EXPECT_DOUBLE_EQ(approximate_delta_t(y2000), delta_t(calendar_to_jd(1, 1, 2000, 12.0)));
}

TEST(InstantEntry, UniversalTimeMovesTheLocalDateWhenNeeded) {
  tzeitort z = record(1, 1, 2000, 0.0, 3);
  set_instant_from_ut(z, 31, 12, 2023, 22.5);  // 01:30 next day at zone +3
  EXPECT_EQ(z.day, 1);
  EXPECT_EQ(z.month, 1);
  EXPECT_EQ(z.year, 2024);
  EXPECT_NEAR(z.local_time, 1.5, 1e-8);
  EXPECT_NEAR(z.mjd, calendar_to_mjd(31, 12, 2023, 22.5), 1e-9);
}

TEST(InstantEntry, DayFractionRoundTripsAndRefusesDaysOutsideTheMonth) {
  tzeitort z = record(1, 1, 2000, 0.0, 1);
  tday_fraction d;
  ASSERT_TRUE(check_day_fraction("2024", "4", "15,75", d).ok);
  set_instant_from_day_fraction(z, d);
  EXPECT_NEAR(z.mjd, calendar_to_mjd(15, 4, 2024, 18.0), 1e-9);
  EXPECT_NEAR(z.local_time, 19.0, 1e-8);
  const tday_fraction back = day_fraction_of(z);
  EXPECT_EQ(back.year, 2024);
  EXPECT_EQ(back.month, 4);
  EXPECT_NEAR(back.day, 15.75, 1e-9);
  EXPECT_EQ(format_day_fraction(back.day), "15,75000");

  LanguageScope de(german);
  struct tcase {
    const char *year, *month, *day, *message;
  } refused[] = {
      {"20001", "1", "1", "Jahr: muß >=-4712 und <=20000 sein!"},
      {"2000", "13", "1", "Monat: Bitte Ganzzahl >=1 und <=12 eingeben!"},
      {"2000", "1,5", "1", "Monat: Bitte Ganzzahl >=1 und <=12 eingeben!"},
      {"2000", "1", "32,5", "Tagesbruchteil: muß positiver Wert <=32 sein!"},
      {"2000", "1", "-1", "Tagesbruchteil: muß positiver Wert <=32 sein!"},
      {"2024", "4", "31,5", "Das Datum 31.4.2024 gibt es nicht."},  // not moved to 1 May
      {"2024", "4", "0,5", "Das Datum 0.4.2024 gibt es nicht."},
  };
  for (const tcase& c : refused) {
    const auto r = check_day_fraction(c.year, c.month, c.day, d);
    EXPECT_FALSE(r.ok) << c.day;
    EXPECT_EQ(r.message, c.message);
  }
  EXPECT_FALSE(check_day_fraction("15000", "1", "1", d).ok);  // beyond the admitted Julian dates
}

TEST(InstantEntry, JulianDateLimitsAgreeWithTheirMessage) {
  LanguageScope en(english);
  struct tcase {
    const char* text;
    tjulian_date_entry::tstate state;
  } cases[] = {{"5", tjulian_date_entry::accepted},
               {"4,99999", tjulian_date_entry::refused},
               {"0", tjulian_date_entry::refused},
               {"5373484,4583", tjulian_date_entry::accepted},
               {"5373484.46", tjulian_date_entry::refused},
               {"2451545.0", tjulian_date_entry::accepted},
               {"zwei", tjulian_date_entry::refused},
               {"", tjulian_date_entry::empty}};
  for (const tcase& c : cases) {
    const auto r = read_julian_date_entry(c.text);
    EXPECT_EQ(r.state, c.state) << c.text;
    if (c.state == tjulian_date_entry::refused) {
      EXPECT_EQ(r.message, "Julian Date must be >=5 and <=5373484!");
    }
  }
  tzeitort z = record(1, 1, 1990, 0.0, 1);
  set_instant_from_jd(z, 2451545.0);
  EXPECT_EQ(z.day, 1);
  EXPECT_EQ(z.year, 2000);
  EXPECT_NEAR(z.local_time, 13.0, 1e-8);
  EXPECT_EQ(format_julian_date(z.mjd), "2451545,00000");
}

TEST(InstantEntry, TakingAPlaceKeepsEitherTheUniversalTimeOrTheClock) {
  const tzeitort here = record(1, 6, 2024, 12.0, 1);
  tzeitort tokyo = here;
  tokyo.place_name = "Tokyo";
  tokyo.zone = 9;
  tokyo.latitude = 35.7;
  tokyo.longitude = -139.7;
  tokyo.use_refraction = false;

  tzeitort keep = here;
  take_place(keep, tokyo, true);
  EXPECT_DOUBLE_EQ(keep.mjd, here.mjd);
  EXPECT_NEAR(keep.local_time, 20.0, 1e-8);
  EXPECT_EQ(keep.place_name, "Tokyo");
  EXPECT_FALSE(keep.use_refraction);

  tzeitort clock = here;
  take_place(clock, tokyo, false);
  EXPECT_DOUBLE_EQ(clock.local_time, 12.0);
  EXPECT_NEAR(clock.mjd, here.mjd - 8.0 / 24.0, 1e-9);
  EXPECT_DOUBLE_EQ(clock.latitude, 35.7);
}

TEST(InstantEntry, MapPointProposesNameAndNearestZone) {
  LanguageScope de(german);
  const tmap_place frankfurt = place_from_map_point(8.68, 50.11, "");
  EXPECT_EQ(frankfurt.name, "Br: 50° Lg: -8°");
  EXPECT_DOUBLE_EQ(frankfurt.longitude, -8.68);
  EXPECT_EQ(frankfurt.zone, 1);
  EXPECT_EQ(place_from_map_point(-74.0, 40.7, "New York").name, "New York");
  struct tcase {
    double east;
    int zone;
  } zones[] = {{0, 0}, {7.4, 0}, {7.6, 1}, {-7.6, -1}, {179.9, 12}, {-179.9, -12}, {180, 12}, {-180, -12}, {540, 12}};
  for (const tcase& c : zones) EXPECT_EQ(place_from_map_point(c.east, 0, "").zone, c.zone) << c.east;
  LanguageScope en(english);
  EXPECT_EQ(place_from_map_point(-70.5, -33.4, "").name, "Lat.: -33° Long.: 70°");
}

}  // namespace
}  // namespace sdro
