// SPDX-License-Identifier: GPL-3.0-or-later
// lunatheo stand-in: takes the place of the outside lunar theory library
// with the same two functions. It evaluates the ELP/MPP02 solution (the
// successor of ELP-2000/82B, same frame and form) and identifies itself
// with 17. See README.md in this folder.
#include "libs/common/theory_precision.h"
#include "libs/lunatheo/elpmpp02.h"
#include "libs/lunatheo/lunatheo.h"

extern "C" {

int32_t ping_elp(void) { return 17; }

void ELP82B(double jd, double* x, double* y, double* z, double precision) {
  const sdro::elp::MoonVector m = sdro::elp::moon_j2000_for_jd(jd, precision);
  sdro::theory::store(x, m.x);
  sdro::theory::store(y, m.y);
  sdro::theory::store(z, m.z);
}

}  // extern "C"
