// Approximate rates (against the derivative of the own series) and the Pluto
// fit (against an independent ephemeris and its own derivative).
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "ephem/approximate_rates.h"
#include "ephem/planet_series.h"
#include "ephem/pluto_fit.h"
#include "ephem/tests/fixture_reader.h"

namespace sdro {
namespace {

tvektor own_position(int n, double t) {
  const tseriesposition p = own_series_heliocentric(n, t);
  return polar_to_cartesian(p.l, p.b, p.r);
}

TEST(ApproximateRates, VelocitiesFollowTheSeriesWithinAFewPercent) {
  // Central differences of the own series over ±1 day at several epochs; the
  // rates are meant for light time and aberration, so a few per cent will do.
  const double h = 1.0 / 36525.0;
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9}) {
    for (double t : {-0.8, -0.3, 0.0, 0.27, 0.61, 0.95}) {
      const tvektor d = 0.5 * (own_position(n, t + h) - own_position(n, t - h));  // AU/day
      const tseriesposition p = own_series_heliocentric(n, t);
      const tvektor v = velocity_from_rates(p.r, p.b, p.l, approximate_rates(n, t));
      // Pluto's rates are the coarsest (its eccentric, inclined orbit with
      // few terms): up to 12 per cent, below 1" in its light-time correction.
      const double share = n == 9 ? 0.15 : 0.05;
      EXPECT_LT(length(v - d), share * length(d)) << "planet " << n << " T " << t;
    }
  }
  EXPECT_EQ(length(velocity_from_rates(1, 0, 0, approximate_rates(0, 0.0))), 0.0);
}

TEST(PlutoFit, AgreesWithAnIndependentEphemerisAndItsOwnDerivative) {
  const testing::Fixture ref("pluto_astronomy_engine.csv");
  for (std::size_t i = 0; i < ref.size(); ++i) {
    const double jd = ref.num(i, "jd_tt");
    const tplutostate s = pluto_fit_equatorial_j2000(jd);
    const tvektor r{ref.num(i, "x"), ref.num(i, "y"), ref.num(i, "z")};
    // The fit is a DE200 fit: a few 1e-3 AU from a modern orbit.
    EXPECT_LT(length(s.position - r), 4e-3) << jd;
    const tvektor d = 0.5 * (pluto_fit_equatorial_j2000(jd + 1).position -
                             pluto_fit_equatorial_j2000(jd - 1).position);
    EXPECT_LT(length(s.velocity - d), 1e-8) << jd;
  }
  // Outside the interval it is still evaluated, finitely.
  const tplutostate far = pluto_fit_equatorial_j2000(kPlutoFitLastJd + 3650.0);
  EXPECT_TRUE(std::isfinite(far.position.x) && length(far.position) > 20.0);
}

}  // namespace
}  // namespace sdro
