// The Moon's phases and age, the daily overview and the time-and-place
// information with its event chooser.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "astro/calendar.h"
#include "astro/delta_t.h"
#include "astro/derived_fields.h"
#include "astro/instant.h"
#include "astro/language.h"
#include "events/daily_overview.h"
#include "events/moon_phases.h"
#include "events/time_place_info.h"

namespace sdro {
namespace {

/// Kassel (or another place) at a civil instant, with its derived fields.
tzeitort instant(int day, int month, int year, double local, double lat = 51.19, double west_lon = -9.30,
                 int zone = 1) {
  tzeitort z;
  z.day = day;
  z.month = month;
  z.year = year;
  z.local_time = local;
  z.zone = zone;
  z.latitude = lat;
  z.longitude = west_lon;
  instant_from_civil(z);
  z.t = dynamical_centuries(z.mjd, z.delta_t);
  update_derived_fields(z, false);
  return z;
}

TEST(MoonPhases, WorkedExamplesAndAgesAgainstPyEphem) {
  EXPECT_NEAR(phase_jde(-283.0), 2443192.65118, 1e-5);    // new moon, 1977 February
  EXPECT_NEAR(phase_jde(544.75), 2467636.49186, 2e-5);    // last quarter, 2044 January (2 s)
  struct tcase {
    double jd, age;  // PyEphem: the JD (UT) minus its previous new moon
  } cases[] = {{2460480.0, 11.973834}, {2451545.0, 24.561362}, {2443203.5, 10.849402},
               {2460320.9979167, 29.517361}, {2460321.0, 0.000486}};
  for (const tcase& c : cases) {
    tzeitort z;
    z.mjd = mjd_from_jd(c.jd);
    z.delta_t = delta_t(c.jd);
    EXPECT_NEAR(MoonAge(z), c.age, 2.0 / 1440) << c.jd;  // two minutes
  }
}

TEST(TimePlaceInfo, EventChooserListsWhatHappensInOrder) {
  LanguageScope de(german);
  const tzeitort z = instant(18, 6, 2024, 12.0, 51.19, -9.30, 1);
  const ttime_place_info info = time_place_info(z, {}, kDefaultReferenceAltitudes, {});
  std::vector<std::string> texts;
  for (const tinfo_event& e : info.events) texts.push_back(e.text);
  // Kassel at midsummer: no astronomical night, the Moon rises in the evening and sets after midnight.
  const std::vector<std::string> expected = {"Keine Änderung", "Beginn Naut. Dämmerung", "Beginn Bürg. Dämmerung",
                                             "Sonnenaufgang", "Kulmination", "Sonnenuntergang",
                                             "Ende Bürg. Dämmerung", "Ende Naut. Dämmerung", "Mondaufgang",
                                             "Kulmination Mond", "Monduntergang", "Mitternacht", "Mittag"};
  EXPECT_EQ(texts, expected);
  EXPECT_FALSE(info.events.front().changes);
  EXPECT_DOUBLE_EQ(info.events.back().hours, 12.0);
  EXPECT_EQ(info.rows[4].rise, "hell    ");  // astronomical twilight all night
  EXPECT_EQ(info.rows[4].set, "");
  EXPECT_EQ(info.rows[1].label, "Sonne:");
  EXPECT_EQ(info.rows[1].rise, "04:07");
  EXPECT_EQ(info.rows[1].transit, "12:24");
  EXPECT_EQ(info.rows[2].transit, "");  // no transit for a twilight
  EXPECT_EQ(info.lines[3], "Winterzeit");
  EXPECT_EQ(info.moon_line.rfind("Zunehmender Mond, Phasenwinkel ca.", 0), 0u) << info.moon_line;
  EXPECT_EQ(info.moon_line.substr(info.moon_line.size() - 5), " Tage");
  EXPECT_NE(info.lines[1].find("  LMST: "), std::string::npos);

  LanguageScope en(english);
  const ttime_place_info polar = time_place_info(instant(18, 6, 2024, 12.0, 70.0, -20.0, 1), {},
                                                 kDefaultReferenceAltitudes, {true, 12, 3, 500, 500, 1500, true, 900});
  EXPECT_EQ(polar.events.front().text, "Do no change Time");
  for (const tinfo_event& e : polar.events) EXPECT_NE(e.text, "Sunrise");
  EXPECT_EQ(polar.rows[1].rise, "visible");
  EXPECT_EQ(polar.counts, "Asteroids: 12   Comets: 3");
  EXPECT_EQ(polar.limits[1], "Asteroids und Comets: 15,0 mag SAO/PPM: 9,0 mag");
  EXPECT_NE(polar.lines[1].find("  LAST: "), std::string::npos);
  EXPECT_EQ(polar.moon_line.rfind("Moon crescending, Phase Angle ca.", 0), 0u) << polar.moon_line;
}

TEST(TimePlaceInfo, SettingTheClockKeepsTheDate) {
  tzeitort z = instant(18, 6, 2024, 15.25);
  set_clock_to_event(z, 12.0);  // "Mittag"
  EXPECT_EQ(z.day, 18);
  EXPECT_DOUBLE_EQ(z.local_time, 12.0);
  EXPECT_NEAR(z.mjd, calendar_to_mjd(18, 6, 2024, 11.0), 1e-9);
  set_clock_to_event(z, 24.0);  // a set at the very end of the day
  EXPECT_EQ(z.day, 19);
  EXPECT_DOUBLE_EQ(z.local_time, 0.0);
}

TEST(DailyOverview, RowsOfTheBodiesAndTheirCells) {
  LanguageScope de(german);
  const tzeitort z = instant(18, 6, 2024, 22.0);
  const toverview o = daily_overview(z, {}, kDefaultReferenceAltitudes, azimutSued, true);
  EXPECT_EQ(o.header[2], "      Dk");
  EXPECT_EQ(o.header[11], "Elongation");
  EXPECT_EQ(o.rows[0].cells[0], "Sonne");
  EXPECT_EQ(o.rows[9].cells[0], "Mond");
  const toverview_row& sun = o.rows[0];
  EXPECT_EQ(sun.cells[4], "04:07");
  EXPECT_EQ(sun.cells[5], "12:24");
  EXPECT_EQ(sun.cells[7], "62,2°");
  EXPECT_EQ(sun.cells[1].substr(0, 3), "5h5");  // α ≈ 5h52m
  EXPECT_NE(sun.cells[1].find(','), std::string::npos);  // tenths of seconds with a comma
  EXPECT_LT(sun.altitude, 0.0);  // 22 h: the Sun is down …
  EXPECT_GT(sun.altitude, -12.0);
  EXPECT_EQ(sun.cells[8].size(), 7u);  // "ddd,d°" (the degree sign is two bytes)
  const toverview_row& moon = o.rows[9];
  EXPECT_EQ(moon.cells[10], "12,3");  // the Moon's age stands in the magnitude column
  EXPECT_NE(moon.cells[11].find(" Ost"), std::string::npos);
  EXPECT_TRUE(o.rows[8].valid);
  const toverview far = daily_overview(instant(1, 1, 2300, 12.0), {}, kDefaultReferenceAltitudes, azimutNord, false);
  EXPECT_FALSE(far.rows[8].valid);  // Pluto outside its series
  EXPECT_EQ(far.rows[8].cells[0], "Pluto");
  EXPECT_TRUE(far.rows[8].cells[1].empty());
}

}  // namespace
}  // namespace sdro
