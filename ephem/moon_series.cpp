// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/moon_series.h"

#include <cmath>
#include <span>

#include "astro/angles.h"
#include "ephem/tables/moon_series.h"

namespace sdro {
namespace {

constexpr int kMaxLunarMultiple = 6;

/// cos and sin of k·X for k = −max..max, each multiple carrying fac^|k|, as
/// the series is built (the scale absorbs the eccentricity and inclination
/// changes of the arguments).
struct tscaledmultiples {
  double c[2 * kMaxLunarMultiple + 1] = {};
  double s[2 * kMaxLunarMultiple + 1] = {};
  void fill(double x, double fac, int max) {
    if (max > kMaxLunarMultiple) max = kMaxLunarMultiple;
    c[kMaxLunarMultiple] = 1.0;
    s[kMaxLunarMultiple] = 0.0;
    const double c1 = std::cos(x) * fac;
    const double s1 = std::sin(x) * fac;
    double ck = 1.0;
    double sk = 0.0;
    for (int k = 1; k <= max; ++k) {
      const double cn = ck * c1 - sk * s1;
      sk = sk * c1 + ck * s1;
      ck = cn;
      c[kMaxLunarMultiple + k] = ck;
      s[kMaxLunarMultiple + k] = sk;
      c[kMaxLunarMultiple - k] = ck;
      s[kMaxLunarMultiple - k] = -sk;
    }
  }
};

struct tlunararguments {
  tscaledmultiples l, ls, f, d;
  /// cos and sin of p·l + q·l' + r·F + s·D.
  void term(int p, int q, int r, int s, double& x, double& y) const {
    x = 1.0;
    y = 0.0;
    const tscaledmultiples* m[4] = {&l, &ls, &f, &d};
    const int k[4] = {p, q, r, s};
    for (int j = 0; j < 4; ++j) {
      if (k[j] == 0) continue;
      const double cj = m[j]->c[kMaxLunarMultiple + k[j]];
      const double sj = m[j]->s[kMaxLunarMultiple + k[j]];
      const double xn = x * cj - y * sj;
      y = y * cj + x * sj;
      x = xn;
    }
  }
};

double sine_rev(double phase, double rate, double t) {
  return std::sin(kTwoPi * frac_positive(phase + rate * t));
}

double sum_sines(std::span<const tsineterm> terms, double t) {
  double sum = 0.0;
  for (const tsineterm& s : terms) sum += s.amplitude * sine_rev(s.phase, s.rate, t);
  return sum;
}

double mean_element(const tmeanelement& e, double t) {
  return kTwoPi * frac_positive(e.c0 + (e.c1 + e.c2 * t) * t);
}

double scale(const tmultiplescale& f, double t, double dgam) {
  return f.c0 + f.c1 * t + f.dgamma_multiplier * dgam;
}

}  // namespace

tmoonposition moon_series_geocentric(double t) {
  using namespace tables;
  const tmoonconstants& k = kMoonConstants;

  // Long-periodic changes of the mean elements (arcseconds).
  double sarg[7];
  for (int j = 0; j < 7; ++j)
    sarg[j] = sine_rev(kMoonLongPeriodicArguments[j].phase, kMoonLongPeriodicArguments[j].rate, t);
  auto combine = [&](const double* c) {
    double v = 0.0;
    for (int j = 0; j < 7; ++j) v += c[j] * sarg[j];
    return v;
  };
  const double dl0 = combine(kMoonLongPeriodicL0);
  const double dl = combine(kMoonLongPeriodicL);
  const double dls = combine(kMoonLongPeriodicLs);
  const double df = combine(kMoonLongPeriodicF);
  const double dd = dl0 - dls;
  const double dgam = sum_sines(kMoonDgammaTerms, t);

  const double l0 = mean_element(k.mean_l0, t) + dl0 / k.arc;
  const double l = mean_element(k.mean_l, t) + dl / k.arc;
  const double ls = mean_element(k.mean_ls, t) + dls / k.arc;
  const double f = mean_element(k.mean_f, t) + df / k.arc;
  const double d = mean_element(k.mean_d, t) + dd / k.arc;

  tlunararguments a;
  a.l.fill(l, scale(k.fac_l, t, dgam), k.fac_l.max_multiple);
  a.ls.fill(ls, scale(k.fac_ls, t, dgam), k.fac_ls.max_multiple);
  a.f.fill(f, scale(k.fac_f, t, dgam), k.fac_f.max_multiple);
  a.d.fill(d, scale(k.fac_d, t, dgam), k.fac_d.max_multiple);

  double dlam = 0.0, ds = 0.0, gam1c = 0.0, sinpi = k.sinpi0;
  for (std::span<const tmoonsolarterm> group : kMoonSolarGroups) {
    for (const tmoonsolarterm& r : group) {
      double x, y;
      a.term(r.p, r.q, r.r, r.s, x, y);
      dlam += r.coeff_l * y;
      ds += r.coeff_s * y;
      gam1c += r.coeff_g * x;
      sinpi += r.coeff_p * x;
    }
  }
  double n = 0.0;
  for (const tmoonlatitudeterm& r : kMoonLatitudeTerms) {
    double x, y;
    a.term(r.p, r.q, r.r, r.s, x, y);
    n += r.coeff_n * y;
  }
  dlam += sum_sines(kMoonPlanetaryTerms, t);

  tmoonposition m;
  m.lambda = 360.0 * frac_positive((l0 + dlam / k.arc) / kTwoPi);
  const double s = f + ds / k.arc;
  const double facl = k.facl_c0 + k.facl_dgamma * dgam;
  m.beta = (facl * (k.beta_main + k.beta_main_add + gam1c) * std::sin(s) +
            k.beta_sin3s * std::sin(3.0 * s) + n) / 3600.0;
  sinpi *= k.sinpi_scale;
  m.distance = k.arc / sinpi;
  return m;
}

}  // namespace sdro
