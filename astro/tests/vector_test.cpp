// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/vector.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"

namespace sdro {
namespace {

TEST(Vector, PolarRoundTripCoversAllQuadrants) {
  for (double l = 0; l < 360; l += 37.5) {
    for (double b = -85; b <= 85; b += 42.5) {
      const tspherical s = cartesian_to_polar(polar_to_cartesian(l, b, 2.5));
      EXPECT_NEAR(s.l, l, 1e-10);
      EXPECT_NEAR(s.b, b, 1e-10);
      EXPECT_NEAR(s.r, 2.5, 1e-14);
    }
  }
  const tspherical pole = cartesian_to_polar({0, 0, -1});
  EXPECT_DOUBLE_EQ(pole.b, -90);
  EXPECT_DOUBLE_EQ(pole.l, 0);
  const tspherical origin = cartesian_to_polar({0, 0, 0});
  EXPECT_EQ(origin.r, 0);
  EXPECT_EQ(origin.l, 0);
}

TEST(Vector, MatrixFromThreeAnglesGivesGaussVectors) {
  // Columns P, Q, W of the orbit orientation (ω, i, Ω) as the textbook writes them.
  const double w = 110.3, i = 23.4, node = 291.7;
  const tdrehmatrix m = matrix_from_three_angles(w, i, node);
  const double cw = cos_deg(w), sw = sin_deg(w), ci = cos_deg(i), si = sin_deg(i),
               cn = cos_deg(node), sn = sin_deg(node);
  const double p[3] = {cw * cn - sw * ci * sn, cw * sn + sw * ci * cn, sw * si};
  const double q[3] = {-sw * cn - cw * ci * sn, -sw * sn + cw * ci * cn, cw * si};
  const double ww[3] = {si * sn, -si * cn, ci};
  for (int r = 0; r < 3; ++r) {
    EXPECT_NEAR(m.m[r][0], p[r], 1e-15);
    EXPECT_NEAR(m.m[r][1], q[r], 1e-15);
    EXPECT_NEAR(m.m[r][2], ww[r], 1e-15);
  }
}

TEST(Vector, RotationsAreOrthogonalAndInvertible) {
  const tdrehmatrix m = matrix_product(rotation_x(23.44), rotation_z(-71.2));
  const tdrehmatrix id = matrix_product(m, transposed(m));
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(id.m[r][c], r == c ? 1.0 : 0.0, 1e-15);
  }
  tvektor v{1, 0, 0};
  matrix_times_vector(rotation_z(90), v);
  EXPECT_NEAR(v.x, 0, 1e-15);
  EXPECT_NEAR(v.y, 1, 1e-15);
  const tvektor c = cross({1, 0, 0}, {0, 1, 0});
  EXPECT_EQ(c.z, 1);
  EXPECT_EQ(dot({1, 2, 3}, {4, 5, 6}), 32);
}

}  // namespace
}  // namespace sdro
