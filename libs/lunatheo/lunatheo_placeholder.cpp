// SPDX-License-Identifier: GPL-3.0-or-later
// lunatheo placeholder: identifies itself with 0, so the main program
// never uses it and stays on its own lunar series. Should ELP82B be called
// all the same, it answers a fixed vector: the mean distance along the
// x axis.
#include "libs/common/theory_precision.h"
#include "libs/lunatheo/lunatheo.h"

extern "C" {

int32_t ping_elp(void) { return 0; }

void ELP82B(double, double* x, double* y, double* z, double) {
  sdro::theory::store(x, 384400.0);
  sdro::theory::store(y, 0.0);
  sdro::theory::store(z, 0.0);
}

}  // extern "C"
