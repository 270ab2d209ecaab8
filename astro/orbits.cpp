// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/orbits.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/kepler.h"

namespace sdro {

namespace {

// At most this many passes of the near-parabolic iteration.
constexpr int kNearParabolicIterations = 30;

bool finite_all(const torbit_state& s) {
  return std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.vx) && std::isfinite(s.vy);
}

torbit_state checked(torbit_state s) {
  if (!finite_all(s)) return {};
  s.valid = true;
  return s;
}

// cbrt(A + √(A² + 1)), written as 1/cbrt(√(A² + 1) − A) for negative A so
// that the sum does not cancel.
double cube_root_of_sum(double a) {
  const double root = std::hypot(a, 1.0);
  return a >= 0.0 ? std::cbrt(a + root) : 1.0 / std::cbrt(root - a);
}

}  // namespace

torbit_state orbit_elliptic(double e, double a, double mean_anomaly_deg) {
  if (!(a > 0.0) || !(e >= 0.0 && e < 1.0) || !std::isfinite(mean_anomaly_deg)) return {};
  const double big_e = eccentric_anomaly(e, std::remainder(mean_anomaly_deg, 360.0) * kDegToRad);
  const double sin_e = std::sin(big_e);
  const double cos_e = std::cos(big_e);
  const double half = std::sin(0.5 * big_e);
  const double two_half2 = 2.0 * half * half;  // 1 − cos E without cancellation
  const double root = std::sqrt((1.0 - e) * (1.0 + e));
  const double k = kGauss / std::sqrt(a);
  const double d = (1.0 - e) + e * two_half2;  // 1 − e cos E
  torbit_state s;
  s.x = a * ((1.0 - e) - two_half2);  // a (cos E − e)
  s.y = a * root * sin_e;
  s.vx = -k * sin_e / d;
  s.vy = k * root * cos_e / d;
  return checked(s);
}

torbit_state orbit_hyperbolic(double e, double abs_a, double t, double t0) {
  if (!(abs_a > 0.0) || !(e > 1.0) || !std::isfinite(t - t0)) return {};
  const double k = kGauss / std::sqrt(abs_a);
  const double mh = (t - t0) * k * kDaysPerCentury / abs_a;
  const double h = kepler_hyperbolic(e, mh);
  const double sinh_h = std::sinh(h);
  const double cosh_h = std::cosh(h);
  const double half = std::sinh(0.5 * h);
  const double two_half2 = 2.0 * half * half;  // cosh H − 1
  const double root = std::sqrt((e - 1.0) * (e + 1.0));
  const double d = (e - 1.0) + e * two_half2;  // e cosh H − 1
  torbit_state s;
  s.x = abs_a * ((e - 1.0) - two_half2);  // |a| (e − cosh H)
  s.y = abs_a * root * sinh_h;
  s.vx = -k * sinh_h / d;
  s.vy = k * root * cosh_h / d;
  return checked(s);
}

torbit_state orbit_near_parabolic(double e, double q, double t, double t0) {
  if (!(q > 0.0) || !(e > 0.0) || !std::isfinite(e) || !std::isfinite(t - t0)) return {};
  const double c = kGaussCentury * (t - t0);
  double fac = 0.5 * e;
  double e2 = 0.0;
  double u = 0.0;
  bool converged = false;
  tstumpff st;
  for (int k = 0; k < kNearParabolicIterations && !converged; ++k) {
    const double a = 1.5 * std::sqrt(fac / (q * q * q)) * c;
    const double b = cube_root_of_sum(a);
    u = b - 1.0 / b;
    const double e2_old = e2;
    e2 = u * u * (1.0 - e) / fac;
    st = stumpff(e2);
    fac = 3.0 * e * st.c3;
    converged = std::fabs(e2 - e2_old) <= 1e-15 * (1.0 + std::fabs(e2));
    if (!std::isfinite(e2) || !(fac > 0.0)) break;
  }
  const double u2c2 = u * u * st.c2 / fac;
  const double r = q * (1.0 + e * u2c2);
  torbit_state s;
  s.x = q * (1.0 - u2c2);
  s.y = q * std::sqrt((1.0 + e) / fac) * u * st.c1;
  const double k = kGauss / std::sqrt(q * (1.0 + e));
  s.vx = -k * s.y / r;
  s.vy = k * (s.x / r + e);
  s = checked(s);
  // Far from the parabola and from perihelion the iteration need not
  // settle: the last iterate is kept, flagged as not valid.
  if (!converged) s.valid = false;
  return s;
}

double mean_daily_motion(double a) {
  if (!(a > 0.0)) return 0.0;
  return kGaussDegreesPerDay / (a * std::sqrt(a));
}

torbit_state comet_orbit_state(double q, double e, double perihelion_jd, double jd) {
  if (e == 1.0) {
    return orbit_near_parabolic(e, q, centuries_from_j2000(jd),
                                centuries_from_j2000(perihelion_jd));
  }
  const double abs_a = std::fabs(q / (1.0 - e));
  if (e > 1.0) {
    return orbit_hyperbolic(e, abs_a, centuries_from_j2000(jd),
                            centuries_from_j2000(perihelion_jd));
  }
  // The mean anomaly stays signed, so anomalies just before perihelion keep
  // their precision.
  const double m = std::remainder((jd - perihelion_jd) * mean_daily_motion(abs_a), 360.0);
  return orbit_elliptic(e, abs_a, m);
}

torbit_state minor_planet_orbit_state(double a, double e, double mean_anomaly0, double n,
                                      double epoch_jd, double jd) {
  const double motion = n != 0.0 ? n : mean_daily_motion(a);
  return orbit_elliptic(e, a, normalize_degrees((jd - epoch_jd) * motion + mean_anomaly0));
}

tdrehmatrix gauss_vectors(double perihelion, double inclination, double node) {
  double cw, ci, cn;
  const double sw = sincos_deg(perihelion, cw);
  const double si = sincos_deg(inclination, ci);
  const double sn = sincos_deg(node, cn);
  tdrehmatrix m;
  // Column P.
  m.m[0][0] = cw * cn - sw * ci * sn;
  m.m[1][0] = cw * sn + sw * ci * cn;
  m.m[2][0] = sw * si;
  // Column Q.
  m.m[0][1] = -sw * cn - cw * ci * sn;
  m.m[1][1] = -sw * sn + cw * ci * cn;
  m.m[2][1] = cw * si;
  // Column W.
  m.m[0][2] = si * sn;
  m.m[1][2] = -si * cn;
  m.m[2][2] = ci;
  return m;
}

tvektor orbit_to_ecliptic(const tdrehmatrix& gauss, double x, double y) {
  return {gauss.m[0][0] * x + gauss.m[0][1] * y, gauss.m[1][0] * x + gauss.m[1][1] * y,
          gauss.m[2][0] * x + gauss.m[2][1] * y};
}

theliocentric_state heliocentric_state(const tdrehmatrix& gauss, const torbit_state& s) {
  return {orbit_to_ecliptic(gauss, s.x, s.y), orbit_to_ecliptic(gauss, s.vx, s.vy)};
}

}  // namespace sdro
