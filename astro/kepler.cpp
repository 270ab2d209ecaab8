// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/kepler.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace sdro {

namespace {

constexpr int kMaxIterations = 60;

// E − sin E, or sinh H − H when `hyperbolic`, accurate for small arguments
// where the difference of the two terms would lose all digits: the series
// x³/6 ∓ x⁵/120 + … for |x| < 0.5.
double x_minus_sin(double x, bool hyperbolic) {
  if (std::fabs(x) >= 0.5) return hyperbolic ? std::sinh(x) - x : x - std::sin(x);
  const double ratio = hyperbolic ? x * x : -x * x;
  double term = x * x * x / 6.0;
  double sum = term;
  for (int k = 2; k <= 12; ++k) {
    term *= ratio / ((2.0 * k) * (2.0 * k + 1.0));
    sum += term;
  }
  return sum;
}

// The real root of x³ + p·x − q = 0 for p ≥ 0, q ≥ 0, written without the
// cancellation of Cardano's difference of cube roots.
double cubic_root_positive(double p, double q) {
  const double s = std::sqrt(q * q / 4.0 + p * p * p / 27.0);
  const double u = std::cbrt(q / 2.0 + s);
  if (u == 0.0) return 0.0;
  const double v = p / (3.0 * u);
  return q / (u * u + p / 3.0 + v * v);
}

// Newton's method for an increasing function on [lo, hi] with f(lo) ≤ 0 ≤ f(hi),
// bisecting whenever a step leaves the bracket. f_and_slope returns f and f'.
template <typename F>
double bracketed_newton(F f_and_slope, double x, double lo, double hi) {
  for (int k = 0; k < kMaxIterations; ++k) {
    double slope = 0.0;
    const double f = f_and_slope(x, slope);
    if (f == 0.0) return x;
    if (f > 0.0)
      hi = x;
    else
      lo = x;
    double next = x - f / slope;
    if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
    const double step = std::fabs(next - x);
    x = next;
    if (step <= 1e-15 * std::fabs(x) || hi - lo <= 1e-15 * std::fabs(x)) break;
  }
  return x;
}

// E in [0, π] for M in [0, π].
double solve_elliptic(double e, double m) {
  if (m == 0.0 || e == 0.0) return m;
  double start;
  if (e < 0.8) {
    start = m + e * std::sin(m);
  } else {
    // (1 − e)E + e·E³/6 = M, exact near perihelion and always ≤ the root.
    start = cubic_root_positive(6.0 * (1.0 - e) / e, 6.0 * m / e);
  }
  start = std::clamp(start, 0.0, kPi);
  const double one_minus_e = 1.0 - e;
  auto f = [&](double x, double& slope) {
    const double half_sin = std::sin(0.5 * x);
    slope = one_minus_e + 2.0 * e * half_sin * half_sin;  // 1 − e cos E
    return one_minus_e * x + e * x_minus_sin(x, false) - m;
  };
  return bracketed_newton(f, start, 0.0, kPi);
}

// H ≥ 0 for MH ≥ 0.
double solve_hyperbolic(double e, double m) {
  if (m == 0.0) return 0.0;
  const double e_minus_one = e - 1.0;
  // Both bounds lie at or beyond the root; the smaller is the better start.
  const double cubic = cubic_root_positive(6.0 * e_minus_one / e, 6.0 * m / e);
  const double logarithmic = std::log(2.0 * m / e + 1.8);
  const double hi = std::min(cubic, logarithmic + 1.0);
  const double start = std::min(cubic, logarithmic);
  auto f = [&](double x, double& slope) {
    const double half_sinh = std::sinh(0.5 * x);
    slope = e_minus_one + 2.0 * e * half_sinh * half_sinh;  // e cosh H − 1
    return e_minus_one * std::sinh(x) + x_minus_sin(x, true) - m;
  };
  return bracketed_newton(f, start, 0.0, hi);
}

double clean_eccentricity(double e, double lo, double hi) {
  if (!std::isfinite(e)) return lo;
  return std::clamp(e, lo, hi);
}

}  // namespace

double eccentric_anomaly(double e, double mean_anomaly_rad) {
  if (!std::isfinite(mean_anomaly_rad)) return 0.0;
  e = clean_eccentricity(e, 0.0, 1.0);
  double m = std::remainder(mean_anomaly_rad, 2.0 * kPi);  // exact, in [−π, π]
  const double sign = m < 0.0 ? -1.0 : 1.0;
  return sign * solve_elliptic(e, std::fabs(m));
}

double kepler_elliptic(double e, double mean_anomaly_deg) {
  if (!std::isfinite(mean_anomaly_deg)) return 0.0;
  const double m = std::remainder(mean_anomaly_deg, 360.0) * kDegToRad;
  return normalize_degrees(eccentric_anomaly(e, m) / kDegToRad);
}

double kepler_hyperbolic(double e, double mean_anomaly_rad) {
  if (!std::isfinite(mean_anomaly_rad)) return 0.0;
  e = clean_eccentricity(e, 1.0, 1e300);
  const double sign = mean_anomaly_rad < 0.0 ? -1.0 : 1.0;
  return sign * solve_hyperbolic(e, std::fabs(mean_anomaly_rad));
}

tstumpff stumpff(double x) {
  tstumpff c;
  if (x > 1.0) {
    const double s = std::sqrt(x);
    c.c1 = std::sin(s) / s;
    c.c2 = (1.0 - std::cos(s)) / x;
    c.c3 = (s - std::sin(s)) / (x * s);
    return c;
  }
  if (x < -1.0) {
    const double s = std::sqrt(-x);
    c.c1 = std::sinh(s) / s;
    c.c2 = (std::cosh(s) - 1.0) / -x;
    c.c3 = (std::sinh(s) - s) / (-x * s);
    return c;
  }
  double t1 = 1.0, t2 = 0.5, t3 = 1.0 / 6.0;
  c.c1 = t1;
  c.c2 = t2;
  c.c3 = t3;
  for (int n = 1; n < 30 && std::fabs(t1) > 1e-18; ++n) {
    t1 *= -x / ((2.0 * n) * (2.0 * n + 1.0));
    t2 *= -x / ((2.0 * n + 1.0) * (2.0 * n + 2.0));
    t3 *= -x / ((2.0 * n + 2.0) * (2.0 * n + 3.0));
    c.c1 += t1;
    c.c2 += t2;
    c.c3 += t3;
  }
  return c;
}

}  // namespace sdro
