// Precession of equatorial and ecliptic coordinates and of orbital elements,
// against ERFA (IAU 1976) and published examples.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/precession.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/calendar.h"
#include "astro/element_precession.h"
#include "astro/orbits.h"
#include "astro/tests/reference_support.h"

namespace sdro {
namespace {

using testing::angle_between_arcsec;
using testing::kArcsec;

struct terfa_matrix {
  double r[3][3];
  tvektor operator*(const tvektor& v) const {
    return {r[0][0] * v.x + r[0][1] * v.y + r[0][2] * v.z,
            r[1][0] * v.x + r[1][1] * v.y + r[1][2] * v.z,
            r[2][0] * v.x + r[2][1] * v.y + r[2][2] * v.z};
  }
};

double jd_of(double t) { return jd_from_centuries(t); }

// IAU 1976 precession from the mean equator of T1 to that of T2 (ERFA).
terfa_matrix erfa_equatorial(double t2, double t1) {
  double zeta, z, theta;
  eraPrec76(jd_of(t1), 0.0, jd_of(t2), 0.0, &zeta, &z, &theta);
  terfa_matrix m;
  eraIr(m.r);
  eraRz(-zeta, m.r);
  eraRy(theta, m.r);
  eraRz(-z, m.r);
  return m;
}

// Ecliptic of T1 → equator of T1 → equator of T2 → ecliptic of T2 (ERFA,
// IAU 1976 precession and IAU 1980 obliquity).
terfa_matrix erfa_ecliptic(double t2, double t1) {
  terfa_matrix m;
  eraIr(m.r);
  eraRx(-eraObl80(jd_of(t1), 0.0), m.r);
  terfa_matrix p = erfa_equatorial(t2, t1);
  eraRxr(p.r, m.r, m.r);
  eraRx(eraObl80(jd_of(t2), 0.0), m.r);
  return m;
}

const tvektor kDirections[] = {
    {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.48, -0.6, 0.64}, {-0.7, 0.1, -0.707}};
const double kStarts[] = {-2.0, -0.5, 0.0, 1.3};

TEST(Precession, EquatorialMatrixMatchesErfa) {
  double worst = 0.0;
  for (double t1 : kStarts) {
    for (double t2 = -2.5; t2 <= 2.5; t2 += 0.125) {
      const tdrehmatrix mine = precession_matrix_equatorial(t2, t1);
      const terfa_matrix ref = erfa_equatorial(t2, t1);
      for (const tvektor& v : kDirections) {
        worst = std::fmax(worst, angle_between_arcsec(transformed(mine, v), ref * v));
      }
    }
  }
  EXPECT_LT(worst, 0.001);
}

TEST(Precession, EclipticMatrixMatchesErfa) {
  double worst = 0.0;
  for (double t1 : kStarts) {
    for (double t2 = t1 - 2.0; t2 <= t1 + 2.0; t2 += 0.125) {
      const tdrehmatrix mine = precession_matrix_ecliptic(t2, t1);
      const terfa_matrix ref = erfa_ecliptic(t2, t1);
      for (const tvektor& v : kDirections) {
        worst = std::fmax(worst, angle_between_arcsec(transformed(mine, v), ref * v));
      }
    }
  }
  EXPECT_LT(worst, 0.01);
}

TEST(Precession, SameEpochIsTheIdentity) {
  for (double t : kStarts) {
    for (const tdrehmatrix& m :
         {precession_matrix_equatorial(t, t), precession_matrix_ecliptic(t, t)}) {
      for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) EXPECT_NEAR(m.m[i][j], i == j ? 1.0 : 0.0, 1e-15);
      }
    }
  }
  const tdrehmatrix b = precession_matrix_b1950(-0.5);
  EXPECT_NEAR(b.m[0][0], 1.0, 1e-15);
  EXPECT_NEAR(b.m[0][1], 0.0, 1e-15);
}

TEST(Precession, B1950MatrixFollowsTheIau1976RatesWithinTheFk4Difference) {
  // Newcomb's rates from B1950 differ from the IAU 1976 ones from J1950 by
  // the FK4 equinox correction, about 1.2″ per century in direction.
  for (double t = -2.0; t <= 2.0; t += 0.25) {
    const tdrehmatrix mine = precession_matrix_b1950(t);
    const terfa_matrix ref = erfa_equatorial(t, -0.5);
    for (const tvektor& v : kDirections) {
      EXPECT_LT(angle_between_arcsec(transformed(mine, v), ref * v),
                1.5 * std::fabs(t + 0.5) + 0.01)
          << t;
    }
  }
}

TEST(Precession, PublishedStarExample) {
  // Astronomical Algorithms 21.b: θ Persei (after proper motion) J2000.0 →
  // 2028-11-13.19 TD: α = 41.547214°, δ = 49.348483°.
  double alpha = 41.054063, delta = 49.227750;
  precess_ra_dec(alpha, delta, 0.0, centuries_from_j2000(2462088.69));
  EXPECT_NEAR(alpha, 41.547214, 0.05 * kArcsec / std::cos(49.35 * kDegToRad));
  EXPECT_NEAR(delta, 49.348483, 0.05 * kArcsec);
}

// i, Ω, ω from precessing the orbit's pole and perihelion direction with the
// ERFA ecliptic matrix.
void erfa_elements(double& i, double& node, double& peri, double t2, double t1) {
  const tdrehmatrix g = gauss_vectors(peri, i, node);
  const terfa_matrix m = erfa_ecliptic(t2, t1);
  const tvektor p = m * tvektor{g.m[0][0], g.m[1][0], g.m[2][0]};
  const tvektor w = m * tvektor{g.m[0][2], g.m[1][2], g.m[2][2]};
  i = atan2_deg(w.z, std::hypot(w.x, w.y));
  node = normalize_degrees(atan2_deg(w.x, w.y) + 90.0);
  const tvektor to_node{cos_deg(node), sin_deg(node), 0.0};
  peri = normalize_degrees(atan2_deg(dot(p, to_node), dot(p, cross(w, to_node))));
}

TEST(ElementPrecession, MatchesTheRigorousRotationOfTheOrbit) {
  struct Case {
    double i, node, peri;
  };
  const Case orbits[] = {{10.593, 80.305, 73.597},
                         {162.26, 58.42, 111.33},
                         {89.4, 282.47, 130.41},
                         {2.0, 300.0, 10.0},
                         {47.122, 45.7481, 151.4486}};
  for (const Case& o : orbits) {
    for (double t1 : {-2.5, -0.5, 0.0}) {
      for (double t2 : {-1.0, 0.0, 0.24, 2.0}) {
        double i = o.i, node = o.node, peri = o.peri;
        precess_orbital_elements(i, node, peri, t2, t1);
        double ri = o.i, rnode = o.node, rperi = o.peri;
        erfa_elements(ri, rnode, rperi, t2, t1);
        SCOPED_TRACE("i=" + std::to_string(o.i) + " T1=" + std::to_string(t1) +
                     " T2=" + std::to_string(t2));
        EXPECT_NEAR(i, ri, 0.05 * kArcsec);
        EXPECT_NEAR(testing::angle_difference(node, rnode) * std::sin(o.i * kDegToRad), 0.0,
                    0.05 * kArcsec);
        // Perihelion direction in space: the sum of node and argument. The
        // rotation of ω uses truncated polynomials of the ecliptic's motion,
        // good to 0.02″ over a century and 0.4″ over four and a half.
        const double t = t2 - t1;
        EXPECT_NEAR(testing::angle_difference(node + peri, rnode + rperi), 0.0,
                    (0.02 + 0.025 * t * t) * kArcsec);
        EXPECT_GE(node, 0.0);
        EXPECT_LT(peri, 360.0);
      }
    }
  }
}

TEST(ElementPrecession, PublishedExample) {
  // Astronomical Algorithms 24.a (as in pymeeus): from JD 2358042.5305 to
  // 2433282.4235: i 47.1220° → 47.138°, ω 151.4486° → 151.4782°, Ω 45.7481° → 48.6037°.
  double i = 47.122, node = 45.7481, peri = 151.4486;
  precess_orbital_elements(i, node, peri, centuries_from_j2000(2433282.4235),
                           centuries_from_j2000(2358042.5305));
  EXPECT_NEAR(i, 47.138, 0.0005);
  EXPECT_NEAR(peri, 151.4782, 0.00005);
  EXPECT_NEAR(node, 48.6037, 0.00005);
}

}  // namespace
}  // namespace sdro
