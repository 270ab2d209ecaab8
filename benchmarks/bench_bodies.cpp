// The bodies on the charts and the animation: the computation of the bodies
// for one instant, the drawing of the horizon chart, and animation steps per
// second on the horizon chart with every body shown and ten orbit tracks
// growing (an animation should keep to 60 steps or more per second).
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "app/animation/animator.h"
#include "chart/bodies/body_ephemeris.h"
#include "chart/bodies/tests/bodies_engine.h"

namespace sdro {
namespace {

testing::BodiesEngine& sky() {
  static testing::BodiesEngine engine;
  return engine;
}

bool ready(benchmark::State& state) {
  if (sky().ok()) return true;
  state.SkipWithError("start-up failed");
  return false;
}

void horizon_chart() {
  tkonfiguration& k = sky().k();
  k.kartenart = 200;
  k.kartenunterart = 0;
  k.kartengroesse = 1170;
  k.planeten = k.planetoiden = k.kometen = true;
  sky().set_utc(2024, 1, 15, 20.0);
}

void BM_ComputeBodies(benchmark::State& state) {
  if (!ready(state)) return;
  horizon_chart();
  const tzeitort z = sky().engine().zeitort();
  for (auto _ : state) benchmark::DoNotOptimize(compute_bodies(z, sky().k().theorie, false));
}
BENCHMARK(BM_ComputeBodies)->Unit(benchmark::kMicrosecond);

// One recompute and redraw of the horizon chart with the bodies.
void BM_HorizonChartWithBodies(benchmark::State& state) {
  if (!ready(state)) return;
  horizon_chart();
  for (auto _ : state) sky().draw();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HorizonChartWithBodies)->Unit(benchmark::kMillisecond);

// Animation steps of one sidereal day with a track file open recording the
// ten bodies; the tracks start afresh every 300 steps.
void BM_AnimationStepsWithTenTracks(benchmark::State& state) {
  if (!ready(state)) return;
  horizon_chart();
  tengine& e = sky().engine();
  e.konfig().animation = tanimation{};
  e.konfig().animation.schritte = 30000;
  e.konfig().animation.zurueck = false;
  e.konfig().bahndatei.objekte.fill(true);
  e.set_bahndatei_offen(true);
  tanimator animator(e);
  animator.start(false);
  int steps = 0;
  for (auto _ : state) {
    if (++steps % 300 == 0) {
      state.PauseTiming();
      sky().bodies().track().clear();
      sky().set_utc(2024, 1, 15, 20.0);
      state.ResumeTiming();
    }
    animator.tick();
  }
  state.SetItemsProcessed(state.iterations());
  animator.stop();
  e.set_bahndatei_offen(false);
  sky().bodies().track().clear();
}
BENCHMARK(BM_AnimationStepsWithTenTracks)->Unit(benchmark::kMillisecond)->Iterations(900);

}  // namespace
}  // namespace sdro
