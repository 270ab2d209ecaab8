// Parabolas through three equidistant values, for rise/set and extremum searches.
// The values y−, y0, y+ belong to the abscissae x = −1, 0, +1.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

struct tparabola {
  double extremum_x = 0.0;  ///< abscissa of the vertex
  double extremum_y = 0.0;  ///< value at the vertex
  int zero_count = 0;       ///< zeros with |x| ≤ 1: 0, 1 or 2
  double zero1 = 0.0;       ///< the first zero in [−1, 1] when zero_count ≥ 1
  double zero2 = 0.0;       ///< the larger zero (the second one in [−1, 1] when zero_count = 2)
};

/// The parabola through the three values: vertex and zeros in [−1, 1]. A
/// vanishing curvature is replaced by 1e-10 (values on a straight line then
/// give a vertex far outside the interval and at most one zero).
tparabola parabola_through_three(double y_minus, double y0, double y_plus);

struct textremum {
  bool inside = false;  ///< the vertex lies in (−1, 1); false also for a straight line
  double value = 0.0;   ///< value at the vertex (y0 for a straight line)
  double x = 0.0;       ///< abscissa of the vertex (0 for a straight line)
};

/// The vertex of the parabola through the three values: with d1 = y− − y0 and
/// d2 = y0 − y+, x = (d1 + d2)/(2(d1 − d2)) and value y0 − (d1 + d2)²/(8(d1 − d2)).
textremum extremum_through_three(double y_minus, double y0, double y_plus);

}  // namespace sdro
