// The Moon's physical ephemeris: semi-diameter, phase, optical and physical
// librations, position angle of the axis, the Sun's selenographic place and
// the magnitude.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <span>

#include "astro/angles.h"
#include "ephem/physical_ephemeris.h"
#include "ephem/tables/moon_libration_series.h"

namespace sdro {
namespace {

constexpr double kMoonSemiDiameter = 15.61247778;  // degrees × Earth radii
constexpr double kInclination = 1.54242;            // mean lunar equator, degrees
constexpr double kAuKm = 149597870.0;

struct tlunararguments {
  double omega, d, m, mp, f, e, k1, k2, dpsi;  // degrees (dpsi in degrees)
};

tlunararguments lunar_arguments(double t) {
  tlunararguments a;
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  a.omega = 125.044555 - 1934.1361849 * t + 0.0020762 * t2 + t3 / 467410.0 - t4 / 60616000.0;
  a.d = 297.8502042 + 445267.1115168 * t - 0.00163 * t2 + t3 / 545868.0 - t4 / 113065000.0;
  a.m = 357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000.0;
  a.mp = 134.9634114 + 477198.8676313 * t + 0.008997 * t2 + t3 / 69699.0 - t4 / 14712000.0;
  a.f = 93.2720993 + 483202.0175273 * t - 0.0034029 * t2 - t3 / 3526000.0 + t4 / 863310000.0;
  a.e = 1.0 - 0.002516 * t - 0.0000074 * t2;
  a.k1 = 119.75 + 131.849 * t;
  a.k2 = 72.56 + 20.186 * t;
  const double l = 280.4665 + 36000.7698 * t;
  const double lp = 218.3165 + 481267.8813 * t;
  a.dpsi = (-17.20 * sin_deg(a.omega) - 1.32 * sin_deg(2 * l) - 0.23 * sin_deg(2 * lp) +
            0.21 * sin_deg(2 * a.omega)) / 3600.0;
  return a;
}

double libration_sum(std::span<const tlibrationterm> terms, const tlunararguments& a) {
  double sum = 0.0;
  for (const tlibrationterm& r : terms) {
    const double arg = r.d * a.d + r.m * a.m + r.mp * a.mp + r.f * a.f + r.om * a.omega +
                       r.k1 * a.k1 + r.k2 * a.k2;
    double v = r.coeff * (r.is_sine ? sin_deg(arg) : cos_deg(arg));
    for (int k = 0; k < r.e_power; ++k) v *= a.e;
    sum += v;
  }
  return sum;
}

/// Optical libration (or selenographic place) of the direction λ, β:
/// longitude A − F and latitude, plus the angle A for the physical terms.
struct toptical {
  double a = 0.0, l = 0.0, b = 0.0;
};

toptical optical_libration(double lambda, double beta, const tlunararguments& arg) {
  const double w = lambda - arg.omega;
  const double ci = cos_deg(kInclination), si = sin_deg(kInclination);
  const double cb = cos_deg(beta), sb = sin_deg(beta);
  toptical o;
  // Two-argument arc tangent: reducing A and F modulo 180° separately would
  // flip l′ by 180° whenever the quadrants of A and F differ.
  o.a = atan2_deg(cos_deg(w) * cb, sin_deg(w) * cb * ci - sb * si);
  double l = normalize_degrees(o.a - arg.f);
  if (l > 180.0) l -= 360.0;
  o.l = l;
  o.b = asin_deg(-sin_deg(w) * cb * si - sb * ci);
  return o;
}

struct tphysical {
  double rho, sigma, tau;
};

void add_physical(toptical& o, const tphysical& p) {
  const double ca = cos_deg(o.a), sa = sin_deg(o.a);
  o.l += -p.tau + (p.rho * ca + p.sigma * sa) * tan_deg(o.b);
  o.b += p.sigma * ca - p.rho * sa;
  if (o.l > 180.0) o.l -= 360.0;
  if (o.l <= -180.0) o.l += 360.0;
}

}  // namespace

tphysephem moon_physical(const tmoonplace& mo) {
  tphysephem p;
  if (!(mo.distance > 0.0)) return p;
  const double t = mo.t;
  p.diameter = kMoonSemiDiameter / mo.distance;

  const tphase ph = phase_and_elongation(mo.lambda, mo.beta, mo.ra, mo.dec, 0.0, 0.0,
                                         mo.sun_lambda, mo.sun_ra, mo.sun_dec);
  p.elongation = ph.elongation;
  p.elongation_direction = ph.elongation_direction;
  p.east = ph.east;
  p.bright_limb_angle = ph.bright_limb_angle;
  // Phase angle from the elongation (mean anomalies counted from JD 2415020).
  const double t0 = t + 1.0;  // centuries from 1900 Jan 0.5
  const double mp0 = 296.104608 + 477198.8491 * t0 + 0.009192 * t0 * t0;
  const double m0 = 358.475833 + 35999.0498 * t0 - 0.00015 * t0 * t0;
  const double psi = ph.elongation;
  p.phase_angle = 180.0 - psi -
                  0.1468 * (1.0 - 0.0549 * sin_deg(mp0)) / (1.0 - 0.0167 * sin_deg(m0)) * sin_deg(psi);
  p.illuminated_fraction = (1.0 + cos_deg(p.phase_angle)) / 2.0;

  const tlunararguments arg = lunar_arguments(t);
  const tphysical phys{libration_sum(tables::kLibrationRho, arg),
                       libration_sum(tables::kLibrationSigma, arg),
                       libration_sum(tables::kLibrationTau, arg)};

  // Librations: optical plus physical.
  toptical lib = optical_libration(mo.lambda, mo.beta, arg);
  add_physical(lib, phys);
  p.libration_longitude = lib.l;
  p.libration_latitude = lib.b;
  p.earth_latitude = lib.b;

  // Position angle of the axis.
  const double v = arg.omega + arg.dpsi + phys.sigma / sin_deg(kInclination);
  const double eps = 23.439167 - (46.815 * t + 0.00059 * t * t) / 3600.0;
  const double x = sin_deg(kInclination + phys.rho) * sin_deg(v);
  const double y = sin_deg(kInclination + phys.rho) * cos_deg(v) * cos_deg(eps) -
                   cos_deg(kInclination + phys.rho) * sin_deg(eps);
  const double omega = atan2_deg(y, x);
  p.axis_angle = asin_deg(std::sqrt(x * x + y * y) * cos_deg(mo.ra - omega) / cos_deg(lib.b));
  p.rotation_valid = true;

  // The Sun seen from the Moon's centre: heliocentric Moon from the Sun's
  // longitude + 180°, with the Earth–Moon distance in units of the Sun's.
  const double ratio = mo.distance * 6378.14 / (mo.sun_distance * kAuKm);
  const double lambda_h = mo.sun_lambda + 180.0 +
                          ratio * kRadToDeg * cos_deg(mo.beta) * sin_deg(mo.sun_lambda - mo.lambda);
  const double beta_h = ratio * mo.beta;
  toptical sun = optical_libration(lambda_h, beta_h, arg);
  add_physical(sun, phys);
  p.sun_selenographic_latitude = sun.b;
  p.sun_latitude = sun.b;
  p.sun_colongitude = normalize_degrees(90.0 - sun.l);

  const double i = p.phase_angle;
  const double r_delta = mo.sun_distance * mo.topocentric_distance;
  p.magnitude = (r_delta > 0.0 ? 5.0 * log10_of(r_delta) : 0.0) - 21.62 + 0.026 * std::abs(i) +
                4e-9 * i * i * i * i;
  p.magnitude_hundredths = static_cast<int>(std::trunc(100.0 * p.magnitude));
  return p;
}

}  // namespace sdro
