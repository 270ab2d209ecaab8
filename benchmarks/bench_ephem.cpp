// The solar-system part of one chart cycle: the apparent places of the ten
// bodies at one instant with each planetary theory (and the lunar library),
// their physical ephemerides, and a year of daily positions (what a track or
// a search asks for: ten bodies, 365 days, with a place).
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "astro/bodies.h"
#include "ephem/body_positions.h"
#include "ephem/ephemeris_row.h"
#include "ephem/physical_inputs.h"
#include "ephem/sun_moon.h"
#include "ephem/theory_libraries.h"

namespace {

using namespace sdro;

ttheoriewahl selection(std::uint8_t theory, bool elp) {
  const tlibraryusability u = identify_theory_libraries();
  ttheoriewahl request;
  request.planet_theory = theory;
  request.lunar_library = elp ? 1 : 0;
  return accepted_theory(request, u);
}

/// Sun, Mercury … Pluto and the Moon at t, as the chart's recompute does.
double all_bodies(const ttheoriewahl& sel, double t) {
  const tplanetposition sun = sun_geocentric(sel, -1, t);
  double sum = sun_apparent(sel, -1, t).ra;
  for (int body = merkur; body <= mond; ++body) sum += body_apparent(body, sel, -1, t, sun, true).ra;
  return sum;
}

void ten_bodies(benchmark::State& state, std::uint8_t theory, bool elp) {
  const ttheoriewahl sel = selection(theory, elp);
  if (sel.planet_theory != theory) {
    state.SkipWithError("theory library not usable");
    return;
  }
  double t = 0.24;
  for (auto _ : state) {
    benchmark::DoNotOptimize(all_bodies(sel, t));
    t += 1e-7;
  }
}
BENCHMARK_CAPTURE(ten_bodies, own_series, theorie_eigen, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ten_bodies, vsop87d, theorie_vsop87d, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ten_bodies, vsop87d_elp, theorie_vsop87d, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ten_bodies, vsop87c, theorie_vsop87c, false)->Unit(benchmark::kMicrosecond);

void physical_ephemerides(benchmark::State& state) {
  const ttheoriewahl sel = selection(theorie_eigen, false);
  const double t = 0.24;
  const tplanetposition sun = sun_geocentric(sel, -1, t);
  const tbodyposition s = body_apparent(sonne, sel, -1, t, sun, true);
  tbodyposition bodies[kBodyCount];
  for (int b = 0; b < kBodyCount; ++b) bodies[b] = body_apparent(b, sel, -1, t, sun, true);
  for (auto _ : state) {
    double sum = 0.0;
    for (int b = sonne; b <= pluto; ++b) sum += planet_physical(physical_place(bodies[b], s, t)).magnitude;
    sum += moon_physical(moon_physical_place(bodies[mond], s, t, bodies[mond].distance)).magnitude;
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(physical_ephemerides)->Unit(benchmark::kMicrosecond);

void year_of_daily_positions(benchmark::State& state, std::uint8_t theory) {
  const ttheoriewahl sel = selection(theory, false);
  if (sel.planet_theory != theory) {
    state.SkipWithError("theory library not usable");
    return;
  }
  const tephemerisplace place{51.5, 0.1, 50.0};
  for (auto _ : state) {
    double sum = 0.0;
    for (int day = 0; day < 365; ++day)
      for (int body = sonne; body <= mond; ++body)
        sum += ephemeris_row(body, sel, 2460310.5 + day, 69.0, place).altitude;
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK_CAPTURE(year_of_daily_positions, own_series, theorie_eigen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(year_of_daily_positions, vsop87d, theorie_vsop87d)->Unit(benchmark::kMillisecond);

}  // namespace
