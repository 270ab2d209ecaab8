// The catalogue container's recompute of star places for a new instant, at
// loading level 6.0 and at the star file's full level, and the reading of the
// zone stars of a 10° zoom chart. Runs on the shipped data folder (read only).
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "astro/derived_fields.h"
#include "astro/instant.h"
#include "catalog/stars.h"
#include "catalog/zone_catalogue.h"

namespace sdro {
namespace {

const std::filesystem::path kData = std::filesystem::path(SDRO_SOURCE_DIR) / "data";

tzeitort instant_at(double mjd) {
  tzeitort z;
  z.mjd = mjd;
  civil_from_instant(z);
  update_derived_fields(z, false);
  return z;
}

std::unique_ptr<tstars> load(int level, const tzeitort& z) {
  tstars_setup setup;
  setup.data_directory = kData;
  setup.level = level;
  setup.check_year = false;
  setup.folder_writable = [](const std::filesystem::path&) { return false; };
  tstars_status status;
  return tstars::create(setup, z, status);
}

// A new instant every iteration: all loaded stars get apparent and horizontal
// places (the selection is rebuilt completely after a change of date), with
// refraction; with `reprecess` the mean places of date are renewed too.
void recompute(benchmark::State& state, int level, bool reprecess, bool useaberrat = true) {
  tzeitort z = instant_at(60400.0);
  auto stars = load(level, z);
  if (!stars) {
    state.SkipWithError("the shipped data folder could not be read");
    return;
  }
  trecompute_request request;
  request.star_limit = stars->level() * 10;
  stars->RecomputePositions(request);  // the first pass
  double mjd = 60400.0;
  for (auto _ : state) {
    mjd += 0.37;
    state.PauseTiming();
    z = instant_at(mjd);
    state.ResumeTiming();
    stars->SetDateAndPlace(z, useaberrat, true);
    stars->set_reprecess(reprecess);
    stars->RecomputePositions(request);
    benchmark::DoNotOptimize(stars->stars().back().altitude);
  }
  state.counters["stars"] = static_cast<double>(stars->stars().size());
  state.counters["ns_per_star"] = benchmark::Counter(
      static_cast<double>(stars->stars().size()), benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}

void BM_RecomputeLevel60(benchmark::State& state) { recompute(state, 60, false); }
void BM_RecomputeFullLevel(benchmark::State& state) { recompute(state, kHighestLevel, false); }
void BM_RecomputeFullLevelMeanPlaces(benchmark::State& state) { recompute(state, kHighestLevel, false, false); }
void BM_RecomputeFullLevelWithPrecession(benchmark::State& state) { recompute(state, kHighestLevel, true); }

void BM_ZoneStarsOf10DegreeMap(benchmark::State& state) {
  if (!zone_catalogue_present(kData, tzone_catalogue::sao)) {
    state.SkipWithError("no zone catalogue in the data folder (tools/data/make_zones.sh)");
    return;
  }
  const tzeitort z = instant_at(60400.0);
  tzone_request request;
  request.data_directory = kData;
  request.catalogue = tzone_catalogue::sao;
  request.map = {83.8, -5.4, 5.0};  // Orion, 10° across
  request.limit = 1000;
  request.useaberrat = true;
  TSAOList list;
  std::size_t stars = 0;
  for (auto _ : state) {
    stars = ReadZoneStars(list, request, z).stars;
    benchmark::DoNotOptimize(list[0].ra);
  }
  state.counters["zone_stars"] = static_cast<double>(stars);
}

BENCHMARK(BM_RecomputeLevel60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecomputeFullLevel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecomputeFullLevelMeanPlaces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecomputeFullLevelWithPrecession)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoneStarsOf10DegreeMap)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sdro
