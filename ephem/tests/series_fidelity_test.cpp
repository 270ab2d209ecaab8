// The own planetary and solar series against full VSOP87 D (1920-2050,
// every 5 days). A fault in one row or in the assembly changes the worst and
// the rms difference; both are pinned to what the published rows give.
//
// Why the figures are not those quoted with the tables (Mercury 1.1", Venus
// 0.6", Jupiter 0.7", Saturn 3.3", Uranus 6.2"): the residual was analysed by
// tools/fixtures/ephem/series_residual_analysis.py, which evaluates the series
// straight from the published tables (it agrees with this evaluator to 2e-6")
// and refits every coefficient in the series' own basis (same arguments, mean
// anomalies, T powers and assembly constants). Even the best coefficients of
// that basis leave Mercury at 1.93" and Jupiter at 1.34" worst, so the quoted
// 1.1" and 0.7" cannot be reached by any evaluation of these rows. No
// coefficient needs a change of its own size (no sign, digit or argument
// fault): the largest changes are about 1" on terms of thousands of
// arcseconds, e.g. Mercury's equation of the centre 84547.39" -> 84546.33"
// with its radius term -78342.34 -> -78341.31 (an eccentricity 2.6e-6 smaller
// in VSOP87), i.e. the orbital elements of the older theory the series were
// fitted to. The residual shares no frame term between the bodies (no
// equinox, ecliptic or time-scale offset). The reference agrees with the
// VSOP87 D of plantheod to 2e-4".
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
  double rms_longitude_arcsec;
  double latitude_limit_arcsec;
  double radius_limit_au;
};

TEST(SeriesFidelity, WorstAndRmsErrorsAreThoseOfThePublishedRows) {
  const testing::Fixture vsop("vsop87d_heliocentric.csv");
  const Published bodies[] = {
      // column, planet, worst dL ("), rms dL ("), limit dB ("), limit dR (AU)
      {"mercury", 1, 2.44, 0.88, 1.9, 2.2e-6}, {"venus", 2, 1.23, 0.48, 1.2, 1.8e-6},
      {"mars", 4, 1.64, 0.68, 0.6, 8.5e-6},    {"jupiter", 5, 3.04, 1.21, 1.3, 6.5e-5},
      {"saturn", 6, 4.34, 2.02, 2.3, 1.0e-4},  {"uranus", 7, 6.66, 3.56, 1.3, 2.2e-4},
      {"neptune", 8, 17.0, 12.0, 1.3, 6.6e-4}, {"sun", 3, 2.36, 0.92, 0.25, 2.6e-6},
  };
  for (const Published& p : bodies) {
    double worst_l = 0.0, sum_l2 = 0.0, worst_b = 0.0, worst_r = 0.0;
    const std::string c = p.column;
    for (std::size_t i = 0; i < vsop.size(); ++i) {
      const double t = (vsop.num(i, "jd_tt") - 2451545.0) / 36525.0;
      const tseriesposition s = own_series_heliocentric(p.planet, t);
      const double dl = std::abs(wrap180(s.l - vsop.num(i, c + "_l"))) * 3600.0;
      worst_l = std::max(worst_l, dl);
      sum_l2 += dl * dl;
      worst_b = std::max(worst_b, std::abs(s.b - vsop.num(i, c + "_b")) * 3600.0);
      worst_r = std::max(worst_r, std::abs(s.r - vsop.num(i, c + "_r")));
    }
    const double rms_l = std::sqrt(sum_l2 / static_cast<double>(vsop.size()));
    EXPECT_NEAR(worst_l, p.worst_longitude_arcsec, 0.2) << c;
    EXPECT_NEAR(rms_l, p.rms_longitude_arcsec, 0.05) << c;
    EXPECT_LE(worst_b, p.latitude_limit_arcsec) << c;
    EXPECT_LE(worst_r, p.radius_limit_au) << c;
    std::printf("%-8s worst dL %.2f\"  rms %.2f\"  dB %.2f\"  dR %.2e AU\n", p.column, worst_l,
                rms_l, worst_b, worst_r);
  }
}

}  // namespace
}  // namespace sdro
