// SPDX-License-Identifier: GPL-3.0-or-later
// plantheod: the VSOP87 D theory, heliocentric spherical coordinates of
// Mercury to Neptune and the geocentric Sun, mean dynamical ecliptic and
// equinox of date. Identification 112.
#include <cmath>
#include <numbers>

#include "libs/common/theory_precision.h"
#include "libs/theory_libraries.h"
#include "libs/vsop87/vsop87_evaluate.h"

namespace {

using sdro::theory::store;
namespace vsop87 = sdro::vsop87;

constexpr double degrees_per_radian = 180.0 / std::numbers::pi;

// Angle in radians (unreduced: the series' longitude grows by thousands of
// radians per millennium) to degrees in [0, 360), reduced before scaling.
double turn_degrees(double radians) {
  double d = std::fmod(radians, 2.0 * std::numbers::pi) * degrees_per_radian;
  if (d < 0.0) d += 360.0;
  return d >= 360.0 ? 0.0 : d + 0.0;
}

void write_spherical(double longitude, double latitude, double radius, double* L, double* B, double* R) {
  store(L, turn_degrees(longitude));
  store(B, latitude * degrees_per_radian);
  store(R, radius);
}

void heliocentric(const vsop87::Body& body, double T, double* L, double* B, double* R, double precision) {
  const vsop87::Spherical s = vsop87::evaluate_centuries(body, T, precision, false);
  write_spherical(s.longitude, s.latitude, s.radius, L, B, R);
}

}  // namespace

extern "C" {

void vsopmerkur_hel(double T, double* L, double* B, double* R, double precision) {
  heliocentric(vsop87::mercury, T, L, B, R, precision);
}

// The geometric geocentric Sun: the Earth seen from the Sun, reversed.
void vsopsun_l(double T, double* L, double* B, double* R, double precision) {
  const vsop87::Spherical e = vsop87::evaluate_centuries(vsop87::earth, T, precision, false);
  write_spherical(e.longitude + std::numbers::pi, -e.latitude, e.radius, L, B, R);
}

void vsopmars_hel(double T, double* L, double* B, double* R, double precision) {
  heliocentric(vsop87::mars, T, L, B, R, precision);
}

void vsopjupiter_hel(double T, double* L, double* B, double* R, double precision) {
  heliocentric(vsop87::jupiter, T, L, B, R, precision);
}

void vsopvenus_hel(double T, double* L, double* B, double* R, double precision) {
  heliocentric(vsop87::venus, T, L, B, R, precision);
}

void vsopsaturn_hel(double T, double* L, double* B, double* R, double precision) {
  heliocentric(vsop87::saturn, T, L, B, R, precision);
}

void vsopuranus_hel(double T, double* L, double* B, double* R, double precision) {
  heliocentric(vsop87::uranus, T, L, B, R, precision);
}

void vsopneptun_hel(double T, double* L, double* B, double* R, double precision) {
  heliocentric(vsop87::neptune, T, L, B, R, precision);
}

int32_t ping(void) { return 112; }

}  // extern "C"
