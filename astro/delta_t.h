// ΔT = TT − UT, the difference between dynamical and universal time.
//
// Piecewise model, with y = 2000 + (JD − 2451545)/365.25 and t = (y − 2000)/100:
//   y < 948:          2715.6 + 573.36 t + 46.5 t²
//   948 ≤ y < 1620:   50.6 + 67.5 t + 22.5 t²
//   1620 … last year of the table: linear interpolation in the yearly table
//                     (astro/delta_t_table.h; observed by the IERS from 1973 on)
//   up to 2150:       a cubic that continues the table's last value and trend
//                     smoothly into the long-term parabola
//   y ≥ 2150:         59.9 + 123.5 t + 32.5 t²
// Accuracy: about 0.1 s within the observed years, a few seconds for the
// years just after them; far from the present the formulae are estimates
// with errors of minutes to hours.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// ΔT in seconds for the instant JD (UT or TT: the difference does not matter).
double delta_t(double jd);

}  // namespace sdro
