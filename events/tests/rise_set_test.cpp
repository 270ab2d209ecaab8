// Rise, set, transit and twilight: against PyEphem over a year at four
// places (two beyond the polar circle), against the closed form for fixed
// places, and the cases of the day's edges.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/delta_t.h"
#include "astro/language.h"
#include "astro/sidereal.h"
#include "events/rise_set.h"

namespace sdro {
namespace {

// --- the PyEphem reference -------------------------------------------------------------

struct tref_event {
  std::string event;  // rise, set, transit, up, down, margin
  double hours = 0.0;
  double extra = 0.0;
};
using tref_key = std::tuple<std::string, std::string, std::string>;  // place, date, body

std::map<tref_key, std::vector<tref_event>> read_reference() {
  std::ifstream in(std::string(SDRO_TEST_DATA) + "/riseset_pyephem.csv");
  std::map<tref_key, std::vector<tref_event>> out;
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    std::stringstream s(line);
    std::string place, date, body, event, hours, extra;
    std::getline(s, place, ',');
    std::getline(s, date, ',');
    std::getline(s, body, ',');
    std::getline(s, event, ',');
    std::getline(s, hours, ',');
    std::getline(s, extra, ',');
    out[{place, date, body}].push_back({event, std::stod(hours), std::stod(extra)});
  }
  return out;
}

struct tplace_def {
  double latitude, east_longitude;
  int zone;
};
const std::map<std::string, tplace_def> kPlaces = {
    {"kassel", {51.19, 9.30, 1}},
    {"tromso", {69.65, 18.96, 1}},
    {"sydney", {-33.87, 151.21, 10}},
    {"longyearbyen", {78.22, 15.65, 1}},
};

/// The context of local noon of a date at a place (the longitude converted once, here).
triseset_context noon_context(const tplace_def& p, const std::string& date) {
  const int y = std::stoi(date.substr(0, 4)), m = std::stoi(date.substr(5, 2)), d = std::stoi(date.substr(8, 2));
  const double jd = calendar_to_jd(d, m, y, 12.0 - p.zone);
  return {jd, delta_t(jd), p.latitude, -p.east_longitude, static_cast<double>(p.zone)};
}

/// Our result for a body of the reference.
RiseSetResult ours(const std::string& body, const triseset_context& c) {
  static const std::map<std::string, int> kSunMoon = {
      {"moon", rs_moon}, {"sun", rs_sun}, {"civil", rs_civil}, {"nautical", rs_nautical}, {"astronomical", rs_astronomical}};
  static const std::map<std::string, int> kPlanets = {{"venus", 2}, {"mars", 4}, {"jupiter", 5}};
  if (const auto k = kSunMoon.find(body); k != kSunMoon.end()) {
    return RiseSetSunMoon({}, kDefaultReferenceAltitudes, k->second, k->second, c)[k->second - 1];
  }
  return RiseSetPlanet(kDefaultReferenceAltitudes, {}, kPlanets.at(body), c);
}

/// Largest difference in altitude (arc minutes) between our model and the
/// reference's definition: the Sun's fixed 16' semidiameter against its true
/// 15.8'..16.3', the Moon's parallax at the horizon, the series.
constexpr double kAltitudeUncertainty = 0.5;
/// The tolerance of the times.
constexpr double kMinutes = 1.0;
/// A day whose extreme altitude comes this close to the reference altitude
/// (arc minutes) grazes it: whether the body crosses is undecided.
constexpr double kGrazing = 1.0;

struct tstats {
  int compared = 0;
  int widened = 0;  // crossings at a slow altitude rate, with the tolerance of kAltitudeUncertainty
  double worst = 0.0;  // minutes, within the plain tolerance
};

TEST(RiseSetReference, AgreesWithPyEphemOverAYear) {
  LanguageScope de(german);
  const auto reference = read_reference();
  ASSERT_GT(reference.size(), 9000u);
  std::map<std::string, tstats> stats;  // by event kind
  int polar_states = 0;
  for (const auto& [key, events] : reference) {
    const auto& [place, date, body] = key;
    const RiseSetResult r = ours(body, noon_context(kPlaces.at(place), date));
    const std::string where = place + " " + date + " " + body;
    double margin = 1e9;
    for (const tref_event& e : events) {
      if (e.event == "margin") margin = e.extra;
    }
    const bool grazing = margin < kGrazing;
    const auto check_crossing = [&](bool found, double at, const std::string& sense) {
      std::vector<tref_event> same;
      for (const tref_event& e : events) {
        if (e.event == sense) same.push_back(e);
      }
      if (!grazing) {
        EXPECT_EQ(found, !same.empty()) << where << " " << sense;
      }
      if (!found || same.empty()) return;
      const auto near = std::min_element(same.begin(), same.end(), [at](const tref_event& a, const tref_event& b) {
        return std::abs(a.hours - at) < std::abs(b.hours - at);
      });
      const double error = std::abs(near->hours - at) * 60.0;
      const double slow = kAltitudeUncertainty / std::max(std::abs(near->extra), 1e-3);
      tstats& s = stats[body == "moon" || body == "sun" || body == "civil" || body == "nautical" ||
                                body == "astronomical" ? body : "planets"];
      ++s.compared;
      if (slow > kMinutes) {
        ++s.widened;
        EXPECT_LE(error, slow) << where << " " << sense << " at a rate of " << near->extra << "'/min";
      } else {
        s.worst = std::max(s.worst, error);
        EXPECT_LE(error, kMinutes) << where << " " << sense;
      }
    };
    check_crossing(r.rise_found, r.rise, "rise");
    check_crossing(r.set_found, r.set, "set");
    std::vector<double> transits;  // the reference's transits well above the reference altitude
    for (const tref_event& e : events) {
      if ((e.event == "up" || e.event == "down") && !grazing && !r.rise_found && !r.set_found) {
        const bool twilight = body == "civil" || body == "nautical" || body == "astronomical";
        const std::string expected = twilight ? (e.event == "up" ? "hell    " : "dunkel  ")
                                              : (e.event == "up" ? "sichtbar" : "unsichtbar");
        EXPECT_EQ(r.state_text, expected) << where;
        EXPECT_EQ(r.rise_text, " ---- ");
        ++polar_states;
      }
      // The Moon's reference altitude at transit is topocentric, up to 1° below ours.
      if (e.event == "transit" && e.extra > (body == "moon" ? 2.0 : 1.0)) {
        transits.push_back(e.hours);
        if (body != "moon") {
          EXPECT_NEAR(r.culmination_altitude, e.extra, 1.0 / 60) << where;
        }
      }
    }
    // A transit well above the reference altitude is found, at one of the
    // reference's transits (a day may hold two of a planet or star).
    if (!transits.empty()) {
      ASSERT_TRUE(r.transit_found) << where;
      double error = 1e9;
      for (double t : transits) error = std::min(error, std::abs(r.transit - t) * 60.0);
      EXPECT_LE(error, kMinutes) << where << " transit";
      tstats& s = stats[body == "moon" ? "moon transit" : "transit"];
      s.worst = std::max(s.worst, error);
      ++s.compared;
    }
  }
  EXPECT_GT(polar_states, 300);  // polar days and nights at Tromsø and Longyearbyen
  for (const auto& [kind, s] : stats) {
    std::printf("%-14s %5d compared, worst %.3f min, %d at a slow rate\n", kind.c_str(), s.compared, s.worst,
                s.widened);
    EXPECT_GT(s.compared, 300) << kind;
  }
}

// --- fixed places against the closed form -------------------------------------------------

/// Hour angle (degrees) at which a fixed place crosses the altitude h0.
double crossing_hour_angle(double phi, double dec, double h0) {
  return acos_deg((sin_deg(h0) - sin_deg(phi) * sin_deg(dec)) / (cos_deg(phi) * cos_deg(dec)));
}

/// Local clock time of the moment the local mean sidereal time reaches `lmst`.
double time_of_sidereal(const triseset_context& c, double lmst_hours, double near) {
  const double jd0 = local_day_start(c);
  double t = near;
  for (int i = 0; i < 5; ++i) {
    const double now = local_sidereal_time(false, c.longitude, mjd_from_jd(jd0 + t / 24.0));
    double d = lmst_hours - now;
    d -= 24.0 * std::round(d / 24.0);
    t += d / 1.0027379093;
  }
  return t;
}

TEST(RiseSetFixed, AgreesWithTheClosedFormAlsoForTwoCrossingsInOneWindow) {
  const triseset_context c{2460480.0, 69.0, 51.19, -9.30, 2.0};
  const double h0 = -34.0 / 60.0;
  // Lower culmination at φ + δ − 90°, upper at 90° − φ + δ (δ < φ): 0.15° beyond the threshold.
  const double dip = 90.0 - c.latitude + h0 - 0.15;
  const double peek = c.latitude - 90.0 + h0 + 0.15;
  struct tcase {
    double ra, dec;
  } cases[] = {
      {90.0, 20.0},                         // an ordinary star
      {200.0, -30.0},
      {10.0, dip},   // below the horizon for less than an hour around lower culmination
      {10.0, peek},  // above it for less than an hour around upper culmination
  };
  for (const tcase& k : cases) {
    const RiseSetResult r = RiseSetFixed(kDefaultReferenceAltitudes, k.ra, k.dec, c);
    const double h = crossing_hour_angle(c.latitude, k.dec, h0);
    ASSERT_TRUE(r.rise_found && r.set_found) << k.dec;
    // Rise at LMST = α − H, set at α + H (hours), each the next to the found time.
    const double rise = time_of_sidereal(c, (k.ra - h) / 15.0, r.rise);
    const double set = time_of_sidereal(c, (k.ra + h) / 15.0, r.set);
    EXPECT_NEAR(r.rise, rise, 1.0 / 3600) << k.dec;
    EXPECT_NEAR(r.set, set, 1.0 / 3600) << k.dec;
    if (r.transit_found) {
      EXPECT_NEAR(r.transit, time_of_sidereal(c, k.ra / 15.0, r.transit), 1.0 / 3600) << k.dec;
      EXPECT_NEAR(r.culmination_altitude, 90.0 - std::abs(c.latitude - k.dec), 1e-9);
    }
  }
  // The short dip: set before rise, both within two hours.
  const RiseSetResult below = RiseSetFixed(kDefaultReferenceAltitudes, 10.0, dip, c);
  EXPECT_LT(below.set, below.rise);
  EXPECT_LT(below.rise - below.set, 1.0);
  EXPECT_FALSE(below.transit_found && below.transit > below.set && below.transit < below.rise);
  const RiseSetResult above = RiseSetFixed(kDefaultReferenceAltitudes, 10.0, peek, c);
  EXPECT_LT(above.rise, above.set);
  EXPECT_LT(above.set - above.rise, 1.0);
}

TEST(RiseSetFixed, PolarPlacesAreNotComputed) {
  LanguageScope en(english);
  struct tcase {
    double dec, lat;
    bool polar;
  } cases[] = {{89.99, 89.99, true}, {90.0, 40.0, true}, {20.0, 90.0, true}, {-20.0, -90.0, true},
               {89.99, 50.0, false}, {50.0, 89.99, false}};
  for (const tcase& k : cases) {
    const RiseSetResult r = RiseSetFixed(kDefaultReferenceAltitudes, 0.0, k.dec, {2460480.0, 0, k.lat, 0, 0});
    EXPECT_EQ(r.polar, k.polar) << k.dec << " " << k.lat;
    if (k.polar) {
      EXPECT_EQ(r.rise_text, " --- ");
      EXPECT_EQ(r.set_text, " --- ");
      EXPECT_EQ(r.state_text, " ");
      EXPECT_FALSE(r.rise_found || r.set_found || r.transit_found);
    } else {
      EXPECT_EQ(r.state_text, "visible");  // circumpolar
    }
  }
}

TEST(RiseSetSunMoon, EventAtTheFirstMomentOfTheDayIsAnEvent) {
  // Move the local midnight to 30 s before sunrise: the sunrise is then at 00:00:30.
  triseset_context c{2460480.0, 69.0, 51.19, -9.30, 2.0};
  const double rise = RiseSetSunMoon({}, kDefaultReferenceAltitudes, 2, 2, c)[1].rise;
  c.zone_offset -= rise - 30.0 / 3600;
  const RiseSetResult r = RiseSetSunMoon({}, kDefaultReferenceAltitudes, 2, 2, c)[1];
  ASSERT_TRUE(r.rise_found);
  EXPECT_NEAR(r.rise, 30.0 / 3600, 1.0 / 3600);
  EXPECT_EQ(r.rise_text, " ");
}

// --- Sun, Moon and planets: the cases of the day -------------------------------------------

TEST(RiseSetSunMoon, PolarDayAndTwilightTexts) {
  LanguageScope de(german);
  const triseset_context c{2460480.0, 69.0, 70.0, -20.0, 1.0};  // 18 June at 70° N
  const auto r = RiseSetSunMoon({}, kDefaultReferenceAltitudes, 2, 5, c);
  EXPECT_FALSE(r[1].rise_found || r[1].set_found);
  EXPECT_EQ(r[1].rise_text, " ---- ");
  EXPECT_EQ(r[1].state_text, "sichtbar");
  EXPECT_TRUE(r[1].transit_found);
  EXPECT_EQ(r[4].state_text, "hell    ");
  EXPECT_FALSE(r[4].transit_found);  // no transit for a twilight
  EXPECT_EQ(r[0].rise_text, " ---- ");  // the Moon was not asked for
  LanguageScope en(english);
  const auto winter = RiseSetSunMoon({}, kDefaultReferenceAltitudes, 2, 3, {2460300.0, 69.0, 70.0, -20.0, 1.0});
  EXPECT_EQ(winter[1].state_text, "invisible");
  EXPECT_EQ(winter[2].state_text, " ");  // civil twilight still begins and ends
}

TEST(RiseSetSunMoon, TimesFollowTheLocalClock) {
  const triseset_context winter{2460480.0, 69.0, 51.19, -9.30, 1.0};
  triseset_context summer = winter;
  summer.zone_offset = 2.0;  // daylight saving adds a whole hour
  const auto a = RiseSetSunMoon({}, kDefaultReferenceAltitudes, 2, 2, winter)[1];
  const auto b = RiseSetSunMoon({}, kDefaultReferenceAltitudes, 2, 2, summer)[1];
  EXPECT_NEAR(b.rise - a.rise, 1.0, 1e-3);
  EXPECT_NEAR(b.set - a.set, 1.0, 1e-3);
  EXPECT_NEAR(b.transit - a.transit, 1.0, 1e-3);
}

TEST(RiseSetSunMoon, MoonDayWithoutMoonrise) {
  // Kassel, 2024-01-03: the Moon sets at noon and rises only after midnight.
  const auto reference = read_reference();
  const auto& events = reference.at({"kassel", "2024-01-03", "moon"});
  ASSERT_TRUE(std::none_of(events.begin(), events.end(), [](const tref_event& e) { return e.event == "rise"; }));
  const auto r = RiseSetSunMoon({}, kDefaultReferenceAltitudes, 1, 1, noon_context(kPlaces.at("kassel"), "2024-01-03"))[0];
  EXPECT_FALSE(r.rise_found);
  EXPECT_EQ(r.rise_text, " ---- ");
  EXPECT_TRUE(r.set_found);
  EXPECT_EQ(r.set_text, " ");
  EXPECT_EQ(r.state_text, " ");
}

TEST(RiseSetPlanet, NumbersOutsideTheMajorPlanetsGiveNothing) {
  const triseset_context c{2460480.0, 69.0, 51.19, -9.30, 2.0};
  for (int n : {0, 3, 10, -1}) {
    const RiseSetResult r = RiseSetPlanet(kDefaultReferenceAltitudes, {}, n, c);
    EXPECT_FALSE(r.rise_found || r.set_found || r.transit_found) << n;
  }
  EXPECT_TRUE(RiseSetPlanet(kDefaultReferenceAltitudes, {}, 9, c).transit_found);  // Pluto
}

TEST(LocalDay, StartsAtLocalMidnight) {
  EXPECT_DOUBLE_EQ(local_day_start({2451545.0, 0, 0, 0, 0}), 2451544.5);
  EXPECT_NEAR(local_day_start({2451545.0, 0, 0, 0, 13.0}), 2451545.5 - 13.0 / 24, 1e-9);  // already the 2nd
  EXPECT_NEAR(local_day_start({2451545.0, 0, 0, 0, -11.0}), 2451544.5 + 11.0 / 24, 1e-9);
  EXPECT_NEAR(local_day_start({0.25, 0, 0, 0, 0.0}), -0.5, 1e-12);  // before JD 0.5: floor, not truncation
}

}  // namespace
}  // namespace sdro

namespace sdro {
namespace {

/// Every time a result carries is a number of the local day.
void expect_sane(const RiseSetResult& r, const std::string& where) {
  for (double t : {r.rise, r.set, r.transit, r.culmination_altitude}) EXPECT_TRUE(std::isfinite(t)) << where;
  EXPECT_TRUE(r.rise >= 0.0 && r.rise <= 24.0) << where;
  EXPECT_TRUE(r.set >= 0.0 && r.set <= 24.0) << where;
  EXPECT_TRUE(r.transit >= 0.0 && r.transit < 24.0) << where;
}

TEST(RiseSetLimits, ExtremeDatesAndPlacesGiveNumbers) {
  for (double jd : {5.0, 2451545.0, 5373484.4583}) {
    for (double lat : {-90.0, -66.0, 0.0, 89.999, 90.0}) {
      const triseset_context c{jd, delta_t(jd), lat, -179.5, -12.0};
      const std::string where = std::to_string(jd) + " " + std::to_string(lat);
      for (const RiseSetResult& r : RiseSetSunMoon({}, kDefaultReferenceAltitudes, 1, 5, c)) expect_sane(r, where);
      for (int planet : {1, 2, 4, 5, 6, 7, 8, 9}) {
        expect_sane(RiseSetPlanet(kDefaultReferenceAltitudes, {}, planet, c), where + " planet " + std::to_string(planet));
      }
      expect_sane(RiseSetFixed(kDefaultReferenceAltitudes, 359.9, -45.0, c), where + " fixed");
    }
  }
}

}  // namespace
}  // namespace sdro
