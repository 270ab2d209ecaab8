// The own planetary and solar series against full VSOP87 D (1920-2050,
// every 5 days). The published series deviate from VSOP87 by a fixed worst
// amount per body; reproducing those worst cases (within 0.2") shows that the
// tables were transcribed and assembled right, while a fault in one row or in
// the assembly shows up as a larger figure.
//
// The worst longitudes below are those of the published rows evaluated as
// printed (also reproduced by an independent evaluation straight from the
// published tables). For Mercury, Venus, Jupiter, Saturn and Uranus they are
// larger than the figures quoted with the tables (1.1", 0.6", 0.7", 3.3",
// 6.2"); the reference itself agrees with a second full VSOP87 D to 1e-9 deg.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ephem/planet_series.h"
#include "ephem/tests/fixture_reader.h"

namespace sdro {
namespace {

double wrap180(double d) {
  while (d > 180.0) d -= 360.0;
  while (d <= -180.0) d += 360.0;
  return d;
}

struct Published {
  const char* column;
  int planet;
  double worst_longitude_arcsec;
  double latitude_limit_arcsec;
  double radius_limit_au;
};

TEST(SeriesFidelity, WorstHeliocentricErrorsMatchThePublishedFigures) {
  const testing::Fixture vsop("vsop87d_heliocentric.csv");
  const Published bodies[] = {
      // column, planet, worst dL ("), limit dB ("), limit dR (AU)
      {"mercury", 1, 2.4, 1.9, 2.2e-6},  {"venus", 2, 1.2, 1.2, 1.8e-6},
      {"mars", 4, 1.6, 0.6, 8.5e-6},     {"jupiter", 5, 3.0, 1.3, 6.5e-5},
      {"saturn", 6, 4.3, 2.3, 1.0e-4},   {"uranus", 7, 6.7, 1.3, 2.2e-4},
      {"neptune", 8, 17.0, 1.3, 6.6e-4}, {"sun", 3, 2.3, 0.25, 2.6e-6},
  };
  for (const Published& p : bodies) {
    double worst_l = 0.0, worst_b = 0.0, worst_r = 0.0;
    const std::string c = p.column;
    for (std::size_t i = 0; i < vsop.size(); ++i) {
      const double t = (vsop.num(i, "jd_tt") - 2451545.0) / 36525.0;
      const tseriesposition s = own_series_heliocentric(p.planet, t);
      worst_l = std::max(worst_l, std::abs(wrap180(s.l - vsop.num(i, c + "_l"))) * 3600.0);
      worst_b = std::max(worst_b, std::abs(s.b - vsop.num(i, c + "_b")) * 3600.0);
      worst_r = std::max(worst_r, std::abs(s.r - vsop.num(i, c + "_r")));
    }
    EXPECT_NEAR(worst_l, p.worst_longitude_arcsec, 0.2) << c;
    EXPECT_LE(worst_b, p.latitude_limit_arcsec) << c;
    EXPECT_LE(worst_r, p.radius_limit_au) << c;
    std::printf("%-8s worst dL %.2f\"  dB %.2f\"  dR %.2e AU\n", p.column, worst_l, worst_b, worst_r);
  }
}

}  // namespace
}  // namespace sdro
