// The own lunar series against an independent evaluation of the same
// published series (npm astronomy-engine), 1900-2100 every 7.13 days.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "ephem/moon_series.h"
#include "ephem/tests/fixture_reader.h"

namespace sdro {
namespace {

TEST(MoonSeries, ReproducesThePublishedSeriesWithinTenMilliarcseconds) {
  const testing::Fixture ref("moon_series_astronomy_engine.csv");
  double worst_lon = 0.0, worst_lat = 0.0, worst_km = 0.0;
  for (std::size_t i = 0; i < ref.size(); ++i) {
    const double t = (ref.num(i, "jd_tt") - 2451545.0) / 36525.0;
    const tmoonposition m = moon_series_geocentric(t);
    double dl = m.lambda - ref.num(i, "lon_deg");
    dl -= 360.0 * std::round(dl / 360.0);
    worst_lon = std::max(worst_lon, std::abs(dl) * 3600.0);
    worst_lat = std::max(worst_lat, std::abs(m.beta - ref.num(i, "lat_deg")) * 3600.0);
    // The reference's Earth radius is 6378.1366 km, ours 6378.14 km; compare
    // both in kilometres of the series' own parallax.
    worst_km = std::max(worst_km, std::abs(m.distance - ref.num(i, "dist_er")) * 6378.14);
    ASSERT_GE(m.lambda, 0.0);
    ASSERT_LT(m.lambda, 360.0);
  }
  EXPECT_LT(worst_lon, 0.01);
  EXPECT_LT(worst_lat, 0.01);
  EXPECT_LT(worst_km, 0.01);
  std::printf("moon series: worst dLon %.5f\"  dLat %.5f\"  dDist %.5f km\n", worst_lon, worst_lat,
              worst_km);
}

}  // namespace
}  // namespace sdro
