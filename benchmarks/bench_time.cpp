// Benchmarks of the per-instant update of the instant record and of the
// Kepler solvers that run once per minor body and chart.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "astro/derived_fields.h"
#include "astro/kepler.h"
#include "astro/orbits.h"

namespace {

void BM_update_derived_fields(benchmark::State& state) {
  sdro::tzeitort z;
  z.mjd = 60676.3;
  for (auto _ : state) {
    sdro::update_derived_fields(z, state.range(0) != 0);
    benchmark::DoNotOptimize(z.sidereal_time);
    z.mjd += 1e-3;
  }
}
BENCHMARK(BM_update_derived_fields)->Arg(0)->Arg(1);

// Eccentricity in millionths, mean anomaly swept over the whole orbit.
void BM_kepler_elliptic(benchmark::State& state) {
  const double e = static_cast<double>(state.range(0)) * 1e-6;
  double m = 0.001;
  for (auto _ : state) {
    benchmark::DoNotOptimize(sdro::kepler_elliptic(e, m));
    m += 7.31;
  }
}
BENCHMARK(BM_kepler_elliptic)->Arg(100000)->Arg(900000)->Arg(999000)->Arg(999999);

void BM_kepler_hyperbolic(benchmark::State& state) {
  const double e = 1.0 + static_cast<double>(state.range(0)) * 1e-6;
  double m = 1e-6;
  for (auto _ : state) {
    benchmark::DoNotOptimize(sdro::kepler_hyperbolic(e, m));
    m = m > 1e4 ? 1e-6 : m * 1.7;
  }
}
BENCHMARK(BM_kepler_hyperbolic)->Arg(1)->Arg(1000)->Arg(500000);

void BM_comet_orbit_state(benchmark::State& state) {
  const double e = static_cast<double>(state.range(0)) * 1e-6;
  double jd = 2460000.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(sdro::comet_orbit_state(0.9, e, 2460100.5, jd));
    jd += 3.7;
  }
}
BENCHMARK(BM_comet_orbit_state)->Arg(850000)->Arg(1000000)->Arg(1200000);

}  // namespace
