// Micro-benchmarks of the foundation routines used in every per-star loop.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "astro/angles.h"
#include "astro/vector.h"

namespace {

void BM_atan2_deg(benchmark::State& state) {
  double x = 0.3;
  for (auto _ : state) {
    benchmark::DoNotOptimize(sdro::atan2_deg(x, 0.7));
    x += 1e-9;
  }
}
BENCHMARK(BM_atan2_deg);

void BM_cartesian_to_polar(benchmark::State& state) {
  sdro::tvektor v{0.3, -0.5, 0.2};
  for (auto _ : state) {
    benchmark::DoNotOptimize(sdro::cartesian_to_polar(v));
    v.x += 1e-9;
  }
}
BENCHMARK(BM_cartesian_to_polar);

}  // namespace
