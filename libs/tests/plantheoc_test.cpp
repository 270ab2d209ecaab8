// SPDX-License-Identifier: GPL-3.0-or-later
// plantheoc: rectangular positions and velocities of date, checked against
// plantheod, against numerical differentiation and against ERFA's Earth.
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "libs/tests/theory_test_support.h"

namespace sdro::test {
namespace {

TEST(Plantheoc, IdentifiesItselfWith113) { EXPECT_EQ(ping_c(), 113); }

// The rectangular position is the spherical one of plantheod, in the same
// frame: agreement to rounding (the longitude's own rounding grows with
// |T|): 2e-13 R within a century, 1e-11 R far out.
TEST(Plantheoc, PositionIsThatOfPlantheod) {
  for (const TheoryBody& b : theory_bodies) {
    for (double T : {-60.0, -3.0, -0.71, 0.0, 0.4, 1.0, 75.0}) {
      double L = 0.0, B = 0.0, R = 0.0;
      if (b.spherical != nullptr) {
        b.spherical(T, &L, &B, &R, 7.0);
      } else {
        vsopsun_l(T, &L, &B, &R, 7.0);
        L += 180.0;
        B = -B;
      }
      const Vec3 p = rectangular_position(b, T, 7.0);
      const double l = L / deg_per_rad, lat = B / deg_per_rad;
      const Vec3 q{R * std::cos(lat) * std::cos(l), R * std::cos(lat) * std::sin(l), R * std::sin(lat)};
      EXPECT_LT(norm(minus(p, q)), (std::abs(T) <= 1.0 ? 2e-13 : 1e-11) * R) << b.name << " T " << T;
    }
  }
}

// The analytic velocities against a seven-point central difference of the
// positions with a step of 0.25 day (truncation error about 1e-13 AU/day
// even for Mercury at perihelion; rounding of the positions amplified to a
// few 1e-12 AU/day): agreement within 1e-11 AU/day (1.5 m/day) within a
// century of J2000 and 1e-10 AU/day at T = -4, for the complete and a
// truncated series.
TEST(Plantheoc, VelocityIsTheDerivativeOfThePosition) {
  constexpr double step_days = 0.25;
  constexpr double h = step_days / 36525.0;  // centuries
  constexpr double weights[] = {-1.0, 9.0, -45.0, 0.0, 45.0, -9.0, 1.0};
  for (const TheoryBody& b : theory_bodies) {
    for (double precision : {-1.0, 6.0}) {
      for (double T : {-4.0, -0.93, 0.0, 0.27, 0.999}) {
        Vec3 p{}, v{};
        b.rectangular(T, &p.x, &p.y, &p.z, &v.x, &v.y, &v.z, precision);
        Vec3 numeric{0.0, 0.0, 0.0};
        for (int k = -3; k <= 3; ++k) {
          const Vec3 q = rectangular_position(b, T + k * h, precision);
          const double w = weights[k + 3] / (60.0 * step_days);
          numeric = {numeric.x + w * q.x, numeric.y + w * q.y, numeric.z + w * q.z};
        }
        EXPECT_LT(norm(minus(v, numeric)), std::abs(T) <= 1.0 ? 1e-11 : 1e-10)
            << b.name << " T " << T << " precision " << precision;
      }
    }
  }
}

// The Earth against ERFA's eraEpv00 (a fit to DE405 with a stated accuracy
// of 4.6 km in the heliocentric position and 1.4 mm/s in velocity over
// 1900-2100), rotated from the ICRS to the mean ecliptic and equinox of
// date of IAU 2006 (eraEcm06). The velocity of date is the derivative in
// the moving frame, so the rotation's own rate (about 1.2 m/s at 1 AU) is
// applied to the ERFA velocity as well. Apart from the VSOP87-DE405
// difference, the two frames of date part at the difference of the
// precession rates of VSOP87 and IAU 2006 (0.3" per century; measured
// 0.02" at 1925, 0.37" at 2100): tolerance 0.12" + 0.3" |T| in direction,
// 10 km in distance (measured 7 km), and in velocity 3 mm/s plus that
// rotation times the speed.
TEST(Plantheoc, EarthAgreesWithErfa) {
  auto rotation = [](double jd, double (&rm)[3][3]) { eraEcm06(2451545.0, jd - 2451545.0, rm); };
  for (int i = 0; i <= 200; ++i) {
    const double jd = 2415020.5 + 365.25 * i + 17.3 * (i % 7);
    double pvh[2][3], pvb[2][3], rm[3][3], before[3][3], after[3][3];
    eraEpv00(2451545.0, jd - 2451545.0, pvh, pvb);
    rotation(jd, rm);
    rotation(jd - 0.5, before);
    rotation(jd + 0.5, after);
    double pe[3], ve[3], pb[3], pa[3];
    eraRxp(rm, pvh[0], pe);
    eraRxp(rm, pvh[1], ve);
    eraRxp(before, pvh[0], pb);
    eraRxp(after, pvh[0], pa);
    const Vec3 erfa_p{pe[0], pe[1], pe[2]};
    const Vec3 erfa_v{ve[0] + pa[0] - pb[0], ve[1] + pa[1] - pb[1], ve[2] + pa[2] - pb[2]};
    Vec3 p{}, v{};
    const double T = centuries(jd);
    vsopcsun(T, &p.x, &p.y, &p.z, &v.x, &v.y, &v.z, -1.0);
    SCOPED_TRACE("JD " + std::to_string(jd));
    const double frame_arcsec = 0.12 + 0.3 * std::abs(T);
    const double speed_m_s = norm(erfa_v) * 149597870700.0 / 86400.0;
    EXPECT_LT(separation_arcsec(p, erfa_p), frame_arcsec);
    EXPECT_LT(std::abs(norm(p) - norm(erfa_p)) * 149597870.7, 10.0);
    EXPECT_LT(norm(minus(v, erfa_v)) * 149597870700.0 / 86400.0, 3e-3 + frame_arcsec / arcsec_per_rad * speed_m_s);
  }
}

}  // namespace
}  // namespace sdro::test
