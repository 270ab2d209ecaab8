// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/chebyshev.h"

namespace sdro {

double chebyshev_value(std::span<const double> coefficients, double a, double b, double x) {
  if (coefficients.empty()) return 0.0;
  const double u = b != a ? (2.0 * x - a - b) / (b - a) : 0.0;
  double b1 = 0.0;
  double b2 = 0.0;
  for (std::size_t k = coefficients.size() - 1; k >= 1; --k) {
    const double b0 = coefficients[k] + 2.0 * u * b1 - b2;
    b2 = b1;
    b1 = b0;
  }
  return 0.5 * coefficients[0] + u * b1 - b2;
}

}  // namespace sdro
