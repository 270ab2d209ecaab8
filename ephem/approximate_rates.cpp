// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/approximate_rates.h"

#include <cmath>

#include "astro/angles.h"

namespace sdro {
namespace {

struct tanomalyrow {
  double m0, m1;  // revolutions, revolutions per century
};

// Mean anomalies by planet number 1..9 (3: the Earth's, for the Sun).
constexpr tanomalyrow kAnomalies[10] = {
    {0, 0},
    {0.4855407, 415.2014314}, {0.1400197, 162.5494552}, {0.9931266, 99.9973604},
    {0.0538553, 53.1662736},  {0.0565314, 8.4302963},   {0.8829867, 3.3947688},
    {0.3967117, 1.1902849},   {0.7214906, 0.6068526},   {0.0385795, 0.4026667},
};

}  // namespace

trates approximate_rates(int n, double t) {
  if (n < 1 || n > 9) return {};
  const double m = kTwoPi * frac_positive(kAnomalies[n].m0 + kAnomalies[n].m1 * t);
  const double c1 = std::cos(m), s1 = std::sin(m);
  const double c2 = std::cos(2 * m), s2 = std::sin(2 * m);
  const double c3 = std::cos(3 * m), s3 = std::sin(3 * m);
  const double c4 = std::cos(4 * m), s4 = std::sin(4 * m);
  switch (n) {
    case 1:
      return {714.0 + 292.66 * c1 + 71.96 * c2 + 18.16 * c3 + 4.61 * c4 + 3.81 * s2 + 2.43 * s3 +
                  1.08 * s4,
              55.94 * s1 + 11.36 * s2 + 2.6 * s3,
              73.4 * c1 + 29.82 * c2 + 10.22 * c3 + 3.28 * c4 - 40.44 * s1 - 16.55 * s2 -
                  5.56 * s3 - 1.72 * s4};
    case 2: return {280.0 + 3.79 * c1, 1.37 * s1, 9.54 * c1 - 13.57 * s1};
    // The Sun: L̇ = n(1 + 2e cos M), Ṙ = a·e·n·sin M (cos and sin are not
    // exchangeable here: the longitude rate peaks at perihelion).
    case 3: return {172.0 + 5.75 * c1, 2.87 * s1, 0.0};
    // Ṙ of an ellipse has sine terms only: the second term is sin 2M.
    case 4: return {91.5 + 17.07 * c1 + 2.03 * c2, 12.98 * s1 + 1.21 * s2, 0.83 * c1 + 2.8 * s1};
    case 5: return {14.5 + 1.41 * c1, 3.66 * s1, 0.33 * s1};
    case 6: return {5.84 + 0.65 * c1, 3.09 * s1, 0.24 * c1};
    case 7: return {2.05 + 0.19 * c1, 1.86 * s1, -0.03 * s1};
    case 8: return {1.04 + 0.02 * c1, 0.27 * s1, 0.03 * s1};
    default:
      return {0.69 + 0.34 * c1 + 0.12 * c2 + 0.05 * c3, 6.66 * s1 + 1.64 * s2,
              -0.08 * c1 - 0.17 * s1 - 0.09 * s2};
  }
}

tvektor velocity_from_rates(double r, double b, double l, const trates& q) {
  const double cb = cos_deg(b), sb = sin_deg(b);
  const double cl = cos_deg(l), sl = sin_deg(l);
  const double rd = q.r_dot * 1e-4, ld = q.l_dot * 1e-4, bd = q.b_dot * 1e-4;
  return {rd * cb * cl - r * ld * cb * sl - r * bd * sb * cl,
          rd * cb * sl + r * ld * cb * cl - r * bd * sb * sl,
          rd * sb + r * bd * cb};
}

}  // namespace sdro
