// SPDX-License-Identifier: GPL-3.0-or-later
// plantheoc: heliocentric rectangular coordinates and velocities of
// Mercury to Neptune and the Earth, mean dynamical ecliptic and equinox of
// date. Identification 113.
//
// The rectangular state is formed from the VSOP87 D series (the C series
// are not carried here) and their analytic time derivatives: both versions
// of the theory refer to the same frame, so the positions are those of
// VSOP87 C to the accuracy of the series.
#include "libs/common/theory_precision.h"
#include "libs/theory_libraries.h"
#include "libs/vsop87/vsop87_evaluate.h"

namespace {

using sdro::theory::store;
namespace vsop87 = sdro::vsop87;

void heliocentric(const vsop87::Body& body, double T, double* x, double* y, double* z, double* vx, double* vy,
                  double* vz, double precision) {
  const vsop87::Rectangular r = vsop87::to_rectangular(vsop87::evaluate_centuries(body, T, precision, true));
  store(x, r.x);
  store(y, r.y);
  store(z, r.z);
  store(vx, r.vx);
  store(vy, r.vy);
  store(vz, r.vz);
}

}  // namespace

extern "C" {

void vsopcsun(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz, double precision) {
  heliocentric(vsop87::earth, T, x, y, z, vx, vy, vz, precision);
}

void vsop_c_jup(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz, double precision) {
  heliocentric(vsop87::jupiter, T, x, y, z, vx, vy, vz, precision);
}

void vsop_c_mar(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz, double precision) {
  heliocentric(vsop87::mars, T, x, y, z, vx, vy, vz, precision);
}

void vsop_c_mer(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz, double precision) {
  heliocentric(vsop87::mercury, T, x, y, z, vx, vy, vz, precision);
}

void vsop_c_nep(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz, double precision) {
  heliocentric(vsop87::neptune, T, x, y, z, vx, vy, vz, precision);
}

void vsop_c_sat(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz, double precision) {
  heliocentric(vsop87::saturn, T, x, y, z, vx, vy, vz, precision);
}

void vsop_c_ura(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz, double precision) {
  heliocentric(vsop87::uranus, T, x, y, z, vx, vy, vz, precision);
}

void vsop_c_ven(double T, double* x, double* y, double* z, double* vx, double* vy, double* vz, double precision) {
  heliocentric(vsop87::venus, T, x, y, z, vx, vy, vz, precision);
}

int32_t ping_c(void) { return 113; }

}  // extern "C"
