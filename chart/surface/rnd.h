// rnd: the rounding of every pixel coordinate the charts compute.
//
// rnd(x) is x rounded to the nearest integer, halves to the even neighbour
// (0.5 → 0, 1.5 → 2, 2.5 → 2, −0.5 → 0, −1.5 → −2). It does not depend on the
// floating-point rounding mode. Values beyond the int range saturate; NaN
// gives 0, so a failed computation lands at a visible, harmless pixel
// instead of undefined behaviour.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <limits>

namespace sdro {

inline int rnd(double x) {
  if (std::isnan(x)) return 0;
  constexpr double lo = static_cast<double>(std::numeric_limits<int>::min());
  constexpr double hi = static_cast<double>(std::numeric_limits<int>::max());
  if (x <= lo) return std::numeric_limits<int>::min();
  if (x >= hi) return std::numeric_limits<int>::max();
  const double f = std::floor(x);
  const double rest = x - f;  // exact for every double
  double r = f;
  if (rest > 0.5) {
    r = f + 1;
  } else if (rest == 0.5) {
    r = std::fmod(f, 2.0) == 0 ? f : f + 1;
  }
  return static_cast<int>(r);
}

}  // namespace sdro
