// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/moon_phases.h"

#include <array>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/zeitort.h"

namespace sdro {
namespace {

/// Mean elements of lunation k (degrees) and E.
struct telements {
  double t, e, m, mp, f, omega;
};
telements elements(double k) {
  const double t = k / 1236.86;
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  return {t,
          1.0 - 0.002516 * t - 0.0000074 * t2,
          2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3,
          201.5643 + 385.81693528 * k + 0.0107438 * t2 + 0.00001239 * t3 - 0.000000058 * t4,
          160.7108 + 390.67050274 * k - 0.0016341 * t2 - 0.00000227 * t3 + 0.000000011 * t4,
          124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3};
}

/// The corrections of new and full moon; `full` selects the full-moon coefficients of the first seven terms.
double syzygy_correction(const telements& a, bool full) {
  const double e = a.e, m = a.m, mp = a.mp, f = a.f;
  return (full ? -0.40614 : -0.40720) * sin_deg(mp) + (full ? 0.17302 : 0.17241) * e * sin_deg(m) +
         (full ? 0.01614 : 0.01608) * sin_deg(2 * mp) + (full ? 0.01043 : 0.01039) * sin_deg(2 * f) +
         (full ? 0.00734 : 0.00739) * e * sin_deg(mp - m) - (full ? 0.00515 : 0.00514) * e * sin_deg(mp + m) +
         (full ? 0.00209 : 0.00208) * e * e * sin_deg(2 * m) - 0.00111 * sin_deg(mp - 2 * f) -
         0.00057 * sin_deg(mp + 2 * f) + 0.00056 * e * sin_deg(2 * mp + m) - 0.00042 * sin_deg(3 * mp) +
         0.00042 * e * sin_deg(m + 2 * f) + 0.00038 * e * sin_deg(m - 2 * f) - 0.00024 * e * sin_deg(2 * mp - m) -
         0.00017 * sin_deg(a.omega) - 0.00007 * sin_deg(mp + 2 * m) + 0.00004 * sin_deg(2 * mp - 2 * f) +
         0.00004 * sin_deg(3 * m) + 0.00003 * sin_deg(mp + m - 2 * f) + 0.00003 * sin_deg(2 * mp + 2 * f) -
         0.00003 * sin_deg(mp + m + 2 * f) + 0.00003 * sin_deg(mp - m + 2 * f) - 0.00002 * sin_deg(mp - m - 2 * f) -
         0.00002 * sin_deg(3 * mp + m) + 0.00002 * sin_deg(4 * mp);
}

/// The corrections of the quarters, with W added for the first and subtracted for the last.
double quarter_correction(const telements& a, bool first) {
  const double e = a.e, m = a.m, mp = a.mp, f = a.f;
  const double c = -0.62801 * sin_deg(mp) + 0.17172 * e * sin_deg(m) - 0.01183 * e * sin_deg(mp + m) +
                   0.00862 * sin_deg(2 * mp) + 0.00804 * sin_deg(2 * f) + 0.00454 * e * sin_deg(mp - m) +
                   0.00204 * e * e * sin_deg(2 * m) - 0.00180 * sin_deg(mp - 2 * f) - 0.00070 * sin_deg(mp + 2 * f) -
                   0.00040 * sin_deg(3 * mp) - 0.00034 * e * sin_deg(2 * mp - m) + 0.00032 * e * sin_deg(m + 2 * f) +
                   0.00032 * e * sin_deg(m - 2 * f) - 0.00028 * e * e * sin_deg(mp + 2 * m) +
                   0.00027 * e * sin_deg(2 * mp + m) - 0.00017 * sin_deg(a.omega) - 0.00005 * sin_deg(mp - m - 2 * f) +
                   0.00004 * sin_deg(2 * mp + 2 * f) - 0.00004 * sin_deg(mp + m + 2 * f) + 0.00004 * sin_deg(mp - 2 * m) +
                   0.00003 * sin_deg(mp + m - 2 * f) + 0.00003 * sin_deg(3 * m) + 0.00002 * sin_deg(2 * mp - 2 * f) +
                   0.00002 * sin_deg(mp - m + 2 * f) - 0.00002 * sin_deg(3 * mp + m);
  const double w = 0.00306 - 0.00038 * e * cos_deg(m) + 0.00026 * cos_deg(mp) - 0.00002 * cos_deg(mp - m) +
                   0.00002 * cos_deg(mp + m) + 0.00002 * cos_deg(2 * f);
  return c + (first ? w : -w);
}

/// The planetary arguments' terms, common to all phases.
double planetary_correction(double k, double t) {
  struct tterm {
    double a0, rate, coefficient;
  };
  static constexpr std::array<tterm, 13> kTerms{{{251.88, 0.016321, 0.000165},
                                                 {251.83, 26.651886, 0.000164},
                                                 {349.42, 36.412478, 0.000126},
                                                 {84.66, 18.206239, 0.000110},
                                                 {141.74, 53.303771, 0.000062},
                                                 {201.14, 2.453732, 0.000060},
                                                 {154.84, 7.30686, 0.000056},
                                                 {34.52, 27.261239, 0.000047},
                                                 {207.19, 0.121824, 0.000042},
                                                 {291.34, 1.844379, 0.000040},
                                                 {161.72, 24.198154, 0.000037},
                                                 {239.56, 25.513099, 0.000035},
                                                 {331.55, 3.592518, 0.000023}}};
  double sum = 0.000325 * sin_deg(299.77 + 0.107408 * k - 0.009173 * t * t);
  for (const tterm& term : kTerms) sum += term.coefficient * sin_deg(term.a0 + term.rate * k);
  return sum;
}

}  // namespace

double phase_jde(double k) {
  const telements a = elements(k);
  const double t2 = a.t * a.t;
  const double mean = 2451550.09765 + 29.530588853 * k + 0.0001337 * t2 - 0.00000015 * t2 * a.t +
                      0.00000000073 * t2 * t2;
  const double fraction = k - std::floor(k);
  double correction = 0.0;
  if (fraction < 0.125 || fraction > 0.875) {
    correction = syzygy_correction(a, false);
  } else if (fraction < 0.375) {
    correction = quarter_correction(a, true);
  } else if (fraction < 0.625) {
    correction = syzygy_correction(a, true);
  } else {
    correction = quarter_correction(a, false);
  }
  return mean + correction + planetary_correction(k, a.t);
}

double PhaseTime(int phase, double year, int n) {
  return phase_jde(std::floor(12.3685 * (year - 2000.0)) + 0.25 * (phase & 3) + n);
}

double MoonAge(const tzeitort& z) {
  const double jde = jd_from_mjd(z.mjd) + z.delta_t / 86400.0;
  const double year = 2000.0 + (jde - kJ2000) / 365.25;
  // From a lunation surely after the instant down to the first one before it.
  double new_moon = PhaseTime(neumond, year, 2);
  for (int n = 1; n >= -2 && new_moon > jde; --n) new_moon = PhaseTime(neumond, year, n);
  return jde - new_moon;
}

}  // namespace sdro
