// SPDX-License-Identifier: GPL-3.0-or-later
#include "libs/lunatheo/elpmpp02.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "libs/common/theory_precision.h"
#include "libs/lunatheo/elpmpp02_tables.h"

namespace sdro::elp {
namespace {

constexpr double arcseconds_per_radian = 648000.0 / std::numbers::pi;

// Laskar's P and Q (dimensionless), polynomials in T starting with T^1.
constexpr double laskar_p[5] = {0.10180391e-4, 0.47020439e-6, -0.5417367e-9, -0.2507948e-11, 0.463486e-14};
constexpr double laskar_q[5] = {-0.113469002e-3, 0.12372674e-6, 0.1265417e-8, -0.1371808e-11, -0.320334e-14};

double quartic(const double (&c)[5], double T) {
  return c[0] + T * (c[1] + T * (c[2] + T * (c[3] + T * c[4])));
}

std::size_t kept_terms(const ElpSeries& s, double min_amplitude) {
  const ElpTerm* end = s.terms + s.count;
  const ElpTerm* last = std::partition_point(
      s.terms, end, [min_amplitude](const ElpTerm& t) { return std::abs(t.amplitude) >= min_amplitude; });
  return static_cast<std::size_t>(last - s.terms);
}

// sum_k T^k sum_i A_i sin(phi_i(T)), in the unit of the amplitudes.
double sum_coordinate(const ElpCoordinate& c, double T, double min_amplitude) {
  double total = 0.0;
  for (std::size_t k = c.count; k-- > 0;) {
    const ElpSeries& s = c.powers[k];
    const std::size_t n = kept_terms(s, min_amplitude);
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) sum += s.terms[i].amplitude * std::sin(quartic(s.terms[i].argument, T));
    total = total * T + sum;
  }
  return total;
}

}  // namespace

MoonSpherical moon_of_date(double T, double min_angle, double min_distance) {
  const double min_arcsec = min_angle * arcseconds_per_radian;
  const double v = quartic(moon.mean_longitude, T) + sum_coordinate(moon.longitude, T, min_arcsec) / arcseconds_per_radian;
  const double u = sum_coordinate(moon.latitude, T, min_arcsec) / arcseconds_per_radian;
  const double r = sum_coordinate(moon.distance, T, min_distance);
  return {v, u, r};
}

MoonVector moon_j2000(double T, double min_angle, double min_distance) {
  const MoonSpherical s = moon_of_date(T, min_angle, min_distance);
  const double x1 = s.distance * std::cos(s.latitude) * std::cos(s.longitude);
  const double x2 = s.distance * std::cos(s.latitude) * std::sin(s.longitude);
  const double x3 = s.distance * std::sin(s.latitude);
  const double p = T * quartic(laskar_p, T);
  const double q = T * quartic(laskar_q, T);
  const double w = 2.0 * std::sqrt(std::max(0.0, 1.0 - p * p - q * q));
  const double pw2 = 1.0 - 2.0 * p * p;
  const double qw2 = 1.0 - 2.0 * q * q;
  const double pq = 2.0 * p * q;
  return {pw2 * x1 + pq * x2 + p * w * x3,
          pq * x1 + qw2 * x2 - q * w * x3,
          -p * w * x1 + q * w * x2 + (pw2 + qw2 - 1.0) * x3};
}

MoonVector moon_j2000_for_jd(double jd, double precision) {
  // Centuries first, then the bound: jd beyond the double range of days is
  // still a finite (clamped) instant.
  const double T = theory::bounded_centuries((jd - 2451545.0) / 36525.0);
  const double threshold = theory::amplitude_threshold(precision);
  return moon_j2000(T, threshold, threshold * mean_distance_km);
}

}  // namespace sdro::elp
