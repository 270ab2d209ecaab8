// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/perturbation_series.h"

#include <array>
#include <cmath>

#include "astro/angles.h"

namespace sdro {

void tmultiples::fill(double m, int max) {
  if (max < 0) max = 0;
  if (max > kMaxMultiple) max = kMaxMultiple;
  c_[0] = 1.0;
  s_[0] = 0.0;
  if (max == 0) return;
  const double c1 = std::cos(m);
  const double s1 = std::sin(m);
  c_[1] = c1;
  s_[1] = s1;
  for (int k = 2; k <= max; ++k) {
    c_[k] = c_[k - 1] * c1 - s_[k - 1] * s1;
    s_[k] = s_[k - 1] * c1 + c_[k - 1] * s1;
  }
}

namespace {

struct tsums {
  double dl = 0.0;
  double dr = 0.0;
  double db = 0.0;
};

/// Mean anomaly of a routine in radians.
double mean_anomaly(const tmeananomaly& a, double t) {
  return kTwoPi * frac_positive(a.m0 + a.m1 * t);
}

void add_group(const tseriesgroup& g, const tmultiples& self, const tmultiples& pert,
               const tmultiples* phase, int phase_multiplier, double t, tsums& sum) {
  const double pc = phase != nullptr ? phase->cos_k(phase_multiplier) : 1.0;
  const double ps = phase != nullptr ? phase->sin_k(phase_multiplier) : 0.0;
  double u = 0.0;
  double v = 0.0;
  for (const tseriesterm& row : g.terms) {
    if (row.it == 0) {
      // exp(i·(i1·M_self + i·M_pert)) times the group's fixed phase.
      const double cu = self.cos_k(row.i1) * pert.cos_k(row.i) - self.sin_k(row.i1) * pert.sin_k(row.i);
      const double su = self.sin_k(row.i1) * pert.cos_k(row.i) + self.cos_k(row.i1) * pert.sin_k(row.i);
      u = cu * pc - su * ps;
      v = su * pc + cu * ps;
    } else {
      u *= t;
      v *= t;
    }
    sum.dl += row.dlc * u + row.dls * v;
    sum.dr += row.drc * u + row.drs * v;
    sum.db += row.dbc * u + row.dbs * v;
  }
}

void add_extra(const textraterm& e, const std::array<double, kAnomalyCount>& m, double t,
               tsums& sum) {
  double u = 0.0;
  if (e.kind == extra_periodic) {
    u = kTwoPi * (e.phase + e.rate * t);
  } else {
    for (int j = 0; j < kAnomalyCount; ++j) u += e.k[j] * m[j];
  }
  const double cu = std::cos(u);
  const double su = std::sin(u);
  sum.dl += (e.dlc + e.dlc_t * t) * cu + (e.dls + e.dls_t * t) * su;
  sum.dr += e.drc * cu + e.drs * su;
  sum.db += e.dbc * cu + e.dbs * su;
}

}  // namespace

tseriesposition evaluate_planet_series(const tplanetseries& s, double t) {
  std::array<double, kAnomalyCount> m{};
  std::array<tmultiples, kAnomalyCount> mult;
  for (int j = 1; j < kAnomalyCount; ++j) {
    const tmeananomaly& a = s.anomalies[j];
    if (a.m0 == 0.0 && a.m1 == 0.0) continue;
    m[j] = mean_anomaly(a, t);
    mult[j].fill(m[j], a.max_multiple);
  }
  tsums sum;
  for (const tseriesgroup& g : s.groups) {
    const tmultiples* phase = g.phase_anomaly > 0 ? &mult[g.phase_anomaly] : nullptr;
    add_group(g, mult[s.self_anomaly], mult[g.perturber_anomaly], phase, g.phase_multiplier, t,
              sum);
  }
  for (const textraterm& e : s.extras) add_extra(e, m, t, sum);
  sum.dl += s.dl_c0 + (s.dl_c1 + s.dl_c2 * t) * t;

  tseriesposition p;
  p.l = 360.0 * frac_positive(s.l0 + m[s.self_anomaly] / kTwoPi +
                              ((s.l1 + s.l2 * t) * t + sum.dl) / 1296000.0);
  p.r = s.r0 + (s.r1 + s.r2 * t) * t + sum.dr * s.dr_unit;
  p.b = (s.b0 + (s.b1 + s.b2 * t) * t + sum.db) / 3600.0;
  return p;
}

}  // namespace sdro
