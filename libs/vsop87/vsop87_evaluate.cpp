// SPDX-License-Identifier: GPL-3.0-or-later
#include "libs/vsop87/vsop87_evaluate.h"

#include <algorithm>
#include <cmath>

#include "libs/common/theory_precision.h"

namespace sdro::vsop87 {
namespace {

struct Sum {
  double value;
  double rate;
};

// Sum of A cos(B + C tau) over the kept terms, and its derivative in tau.
Sum sum_series(const Series& series, double tau, double min_amplitude, bool with_rate) {
  const std::size_t n = kept_terms(series, min_amplitude);
  Sum s{0.0, 0.0};
  for (std::size_t i = 0; i < n; ++i) {
    const Term& t = series.terms[i];
    const double arg = t.phase + t.frequency * tau;
    s.value += t.amplitude * std::cos(arg);
    if (with_rate) s.rate -= t.amplitude * t.frequency * std::sin(arg);
  }
  return s;
}

// sum_k tau^k S_k(tau) by Horner's rule; the derivative follows the same
// recurrence: d_k = d_{k+1} tau + v_{k+1} + S_k'.
Sum sum_coordinate(const Coordinate& c, double tau, double min_amplitude, bool with_rate) {
  Sum total{0.0, 0.0};
  for (std::size_t k = c.count; k-- > 0;) {
    const Sum s = sum_series(c.powers[k], tau, min_amplitude, with_rate);
    total.rate = total.rate * tau + total.value + s.rate;
    total.value = total.value * tau + s.value;
  }
  if (!with_rate) total.rate = 0.0;
  return total;
}

}  // namespace

std::size_t kept_terms(const Series& series, double min_amplitude) {
  const Term* end = series.terms + series.count;
  const Term* last = std::partition_point(series.terms, end, [min_amplitude](const Term& t) {
    return std::abs(t.amplitude) >= min_amplitude;
  });
  return static_cast<std::size_t>(last - series.terms);
}

Spherical evaluate(const Body& body, double tau, double min_amplitude, bool with_rates) {
  const Sum l = sum_coordinate(body.longitude, tau, min_amplitude, with_rates);
  const Sum b = sum_coordinate(body.latitude, tau, min_amplitude, with_rates);
  const Sum r = sum_coordinate(body.radius, tau, min_amplitude, with_rates);
  return {l.value, b.value, r.value, l.rate, b.rate, r.rate};
}

Spherical evaluate_centuries(const Body& body, double T, double precision, bool with_rates) {
  const double tau = theory::bounded_centuries(T) / 10.0;
  return evaluate(body, tau, theory::amplitude_threshold(precision), with_rates);
}

Rectangular to_rectangular(const Spherical& s) {
  const double cl = std::cos(s.longitude), sl = std::sin(s.longitude);
  const double cb = std::cos(s.latitude), sb = std::sin(s.latitude);
  const double r = s.radius;
  // Rates per day from rates per thousand Julian years.
  const double dl = s.longitude_rate / days_per_millennium;
  const double db = s.latitude_rate / days_per_millennium;
  const double dr = s.radius_rate / days_per_millennium;
  Rectangular out{};
  out.x = r * cb * cl;
  out.y = r * cb * sl;
  out.z = r * sb;
  out.vx = dr * cb * cl - r * sb * db * cl - r * cb * sl * dl;
  out.vy = dr * cb * sl - r * sb * db * sl + r * cb * cl * dl;
  out.vz = dr * sb + r * cb * db;
  return out;
}

}  // namespace sdro::vsop87
