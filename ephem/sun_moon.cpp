// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/sun_moon.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/chebyshev.h"
#include "astro/nutation.h"
#include "astro/obliquity.h"
#include "astro/precession.h"
#include "ephem/planet_series.h"
#include "ephem/theory_libraries.h"

namespace sdro {

tplanetposition sun_geocentric(const ttheoriewahl& sel, int precision, double t) {
  tplanetposition s;
  if (sel.planet_theory == theorie_vsop87d && library_planet_d(3, t, precision, s.l, s.b, s.r)) {
    set_position_from_polar(s);
    return s;
  }
  tvektor earth, earth_velocity;
  if (sel.planet_theory == theorie_vsop87c &&
      library_planet_c(3, t, precision, earth, earth_velocity)) {
    s.position = -1.0 * earth;
    s.velocity = -1.0 * earth_velocity;
    s.has_velocity = true;
    set_polar_from_position(s);
    fk5_correction(s.l, s.b, t);
    // The vector follows the corrected angles, as for the planets, so that
    // planet and Sun are added in one frame.
    set_position_from_polar(s);
    return s;
  }
  const tseriesposition own = sun_series_geocentric(t);
  s.l = own.l;
  s.b = own.b;
  s.r = own.r;
  set_position_from_polar(s);
  return s;
}

tmoonposition moon_geocentric(const ttheoriewahl& sel, int precision, double t) {
  const tmoonposition own = moon_series_geocentric(t);
  if (!lunar_library_in_effect(sel, library_usability())) return own;
  const double light_seconds = own.distance * kEarthRadiusKm / 299792.458;
  tvektor km;
  if (!library_moon(jd_from_centuries(t) - light_seconds / 86400.0, precision, km)) return own;
  const tvektor of_date = transformed(precession_matrix_ecliptic(t, 0.0), km);
  const tspherical p = cartesian_to_polar(of_date);
  if (!(p.r > 0.0) || !std::isfinite(p.r)) return own;
  return {p.l, p.b, p.r / kEarthRadiusKm};
}

tapparentplace apparent_from_ecliptic(const tvektor& ecliptic, double t) {
  tvektor v = ecliptic;
  ecliptic_to_equatorial_vector(v, t);
  nutate_equatorial_vector(v, t);
  const tspherical s = cartesian_to_polar(v);
  return {s.l, s.b, s.r};
}

tapparentplace moon_apparent(const ttheoriewahl& sel, int precision, double t) {
  const tmoonposition m = moon_geocentric(sel, precision, t);
  return apparent_from_ecliptic(polar_to_cartesian(m.lambda, m.beta, m.distance), t);
}

tapparentplace sun_apparent(const ttheoriewahl& sel, int precision, double t) {
  const tplanetposition s = sun_geocentric(sel, precision, t - kSunLightTimeCenturies);
  return apparent_from_ecliptic(s.position, t);
}

namespace {

/// Hours from the half-angle form α = 2·atan(y/(cos δ + x)), into [0, 24).
double half_angle_hours(double y, double x_plus_cos_dec) {
  double a = 2.0 * std::atan2(y, x_plus_cos_dec) * (12.0 / kPi);
  if (a < 0.0) a += 24.0;
  return a >= 24.0 ? a - 24.0 : a;
}

double frac_turn(double x) { return kTwoPi * frac_positive(x); }

constexpr double kCosEps = 0.91748;
constexpr double kSinEps = 0.39778;
constexpr double kArc = 206264.8062;

}  // namespace

tlowprecisionplace moon_low_precision(double t) {
  const double l0 = frac_positive(0.606433 + 1336.855225 * t);
  const double l = frac_turn(0.374897 + 1325.55241 * t);
  const double ls = frac_turn(0.993133 + 99.997361 * t);
  const double d = frac_turn(0.827361 + 1236.853086 * t);
  const double f = frac_turn(0.259086 + 1342.227825 * t);
  const double dl = 22640 * std::sin(l) - 4586 * std::sin(l - 2 * d) + 2370 * std::sin(2 * d) +
                    769 * std::sin(2 * l) - 668 * std::sin(ls) - 412 * std::sin(2 * f) -
                    212 * std::sin(2 * l - 2 * d) - 206 * std::sin(l + ls - 2 * d) +
                    192 * std::sin(l + 2 * d) - 165 * std::sin(ls - 2 * d) - 125 * std::sin(d) -
                    110 * std::sin(l + ls) + 148 * std::sin(l - ls) - 55 * std::sin(2 * f - 2 * d);
  const double s = f + (dl + 412 * std::sin(2 * f) + 541 * std::sin(ls)) / kArc;
  const double h = f - 2 * d;
  const double n = -526 * std::sin(h) + 44 * std::sin(l + h) - 31 * std::sin(h - l) -
                   23 * std::sin(ls + h) + 11 * std::sin(h - ls) - 25 * std::sin(f - 2 * l) +
                   21 * std::sin(f - l);
  const double lambda = kTwoPi * frac_positive(l0 + dl / 1296000.0);
  const double beta = (18520 * std::sin(s) + n) / kArc;
  const double cb = std::cos(beta), sb = std::sin(beta);
  double sin_dec = cb * std::sin(lambda) * kSinEps + sb * kCosEps;
  sin_dec = std::fmax(-1.0, std::fmin(1.0, sin_dec));
  const double dec = std::asin(sin_dec);
  tlowprecisionplace p;
  p.dec = dec * kRadToDeg;
  p.ra_hours = half_angle_hours(cb * std::sin(lambda) * kCosEps - sb * kSinEps,
                                std::cos(dec) + cb * std::cos(lambda));
  const double parallax = 3423 + 187 * std::cos(l) + 10 * std::cos(2 * l) +
                          34 * std::cos(2 * d - l) + 28 * std::cos(2 * d) +
                          3 * std::cos(l + 2 * d);
  p.distance = 1.0 / std::sin(parallax / kArc);
  return p;
}

tlowprecisionplace sun_low_precision(double t) {
  const double m = frac_turn(0.993133 + 99.997361 * t);
  const double l = frac_turn(0.7859453 + m / kTwoPi +
                             (6191.2 * t + 6893 * std::sin(m) + 72 * std::sin(2 * m)) / 1296000.0);
  const double dec = std::asin(kSinEps * std::sin(l));
  tlowprecisionplace p;
  p.dec = dec * kRadToDeg;
  p.ra_hours = half_angle_hours(kCosEps * std::sin(l), std::cos(dec) + std::cos(l));
  return p;
}

namespace {

template <typename Place>
tchebyshevfit fit_chebyshev(Place place, int degree, double t_start, double t_end) {
  if (degree < 0) degree = 0;
  if (degree > 30) degree = 30;
  tchebyshevfit fit;
  fit.degree = degree;
  fit.t_start = t_start;
  fit.t_end = t_end;
  const int nodes = degree + 1;
  std::vector<double> ra(nodes), dec(nodes), dist(nodes), theta(nodes);
  for (int j = 0; j < nodes; ++j) {
    theta[j] = (2.0 * (j + 1) - 1.0) * kPi / (2.0 * nodes);
    const double tt = std::cos(theta[j]) * (t_end - t_start) / 2.0 + (t_end + t_start) / 2.0;
    const tapparentplace p = place(tt);
    ra[j] = p.ra;
    dec[j] = p.dec;
    dist[j] = p.distance;
    // Nodes run backward in time, so α must not grow from one to the next.
    if (j > 0 && ra[j] > ra[j - 1]) ra[j] -= 360.0 * std::ceil((ra[j] - ra[j - 1]) / 360.0);
  }
  fit.ra.assign(nodes, 0.0);
  fit.dec.assign(nodes, 0.0);
  fit.distance.assign(nodes, 0.0);
  for (int k = 0; k < nodes; ++k) {
    for (int j = 0; j < nodes; ++j) {
      const double c = std::cos(k * theta[j]);
      fit.ra[k] += ra[j] * c;
      fit.dec[k] += dec[j] * c;
      fit.distance[k] += dist[j] * c;
    }
    fit.ra[k] *= 2.0 / nodes;
    fit.dec[k] *= 2.0 / nodes;
    fit.distance[k] *= 2.0 / nodes;
  }
  return fit;
}

}  // namespace

tchebyshevfit fit_moon_chebyshev(const ttheoriewahl& sel, int precision, int degree,
                                 double t_start, double t_end) {
  return fit_chebyshev([&](double t) { return moon_apparent(sel, precision, t); }, degree,
                       t_start, t_end);
}

tchebyshevfit fit_sun_chebyshev(const ttheoriewahl& sel, int precision, int degree,
                                double t_start, double t_end) {
  return fit_chebyshev([&](double t) { return sun_apparent(sel, precision, t); }, degree,
                       t_start, t_end);
}

tapparentplace chebyshev_place(const tchebyshevfit& f, double t) {
  tapparentplace p;
  p.ra = normalize_degrees(chebyshev_value(f.ra, f.t_start, f.t_end, t));
  p.dec = chebyshev_value(f.dec, f.t_start, f.t_end, t);
  p.distance = chebyshev_value(f.distance, f.t_start, f.t_end, t);
  return p;
}

}  // namespace sdro
