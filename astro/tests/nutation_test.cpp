// Obliquity and nutation against ERFA (IAU 1980) and Meeus' example 22.a.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/nutation.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/obliquity.h"
#include "astro/tests/reference_support.h"

namespace sdro {
namespace {

using testing::kArcsec;
using testing::kArcsecRad;

tvektor times(const double m[3][3], const tvektor& v) {
  return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
          m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
          m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

TEST(Obliquity, LaskarAgreesWithIau1980From1800To2200) {
  // The two polynomials differ by 0.015″ at the ends of the range.
  for (double jd : testing::sweep_instants()) {
    const double t = centuries_from_j2000(jd);
    EXPECT_NEAR(mean_obliquity(t), eraObl80(jd, 0.0) * kRadToDeg, 0.02 * kArcsec) << jd;
  }
  EXPECT_NEAR(mean_obliquity(0.0), 84381.448 / 3600.0, 1e-12);
}

TEST(Obliquity, EclipticAndEquatorRotateBothWays) {
  // The vernal equinox stays; the ecliptic pole goes to δ = 90° − ε.
  tvektor pole{0.0, 0.0, 1.0};
  ecliptic_to_equatorial_vector(pole, 0.0);
  EXPECT_NEAR(pole.y, -std::sin(mean_obliquity(0.0) * kDegToRad), 1e-15);
  EXPECT_NEAR(pole.z, std::cos(mean_obliquity(0.0) * kDegToRad), 1e-15);
  equatorial_to_ecliptic_vector(pole, 0.0);
  EXPECT_NEAR(pole.z, 1.0, 1e-15);
}

TEST(Nutation, AgreesWithErfaNut80From1800To2200) {
  double worst_psi = 0.0, worst_eps = 0.0;
  for (double jd : testing::sweep_instants()) {
    double dpsi = 0.0, deps = 0.0;
    eraNut80(jd, 0.0, &dpsi, &deps);
    const tnutation n = nutation(centuries_from_j2000(jd));
    worst_psi = std::fmax(worst_psi, std::fabs(n.dpsi - dpsi) / kArcsecRad);
    worst_eps = std::fmax(worst_eps, std::fabs(n.deps - deps) / kArcsecRad);
  }
  EXPECT_LT(worst_psi, 0.01);
  EXPECT_LT(worst_eps, 0.01);
}

TEST(Nutation, PublishedExample) {
  // Astronomical Algorithms 22.a: 1987-04-10 0h TD.
  const double t = centuries_from_j2000(2446895.5);
  const tnutation n = nutation_degrees(t);
  EXPECT_NEAR(n.dpsi / kArcsec, -3.788, 0.001);
  EXPECT_NEAR(n.deps / kArcsec, 9.443, 0.001);
  EXPECT_NEAR(mean_obliquity(t), 23 + 26 / 60.0 + 27.407 / 3600.0, 0.001 * kArcsec);
  // J2000.0: about −13.9″ and −5.8″.
  const tnutation n0 = nutation_degrees(0.0);
  EXPECT_NEAR(n0.dpsi / kArcsec, -13.9, 0.1);
  EXPECT_NEAR(n0.deps / kArcsec, -5.8, 0.1);
}

TEST(Nutation, RotationOfVectorsAndOfRaDecMatchesErfa) {
  for (double jd : testing::sweep_instants(60)) {
    const double t = centuries_from_j2000(jd);
    double n[3][3];
    eraNutm80(jd, 0.0, n);
    const tnutation nut = nutation(t);
    const double eps = mean_obliquity(t) * kDegToRad;
    for (const tvektor& v : {tvektor{1, 0, 0}, tvektor{0.3, -0.8, 0.52}, tvektor{0, 0.01, -1}}) {
      tvektor mine = v;
      nutate_equatorial_vector(mine, t);
      EXPECT_LT(testing::angle_between_arcsec(mine, times(n, v)), 0.01);
      double alpha, delta;
      cartesian_to_angles(v, alpha, delta);
      nutate_ra_dec(alpha, delta, nut.dpsi * std::cos(eps), nut.dpsi * std::sin(eps), nut.deps);
      EXPECT_GE(alpha, 0.0);
      EXPECT_LT(alpha, 360.0);
      EXPECT_LT(testing::angle_between_arcsec(polar_to_cartesian(alpha, delta, 1.0), times(n, v)),
                0.01);
    }
  }
}

}  // namespace
}  // namespace sdro
