// Positions per second of the theory libraries through their exports: the
// complete series (precision -1) and the truncations good to 1" (precision
// 8 for the planets, good to 0.1" heliocentric and 0.25" geocentric over
// 1900-2100; precision 7 for the Moon, good to 0.8" and 0.9 km), and
// precision 10, the reduced accuracy of the numerical integration.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "libs/theory_libraries.h"

namespace {

using Spherical = void (*)(double, double*, double*, double*, double);
using Rectangular = void (*)(double, double*, double*, double*, double*, double*, double*, double);

constexpr Spherical spherical[] = {vsopmerkur_hel, vsopvenus_hel, vsopsun_l,      vsopmars_hel,
                                   vsopjupiter_hel, vsopsaturn_hel, vsopuranus_hel, vsopneptun_hel};
constexpr Rectangular rectangular[] = {vsop_c_mer, vsop_c_ven, vsopcsun,   vsop_c_mar,
                                       vsop_c_jup, vsop_c_sat, vsop_c_ura, vsop_c_nep};

// One position of each of the eight bodies per iteration; items = positions.
void BM_plantheod(benchmark::State& state) {
  const double precision = static_cast<double>(state.range(0));
  double T = 0.23, L = 0, B = 0, R = 0;
  for (auto _ : state) {
    for (Spherical f : spherical) {
      f(T, &L, &B, &R, precision);
      benchmark::DoNotOptimize(L + B + R);
    }
    T += 1e-5;
  }
  state.SetItemsProcessed(state.iterations() * 8);
}
BENCHMARK(BM_plantheod)->Arg(-1)->Arg(10)->Arg(8)->Arg(7);

void BM_plantheoc(benchmark::State& state) {
  const double precision = static_cast<double>(state.range(0));
  double T = 0.23, x = 0, y = 0, z = 0, vx = 0, vy = 0, vz = 0;
  for (auto _ : state) {
    for (Rectangular f : rectangular) {
      f(T, &x, &y, &z, &vx, &vy, &vz, precision);
      benchmark::DoNotOptimize(x + y + z + vx + vy + vz);
    }
    T += 1e-5;
  }
  state.SetItemsProcessed(state.iterations() * 8);
}
BENCHMARK(BM_plantheoc)->Arg(-1)->Arg(10)->Arg(8)->Arg(7);

void BM_lunatheo(benchmark::State& state) {
  const double precision = static_cast<double>(state.range(0));
  double jd = 2460000.5, x = 0, y = 0, z = 0;
  for (auto _ : state) {
    ELP82B(jd, &x, &y, &z, precision);
    benchmark::DoNotOptimize(x + y + z);
    jd += 0.37;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_lunatheo)->Arg(-1)->Arg(7);

}  // namespace
