// Rise, set and twilight: one day of the Sun with its twilights, of the
// Moon, of a planet and of a fixed place; the daily overview that is refilled
// after every recompute while it is shown; a year of the command-line table;
// the location list's load and search.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "astro/derived_fields.h"
#include "astro/instant.h"
#include "events/daily_overview.h"
#include "events/rise_set.h"
#include "events/riseset_table.h"
#include "places/location_table.h"

namespace {

using namespace sdro;

const triseset_context kKassel{2460480.0, 69.0, 51.19, -9.30, 2.0};

void BM_RiseSetSunWithTwilights(benchmark::State& state) {
  triseset_context c = kKassel;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RiseSetSunMoon({}, kDefaultReferenceAltitudes, 2, 5, c));
    c.jd += 1.0;
  }
}
BENCHMARK(BM_RiseSetSunWithTwilights)->Unit(benchmark::kMicrosecond);

void BM_RiseSetMoon(benchmark::State& state) {
  triseset_context c = kKassel;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RiseSetSunMoon({}, kDefaultReferenceAltitudes, 1, 1, c));
    c.jd += 1.0;
  }
}
BENCHMARK(BM_RiseSetMoon)->Unit(benchmark::kMicrosecond);

void BM_RiseSetPlanet(benchmark::State& state) {
  triseset_context c = kKassel;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RiseSetPlanet(kDefaultReferenceAltitudes, {}, 5, c));
    c.jd += 1.0;
  }
}
BENCHMARK(BM_RiseSetPlanet)->Unit(benchmark::kMicrosecond);

void BM_RiseSetFixed(benchmark::State& state) {
  triseset_context c = kKassel;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RiseSetFixed(kDefaultReferenceAltitudes, 88.79, 7.41, c));
    c.jd += 1.0;
  }
}
BENCHMARK(BM_RiseSetFixed)->Unit(benchmark::kMicrosecond);

void BM_DailyOverview(benchmark::State& state) {
  tzeitort z;
  z.day = 18;
  z.month = 6;
  z.year = 2024;
  z.local_time = 22.0;
  instant_from_civil(z);
  z.t = dynamical_centuries(z.mjd, z.delta_t);
  update_derived_fields(z, false);
  for (auto _ : state) benchmark::DoNotOptimize(daily_overview(z, {}, kDefaultReferenceAltitudes, azimutSued, true));
}
BENCHMARK(BM_DailyOverview)->Unit(benchmark::kMillisecond);

void BM_RisesetTableYearOfTwilights(benchmark::State& state) {
  triseset_request q;
  q.subject = {triseset_subject::twilight, 0};
  q.from_year = q.to_year = 2024;
  q.to_month = 12;
  q.to_day = 31;
  q.latitude = 51.19;
  q.longitude = -9.30;
  q.zone = 1.0;
  for (auto _ : state) {
    std::ostringstream out;
    write_riseset_table(out, q, {}, kDefaultReferenceAltitudes);
    benchmark::DoNotOptimize(out.str().size());
  }
}
BENCHMARK(BM_RisesetTableYearOfTwilights)->Unit(benchmark::kMillisecond);

void BM_LocationListLoad(benchmark::State& state) {
  const std::string file = std::string(SDRO_SOURCE_DIR) + "/data/Orte.csv";
  for (auto _ : state) {
    Orttabelle t;
    benchmark::DoNotOptimize(t.Neuedateiladen(file, 0).ok);
  }
}
BENCHMARK(BM_LocationListLoad)->Unit(benchmark::kMillisecond);

void BM_LocationListSearch(benchmark::State& state) {
  Orttabelle t;
  std::vector<tlocation> places;
  for (int i = 0; i < 32000; ++i) places.push_back({"Ort " + std::to_string(i * 7919 % 32000), {0, 0, 0}});
  t.set_entries(std::move(places));
  t.ganzwortsuche = state.range(0) != 0;
  for (auto _ : state) benchmark::DoNotOptimize(t.find("ort 3199"));
}
BENCHMARK(BM_LocationListSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
