// SPDX-License-Identifier: GPL-3.0-or-later
// plantheoc placeholder: identifies itself with 3, which the main program
// does not accept, and answers every body with x = 1, y = 1, z = 0,
// vx = 1e-5, vz = 1e-5 whatever T and the precision are; vy is not written
// and keeps the caller's value.
#include "libs/common/theory_precision.h"
#include "libs/theory_libraries.h"

namespace {

void fixed_answer(double* x, double* y, double* z, double* vx, double* vz) {
  sdro::theory::store(x, 1.0);
  sdro::theory::store(y, 1.0);
  sdro::theory::store(z, 0.0);
  sdro::theory::store(vx, 1e-5);
  sdro::theory::store(vz, 1e-5);
}

}  // namespace

extern "C" {

void vsopcsun(double, double* x, double* y, double* z, double* vx, double*, double* vz, double) {
  fixed_answer(x, y, z, vx, vz);
}
void vsop_c_jup(double, double* x, double* y, double* z, double* vx, double*, double* vz, double) {
  fixed_answer(x, y, z, vx, vz);
}
void vsop_c_mar(double, double* x, double* y, double* z, double* vx, double*, double* vz, double) {
  fixed_answer(x, y, z, vx, vz);
}
void vsop_c_mer(double, double* x, double* y, double* z, double* vx, double*, double* vz, double) {
  fixed_answer(x, y, z, vx, vz);
}
void vsop_c_nep(double, double* x, double* y, double* z, double* vx, double*, double* vz, double) {
  fixed_answer(x, y, z, vx, vz);
}
void vsop_c_sat(double, double* x, double* y, double* z, double* vx, double*, double* vz, double) {
  fixed_answer(x, y, z, vx, vz);
}
void vsop_c_ura(double, double* x, double* y, double* z, double* vx, double*, double* vz, double) {
  fixed_answer(x, y, z, vx, vz);
}
void vsop_c_ven(double, double* x, double* y, double* z, double* vx, double*, double* vz, double) {
  fixed_answer(x, y, z, vx, vz);
}
int32_t ping_c(void) { return 3; }

}  // extern "C"
