// Geocentric apparent places through the chart's path against PyEphem,
// 1900-2100 (every 373.37 days), with the own series. Tolerances follow
// from the series' heliocentric worst cases scaled by the distances.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "astro/angles.h"
#include "ephem/body_positions.h"
#include "ephem/sun_moon.h"
#include "ephem/tests/fixture_reader.h"

namespace sdro {
namespace {

constexpr double kAuKm = 149597870.7;

double separation_arcsec(double ra1, double dec1, double ra2, double dec2) {
  const tvektor a = polar_to_cartesian(ra1, dec1, 1.0);
  const tvektor b = polar_to_cartesian(ra2, dec2, 1.0);
  return 2.0 * std::asin(std::fmin(1.0, length(a - b) / 2.0)) * kRadToDeg * 3600.0;
}

struct Body {
  int body;
  double helio_error;  // worst heliocentric longitude error of the series, "
};

TEST(ApparentPlaces, OwnSeriesAgreeWithPyEphemWithinTheSeriesAccuracy) {
  const testing::Fixture ref("apparent_places_pyephem.csv");
  const std::map<std::string, Body> bodies = {
      {"sun", {sonne, 0}},         {"moon", {mond, 0}},        {"mercury", {merkur, 2.4}},
      {"venus", {venus, 1.2}},     {"mars", {mars, 1.6}},      {"jupiter", {jupiter, 3.0}},
      {"saturn", {saturn, 4.3}},   {"uranus", {uranus, 6.7}},  {"neptune", {neptun, 17.0}},
  };
  const double earth_error = 2.4;  // the own solar series
  const ttheoriewahl own;
  std::map<std::string, double> worst;
  double worst_moon_km = 0.0;
  for (std::size_t i = 0; i < ref.size(); ++i) {
    const std::string name = ref.text(i, "body");
    const Body& b = bodies.at(name);
    const double t = (ref.num(i, "jd_tt") - 2451545.0) / 36525.0;
    const tplanetposition sun = sun_geocentric(own, -1, t);
    const tbodyposition p = body_apparent(b.body, own, -1, t, sun, true);
    const double sep = separation_arcsec(p.ra, p.dec, ref.num(i, "ra_deg"), ref.num(i, "dec_deg"));
    double limit = 3.0;  // the Sun
    if (b.body == mond) {
      limit = 10.0;
      worst_moon_km = std::max(
          worst_moon_km, std::abs(p.distance * kEarthRadiusKm - ref.num(i, "dist_au") * kAuKm));
    } else if (b.body != sonne) {
      // Both heliocentric errors seen from the Earth, plus 1" for the
      // reference and the reductions.
      // The worst cases are those of 1920-2050; towards 1900 and 2100 the
      // series drift further (half as much again).
      const bool outside = t < -0.8 || t > 0.5;
      const double grow = outside ? 1.5 : 1.0;
      limit = grow * (b.helio_error * p.heliocentric.r + earth_error * sun.r) / p.distance + 1.0;
      // Radius errors of the series (Neptune 6.6e-4 AU in 1920-2050, more
      // towards 1900) and the truncation of the reference's own series (up to
      // 3e-3 AU for Uranus and Neptune; the radius itself is checked against
      // full VSOP87 in the fidelity test).
      EXPECT_NEAR(p.distance, ref.num(i, "dist_au"), (name == "neptune" || name == "uranus") ? 4e-3 : 1.5e-3)
          << name << " " << t;
    }
    EXPECT_LT(sep, limit) << name << " T=" << t;
    worst[name] = std::max(worst[name], sep);
  }
  // The published series is good to about 15 km in distance (checked also
  // against ELP/MPP02): its parallax terms are truncated.
  EXPECT_LT(worst_moon_km, 16.0);
  for (const auto& [name, w] : worst) std::printf("%-8s worst %.2f\"\n", name.c_str(), w);
  std::printf("moon distance worst %.2f km\n", worst_moon_km);
}

}  // namespace
}  // namespace sdro
