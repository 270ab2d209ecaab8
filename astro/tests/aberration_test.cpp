// Annual aberration against ERFA (eraAb with the Earth's velocity from
// eraEpv00) and Meeus' example 23.a, including the celestial poles.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/aberration.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/obliquity.h"
#include "astro/tests/reference_support.h"

namespace sdro {
namespace {

using testing::kArcsec;

// Aberrated direction of a unit vector (mean equator of date) by ERFA.
tvektor erfa_aberrated(const tvektor& u, double jd) {
  double pvh[2][3], pvb[2][3], rp[3][3];
  eraEpv00(jd, 0.0, pvh, pvb);
  eraPmat76(jd, 0.0, rp);
  double v[3];
  eraRxp(rp, pvb[1], v);
  const double scale = ERFA_DAU / 86400.0 / ERFA_CMPS;  // AU/day → units of c
  for (double& c : v) c *= scale;
  const double sun =
      std::sqrt(pvh[0][0] * pvh[0][0] + pvh[0][1] * pvh[0][1] + pvh[0][2] * pvh[0][2]);
  const double bm1 = std::sqrt(1.0 - eraPdp(v, v));
  double p[3] = {u.x, u.y, u.z}, out[3];
  eraAb(p, v, sun, bm1, out);
  return {out[0], out[1], out[2]};
}

TEST(Aberration, AgreesWithErfaToAFewHundredthsOfAnArcsecond) {
  // Both terms are first order; the elliptic terms (mode 2) bring the result
  // within 0.03″ of the full computation with the barycentric velocity.
  double worst = 0.0;
  for (double jd = 2451545.0; jd < 2451545.0 + 30 * 365.25; jd += 41.3) {
    const double t = centuries_from_j2000(jd);
    for (double alpha = 0.0; alpha < 360.0; alpha += 45.0) {
      for (double delta : {-89.9, -45.0, 0.0, 30.0, 80.0}) {
        double a = alpha, d = delta;
        annual_aberration(2, a, d, mean_obliquity(t), t);
        const tvektor ref = erfa_aberrated(polar_to_cartesian(alpha, delta, 1.0), jd);
        worst = std::fmax(worst, testing::angle_between_arcsec(polar_to_cartesian(a, d, 1.0), ref));
      }
    }
  }
  EXPECT_LT(worst, 0.03);
}

TEST(Aberration, PublishedExample) {
  // Astronomical Algorithms 23.a: θ Persei, 2028-11-13.19 TD, α = 41.5472°,
  // δ = 49.3485°, ε = 23.436°: Δα = +30.045″, Δδ = +6.697″.
  const double t = centuries_from_j2000(2462088.69);
  double alpha = 41.5472, delta = 49.3485;
  annual_aberration(2, alpha, delta, 23.436, t);
  EXPECT_NEAR((alpha - 41.5472) / kArcsec, 30.045, 0.01);
  EXPECT_NEAR((delta - 49.3485) / kArcsec, 6.697, 0.01);
  // The circular term alone differs by the elliptic part, less than 0.35″.
  double a1 = 41.5472, d1 = 49.3485;
  annual_aberration(1, a1, d1, 23.436, t);
  EXPECT_GT(std::fabs(a1 - alpha) / kArcsec, 0.01);
  EXPECT_LT(std::fabs(a1 - alpha) / kArcsec * std::cos(49.3485 * kDegToRad), 0.35);
}

TEST(Aberration, ThePolesMoveByAtMostKappaAndGiveNoNan) {
  for (double delta : {90.0, -90.0, 89.9999999}) {
    for (double t : {-1.0, 0.0, 0.37}) {
      double alpha = 123.0, d = delta;
      annual_aberration(2, alpha, d, 23.44, t);
      ASSERT_TRUE(std::isfinite(alpha) && std::isfinite(d));
      EXPECT_GE(alpha, 0.0);
      EXPECT_LT(alpha, 360.0);
      const double moved = testing::angle_between_arcsec(polar_to_cartesian(alpha, d, 1.0),
                                                         polar_to_cartesian(123.0, delta, 1.0));
      EXPECT_LT(moved, 21.0);
      EXPECT_GT(moved, 5.0);
    }
  }
  // Prepared form at the pole.
  double alpha = 0.0, delta = 90.0;
  annual_aberration_prepared(alpha, delta, 0.0, 1.0, std::cos(0.409), std::sin(0.409));
  EXPECT_NEAR(90.0 - delta, kAberrationConstant, 1e-9);
}

TEST(Aberration, SunLongitudeAndEccentricity) {
  // Astronomical Algorithms 25.a: 1992-10-13.0 TD: true longitude 199.90988°
  // (mean equinox of date), e = 0.016711668; the eccentricity polynomial used
  // here starts from the slightly older 0.016708617 (1.7e-8 lower).
  const tsun_for_aberration s = sun_longitude_and_eccentricity(-0.072183436);
  EXPECT_NEAR(normalize_degrees(s.longitude), 199.90988, 0.00002);
  EXPECT_NEAR(s.eccentricity, 0.016711668, 2e-8);
}

}  // namespace
}  // namespace sdro
