// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/planet_series.h"

#include <cmath>

#include "astro/angles.h"
#include "ephem/tables/jupiter_series.h"
#include "ephem/tables/mars_series.h"
#include "ephem/tables/mercury_series.h"
#include "ephem/tables/neptune_series.h"
#include "ephem/tables/pluto_series.h"
#include "ephem/tables/saturn_series.h"
#include "ephem/tables/sun_series.h"
#include "ephem/tables/uranus_series.h"
#include "ephem/tables/venus_series.h"

namespace sdro {

const tplanetseries* own_planet_series(int n) {
  switch (n) {
    case 1: return &tables::kMercurySeries;
    case 2: return &tables::kVenusSeries;
    case 3: return &tables::kSunSeries;
    case 4: return &tables::kMarsSeries;
    case 5: return &tables::kJupiterSeries;
    case 6: return &tables::kSaturnSeries;
    case 7: return &tables::kUranusSeries;
    case 8: return &tables::kNeptuneSeries;
    case 9: return &tables::kPlutoSeries;
    default: return nullptr;
  }
}

tseriesposition pluto_precess_from_b1950(const tseriesposition& p, double t) {
  const double tt = t + 0.5;  // centuries from 1950.0
  const double pi_small = 2.28e-4 * tt;
  const double pi_node = 3.044;
  const double pp = (0.0243764 + 5.39e-6 * tt) * tt;
  const double l = p.l * kDegToRad;
  const double b = p.b * kDegToRad;
  const double cb = std::cos(b);
  const double sb = std::sin(b);
  const double sl = std::sin(pi_node - l);
  const double cl = std::cos(pi_node - l);
  tseriesposition q = p;
  double sin_b = cb * std::sin(pi_small) * sl + std::cos(pi_small) * sb;
  if (sin_b > 1.0) sin_b = 1.0;
  if (sin_b < -1.0) sin_b = -1.0;
  q.b = std::asin(sin_b) * kRadToDeg;
  // Two-argument form: the half turn for cos B·cos(Π − L) ≤ 0 is built in.
  const double y = std::cos(pi_small) * cb * sl - std::sin(pi_small) * sb;
  const double x = cb * cl;
  q.l = normalize_degrees((pi_node + pp - std::atan2(y, x)) * kRadToDeg);
  return q;
}

tseriesposition sun_series_geocentric(double t) {
  return evaluate_planet_series(tables::kSunSeries, t);
}

tseriesposition own_series_heliocentric(int n, double t) {
  const tplanetseries* s = own_planet_series(n);
  if (s == nullptr) return {};
  const tseriesposition p = evaluate_planet_series(*s, t);
  return n == 9 ? pluto_precess_from_b1950(p, t) : p;
}

}  // namespace sdro
