// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/pluto_fit.h"

#include <cmath>

#include "ephem/tables/pluto_fit_series.h"

namespace sdro {

tplutostate pluto_fit_equatorial_j2000(double jd) {
  using namespace tables;
  constexpr double kSpan = kPlutoFitLastJd - kPlutoFitFirstJd;  // 146120 days
  constexpr double kDxDt = 2.0 / kSpan;                          // dx per day
  constexpr double kUnit = 1e-10;                                // AU per table unit
  const double x = 2.0 * (jd - kPlutoFitFirstJd) / kSpan - 1.0;
  const double days = x * kSpan / 2.0;  // from the middle of the interval

  double p[3];
  double v[3];
  for (int k = 0; k < 3; ++k) {
    const tplutosecular& s = kPlutoFitSecular[k];
    p[k] = s.a0 + x * (s.a1 + x * (s.a2 + x * s.a3));
    v[k] = (s.a1 + x * (2.0 * s.a2 + 3.0 * x * s.a3)) * kDxDt;
  }
  for (const tplutoterm& term : kPlutoFitTerms) {
    const double f = term.freq * days;
    const double cf = std::cos(f);
    const double sf = std::sin(f);
    const double xp = term.power == 0 ? 1.0 : (term.power == 1 ? x : x * x);
    const double dxp = term.power == 0 ? 0.0 : (term.power == 1 ? 1.0 : 2.0 * x) * kDxDt;
    const double c[3] = {term.cx, term.cy, term.cz};
    const double s[3] = {term.sx, term.sy, term.sz};
    for (int k = 0; k < 3; ++k) {
      const double wave = c[k] * cf + s[k] * sf;
      p[k] += xp * wave;
      v[k] += xp * term.freq * (s[k] * cf - c[k] * sf) + dxp * wave;
    }
  }
  tplutostate st;
  st.position = {p[0] * kUnit, p[1] * kUnit, p[2] * kUnit};
  st.velocity = {v[0] * kUnit, v[1] * kUnit, v[2] * kUnit};
  return st;
}

}  // namespace sdro
