// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluation of the VSOP87 D series: heliocentric spherical coordinates of a
// planet (or the Earth) referred to the mean dynamical ecliptic and equinox
// of date, with their time derivatives and the rectangular state formed
// from them.
//
// Accuracy: that of VSOP87 D itself when every term is kept (1" over 4000
// years around J2000 for Mercury to Mars, 2000 years for Jupiter and Saturn,
// 6000 years for Uranus and Neptune, by the authors' comparison); truncated
// sums are described in libs/README.md. Routines never throw and return finite
// values for every finite time argument within +/-100 centuries.
#pragma once

#include "libs/vsop87/vsop87_tables.h"

namespace sdro::vsop87 {

/// Days per thousand Julian years: the unit of tau.
inline constexpr double days_per_millennium = 365250.0;

/// Longitude, latitude (rad) and radius vector (AU), and their rates (rad
/// and AU per thousand Julian years) when they were asked for, else 0.
struct Spherical {
  double longitude;
  double latitude;
  double radius;
  double longitude_rate;
  double latitude_rate;
  double radius_rate;
};

/// Rectangular heliocentric position (AU) and velocity (AU per day),
/// mean dynamical ecliptic and equinox of date.
struct Rectangular {
  double x, y, z;
  double vx, vy, vz;
};

/// The number of leading terms of a series whose |amplitude| is at least
/// min_amplitude (the tables are sorted by decreasing amplitude).
std::size_t kept_terms(const Series& series, double min_amplitude);

/// Evaluates the three coordinates of the body at tau (thousands of Julian
/// years of TDB from J2000.0), keeping the terms with |amplitude| >=
/// min_amplitude (0 keeps all). The longitude is not reduced to one turn.
Spherical evaluate(const Body& body, double tau, double min_amplitude, bool with_rates);

/// The libraries' form: T in Julian centuries of TDB from J2000.0 (bounded
/// by theory::bounded_centuries) and the precision argument of the
/// libraries (theory::amplitude_threshold).
Spherical evaluate_centuries(const Body& body, double T, double precision, bool with_rates);

/// Rectangular state from a Spherical evaluated with rates.
Rectangular to_rectangular(const Spherical& s);

}  // namespace sdro::vsop87
