// SPDX-License-Identifier: GPL-3.0-or-later
// plantheod placeholder: identifies itself with 3, which the main program
// does not accept, and answers every position with L = 0, B = 0, R = 2
// whatever T and the precision are.
#include "libs/common/theory_precision.h"
#include "libs/theory_libraries.h"

namespace {

void fixed_answer(double* L, double* B, double* R) {
  sdro::theory::store(L, 0.0);
  sdro::theory::store(B, 0.0);
  sdro::theory::store(R, 2.0);
}

}  // namespace

extern "C" {

void vsopmerkur_hel(double, double* L, double* B, double* R, double) { fixed_answer(L, B, R); }
void vsopsun_l(double, double* L, double* B, double* R, double) { fixed_answer(L, B, R); }
void vsopmars_hel(double, double* L, double* B, double* R, double) { fixed_answer(L, B, R); }
void vsopjupiter_hel(double, double* L, double* B, double* R, double) { fixed_answer(L, B, R); }
void vsopvenus_hel(double, double* L, double* B, double* R, double) { fixed_answer(L, B, R); }
void vsopsaturn_hel(double, double* L, double* B, double* R, double) { fixed_answer(L, B, R); }
void vsopuranus_hel(double, double* L, double* B, double* R, double) { fixed_answer(L, B, R); }
void vsopneptun_hel(double, double* L, double* B, double* R, double) { fixed_answer(L, B, R); }
int32_t ping(void) { return 3; }

}  // extern "C"
