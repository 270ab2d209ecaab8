// Record types of the coefficient tables: the own planetary and solar
// perturbation series, the lunar series, the Pluto fit and the lunar physical
// libration. The tables themselves are generated into ephem/tables/ by
// tools/ephem/make_series_tables.py from the published rows; nothing here
// computes anything.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace sdro {

// ---------------------------------------------------------------------------
// Planetary and solar perturbation series
// ---------------------------------------------------------------------------

/// Index of a mean anomaly inside one planetary routine: 1..9 the planets in
/// heliocentric order (3 the Earth), 10..12 the lunar arguments D, l and F
/// that only the solar routine uses.
enum tanomaly : int {
  anomaly_none = 0,
  anomaly_elongation = 10,     ///< D, the Moon's mean elongation from the Sun
  anomaly_moon_anomaly = 11,   ///< l, the Moon's mean anomaly
  anomaly_moon_latitude = 12,  ///< F, the Moon's mean argument of latitude
};
inline constexpr int kAnomalyCount = 13;
/// Largest multiple of a mean anomaly any row of the series needs.
inline constexpr int kMaxMultiple = 16;

/// Mean anomaly M = 2π·frac(m0 + m1·T), m0 in revolutions, m1 in revolutions
/// per Julian century; max_multiple is the largest |k| of k·M the rows use.
struct tmeananomaly {
  double m0 = 0.0;
  double m1 = 0.0;
  int max_multiple = 0;  ///< 0: the routine does not use this anomaly
};

/// One row: the argument is u = i1·M_self + i·M_perturber (+ the group's phase).
/// it = 0 starts a new argument; it = 1, 2, 3 multiply the previous row's
/// cos u, sin u by T once more. dl, db in arcseconds; dr in the routine's unit.
struct tseriesterm {
  int i1;
  int i;
  int it;
  double dlc, dls, drc, drs, dbc, dbs;
};

/// One perturbation group (one perturbing body, or a fixed combination).
struct tseriesgroup {
  std::string_view perturber;   ///< name of the perturbing body (or bodies)
  int perturber_anomaly;        ///< tanomaly index multiplied by i
  int phase_anomaly;            ///< anomaly added phase_multiplier times to every argument (0: none)
  int phase_multiplier;
  int i1_min, i1_max, i_min, i_max;  ///< published loop bounds of the group
  std::span<const tseriesterm> terms;
};

enum textrakind : int {
  extra_periodic = 0,     ///< u = 2π·(phase + rate·T)
  extra_combination = 1,  ///< u = Σ k[j]·M_j with the routine's anomalies
};

/// Long-period and combination terms that are not rows of a group:
/// dl += (dlc + dlc_t·T)·cos u + (dls + dls_t·T)·sin u (arcseconds),
/// dr += drc·cos u + drs·sin u (routine's unit), db += dbc·cos u + dbs·sin u.
struct textraterm {
  textrakind kind;
  std::array<int, kAnomalyCount> k;  ///< multipliers (combination terms)
  double phase;                      ///< revolutions (periodic terms)
  double rate;                       ///< revolutions per century (periodic terms)
  double dlc, dls, dlc_t, dls_t, drc, drs, dbc, dbs;
};

/// A complete planetary (or solar) routine: its anomalies, groups, extra terms
/// and the final assembly
///   L = 360·frac(l0 + M_self/2π + ((l1 + l2·T)·T + dl)/1296000) degrees,
///   dl including dl_c0 + dl_c1·T + dl_c2·T²,
///   R = r0 + r1·T + r2·T² + dr·dr_unit AU,
///   B = (b0 + b1·T + b2·T² + db)/3600 degrees.
struct tplanetseries {
  std::string_view routine;
  int self_anomaly;
  std::array<tmeananomaly, kAnomalyCount> anomalies;
  std::span<const tseriesgroup> groups;
  std::span<const textraterm> extras;
  double l0;                       ///< revolutions
  double l1, l2;                   ///< arcseconds per century, per century²
  double dl_c0, dl_c1, dl_c2;      ///< arcseconds
  double r0, r1, r2;               ///< AU, AU per century, per century²
  double dr_unit;                  ///< AU per unit of dr
  double b0, b1, b2;               ///< arcseconds
};

// ---------------------------------------------------------------------------
// Lunar series
// ---------------------------------------------------------------------------

/// Solar perturbation row with the argument p·l + q·l' + r·F + s·D:
/// λ += coeff_l·sin, S += coeff_s·sin, γ1C += coeff_g·cos, sin π += coeff_p·cos
/// (all arcseconds).
struct tmoonsolarterm {
  double coeff_l, coeff_s, coeff_g, coeff_p;
  int p, q, r, s;
};

/// Latitude row N += coeff_n·sin(p·l + q·l' + r·F + s·D) (arcseconds).
struct tmoonlatitudeterm {
  double coeff_n;
  int p, q, r, s;
};

/// amplitude·sin 2π(phase + rate·T), phase in revolutions, rate per century.
struct tsineterm {
  double amplitude;
  double phase;
  double rate;
};

/// Mean element c0 + c1·T + c2·T² in revolutions.
struct tmeanelement {
  double c0, c1, c2;
};

/// Scale of the cos/sin of multiples of one lunar argument: fac = c0 + c1·T
/// (+ dgamma_multiplier·DGAM), multiples up to max_multiple.
struct tmultiplescale {
  int max_multiple;
  double c0, c1, dgamma_multiplier;
};

struct tmoonconstants {
  tmeanelement mean_l0, mean_l, mean_ls, mean_f, mean_d;
  tmultiplescale fac_l, fac_ls, fac_f, fac_d;
  double sinpi0;         ///< arcseconds, start of the parallax sum
  double beta_main;      ///< arcseconds
  double beta_main_add;  ///< arcseconds
  double beta_sin3s;     ///< arcseconds
  double facl_c0, facl_dgamma;
  double sinpi_scale;
  double arc;            ///< arcseconds per radian as the series uses it
};

// ---------------------------------------------------------------------------
// Pluto fit (heliocentric rectangular, equator and equinox J2000.0)
// ---------------------------------------------------------------------------

/// Cubic secular part of one coordinate, 1e-10 AU: a0 + a1·x + a2·x² + a3·x³.
struct tplutosecular {
  double a0, a1, a2, a3;
};

/// Fourier (power 0) or Poisson (power 1, 2) term, 1e-10 AU:
/// X += x^power·(cx·cos f + sx·sin f), f = freq·(days from the middle).
struct tplutoterm {
  int power;
  double freq;  ///< radians per day
  double cx, sx, cy, sy, cz, sz;
};

// ---------------------------------------------------------------------------
// Lunar physical libration
// ---------------------------------------------------------------------------

/// coeff·fn(d·D + m·M + mp·M' + f·F + om·Ω + k1·K1 + k2·K2)·E^e_power, degrees.
struct tlibrationterm {
  double coeff;
  bool is_sine;
  int d, m, mp, f, om, k1, k2;
  int e_power;
};

}  // namespace sdro
