// Apparent places through the chart's path (body_apparent with nutation and
// aberration) with the real theory libraries against a reference built from
// full VSOP87, ELP/MPP02 and ERFA's reductions, 1900-2100 (every 373.37 days;
// tools/fixtures/ephem/apparent_places_erfa.py states the reference's own
// accuracy, about 0.01" for the planets and 0.05" for the Moon).
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "astro/angles.h"
#include "astro/bodies.h"
#include "ephem/body_positions.h"
#include "ephem/moon_series.h"
#include "ephem/planet_geocentric.h"
#include "ephem/sun_moon.h"
#include "ephem/tests/fixture_reader.h"
#include "ephem/theory_libraries.h"

namespace sdro {
namespace {

constexpr double kAuKm = 149597870.7;

double separation_arcsec(double ra1, double dec1, double ra2, double dec2) {
  const tvektor a = polar_to_cartesian(ra1, dec1, 1.0);
  const tvektor b = polar_to_cartesian(ra2, dec2, 1.0);
  return 2.0 * std::asin(std::fmin(1.0, length(a - b) / 2.0)) * kRadToDeg * 3600.0;
}

double centuries(double jd) { return (jd - 2451545.0) / 36525.0; }

const std::map<std::string, int>& bodies() {
  static const std::map<std::string, int> b = {
      {"sun", sonne},     {"moon", mond},       {"mercury", merkur}, {"venus", venus},
      {"mars", mars},     {"jupiter", jupiter}, {"saturn", saturn},  {"uranus", uranus},
      {"neptune", neptun}};
  return b;
}

tbodyposition chart_place(int body, const ttheoriewahl& sel, double t) {
  return body_apparent(body, sel, -1, t, sun_geocentric(sel, -1, t), true);
}

struct Worst {
  double place = 0.0;
  double ecliptic = 0.0;
  double distance = 0.0;  // AU (the Moon: km)
};

/// Worst differences from the reference per body with one selection.
std::map<std::string, Worst> compare(const ttheoriewahl& sel) {
  const testing::Fixture ref("apparent_places_erfa.csv");
  std::map<std::string, Worst> worst;
  for (std::size_t i = 0; i < ref.size(); ++i) {
    const std::string name = ref.text(i, "body");
    const int body = bodies().at(name);
    const tbodyposition p = chart_place(body, sel, centuries(ref.num(i, "jd_tt")));
    Worst& w = worst[name];
    w.place = std::max(w.place, separation_arcsec(p.ra, p.dec, ref.num(i, "ra_deg"), ref.num(i, "dec_deg")));
    // λ, β of the chart are of the mean ecliptic (no nutation in longitude).
    w.ecliptic = std::max(w.ecliptic, std::abs(p.beta - ref.num(i, "lat_deg")) * 3600.0);
    const double dist = body == mond ? p.distance * kEarthRadiusKm : p.distance;
    const double ref_dist = ref.num(i, "dist_au") * (body == mond ? kAuKm : 1.0);
    w.distance = std::max(w.distance, std::abs(dist - ref_dist));
  }
  return worst;
}

bool libraries(ttheoriewahl& sel, std::uint8_t theory) {
  const tlibraryusability u = identify_theory_libraries();
  ttheoriewahl request;
  request.planet_theory = theory;
  request.lunar_library = 1;
  sel = accepted_theory(request, u);
  return sel.planet_theory == theory && lunar_library_in_effect(sel, u);
}

void print(const char* what, const std::map<std::string, Worst>& worst) {
  for (const auto& [name, w] : worst)
    std::printf("%s %-8s place %.3f\"  beta %.3f\"  distance %.3g %s\n", what, name.c_str(), w.place,
                w.ecliptic, w.distance, name == "moon" ? "km" : "AU");
}

TEST(LibraryAccuracy, Vsop87dAndTheLunarLibrary) {
  ttheoriewahl sel;
  if (!libraries(sel, theorie_vsop87d)) GTEST_SKIP() << "theory libraries are placeholders";
  const auto worst = compare(sel);
  print("VSOP87 D", worst);
  for (const auto& [name, w] : worst) {
    const double limit = name == "sun" ? 3.0 : (name == "moon" ? 2.0 : 1.0);
    EXPECT_LT(w.place, limit) << name;
    EXPECT_LT(w.ecliptic, limit) << name;
    EXPECT_LT(w.distance, name == "moon" ? 0.01 : 3e-6) << name;  // km, AU
  }
}

TEST(LibraryAccuracy, Vsop87cWithTheLightTimeIterated) {
  ttheoriewahl sel;
  if (!libraries(sel, theorie_vsop87c)) GTEST_SKIP() << "theory libraries are placeholders";
  const auto worst = compare(sel);
  print("VSOP87 C", worst);
  for (const auto& [name, w] : worst) {
    const double limit = name == "sun" ? 3.0 : (name == "moon" ? 2.0 : 1.0);
    EXPECT_LT(w.place, limit) << name;
    EXPECT_LT(w.distance, name == "moon" ? 0.01 : 1e-6) << name;  // km, AU
  }
  // The iteration: a few steps, and the retarded instant it ends with
  // satisfies the light-time equation to the stated 0.01 s.
  const testing::Fixture ref("apparent_places_erfa.csv");
  for (std::size_t i = 0; i < ref.size(); i += 37) {
    const double t = centuries(ref.num(i, "jd_tt"));
    const tplanetposition sun = sun_geocentric(sel, -1, t);
    for (int n : {1, 2, 4, 5, 6, 7, 8}) {
      const tgeocentric g =
          planet_geocentric(n, sel, -1, t, true, planet_heliocentric(n, sel, -1, t), sun);
      EXPECT_GE(g.iterations, 2);
      EXPECT_LE(g.iterations, 4) << n;
      const double tau = length(g.astrometric) / kLightSpeedAuPerDay / 36525.0;
      const tplanetposition retarded = planet_heliocentric(n, sel, -1, t - tau);
      EXPECT_LT(length(retarded.position - g.heliocentric_retarded), 1e-9) << n;
    }
  }
}

TEST(LibraryAccuracy, OwnSeriesAgainstTheSameReference) {
  const auto worst = compare(ttheoriewahl{});
  print("own", worst);
  EXPECT_LT(worst.at("sun").place, 3.0);
  EXPECT_LT(worst.at("moon").place, 10.0);
  // See the next test: the published series' distance is good to 15 km.
  EXPECT_LT(worst.at("moon").distance, 15.0);
}

// The own lunar series and PyEphem's Moon, both against the lunar library
// (ELP/MPP02): which of the two is the less accurate in distance. PyEphem
// agrees with ELP/MPP02 to 0.2 km; the own series is 14 km off, mostly a
// scale (mean -10.3 km, ratio 0.999973 with 4e-6 scatter): the series starts
// its parallax sum at Brown's 3422.70", scaled by 0.999953253 to 3422.54",
// where the modern constant for 6378.14 km is 3422.61". The same published
// series evaluated by astronomy-engine gives our distances to 0.01 km
// (moon_series_test), so 15 km is the series' own limit, not the reference's.
TEST(LibraryAccuracy, MoonDistanceOwnSeriesAndPyEphemAgainstTheLunarLibrary) {
  ttheoriewahl sel;
  if (!libraries(sel, theorie_vsop87d)) GTEST_SKIP() << "theory libraries are placeholders";
  const testing::Fixture ref("apparent_places_pyephem.csv");
  double own_vs_elp = 0.0, pyephem_vs_elp = 0.0;
  for (std::size_t i = 0; i < ref.size(); ++i) {
    if (ref.text(i, "body") != "moon") continue;
    const double t = centuries(ref.num(i, "jd_tt"));
    const double elp = moon_geocentric(sel, -1, t).distance * kEarthRadiusKm;
    const double own = moon_series_geocentric(t).distance * kEarthRadiusKm;
    own_vs_elp = std::max(own_vs_elp, std::abs(own - elp));
    pyephem_vs_elp = std::max(pyephem_vs_elp, std::abs(ref.num(i, "dist_au") * kAuKm - elp));
  }
  std::printf("Moon distance: own series vs ELP/MPP02 %.2f km, PyEphem vs ELP/MPP02 %.2f km\n",
              own_vs_elp, pyephem_vs_elp);
  EXPECT_LT(own_vs_elp, 15.0);
  EXPECT_LT(pyephem_vs_elp, 0.5);
}

}  // namespace
}  // namespace sdro
