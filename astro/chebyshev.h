// Chebyshev series.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace sdro {

/// Value at x of the Chebyshev series c[0]/2 + Σ c[k]·T_k(u) on the interval
/// [a, b], u = (2x − a − b)/(b − a), summed by Clenshaw's recurrence. Every
/// coefficient of the span is used; an empty span gives 0, and an empty
/// interval (a = b) evaluates the series at u = 0.
double chebyshev_value(std::span<const double> coefficients, double a, double b, double x);

}  // namespace sdro
