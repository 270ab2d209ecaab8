// The sky charts: the whole cycle (recompute and draw) of the horizon chart
// at "Grafikgroesse" 1200 with the default limits and with every layer on at
// limit 6.5, the zoom chart of a 10° field with the zone stars, the northern
// sky and the overview; and the drawing alone after a view change.
// The catalogue files are copies in a temporary folder (the zone catalogues
// are linked in from the data folder, SDRO_CHART_DATA or the source tree's).
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include <unistd.h>

#include "app/dialogs/catalog/stars_component.h"
#include "app/engine/engine.h"
#include "chart/component/render_options.h"
#include "chart/component/sky_chart_component.h"

namespace sdro {
namespace {

namespace fs = std::filesystem;

fs::path shipped_data() {
  const char* from = std::getenv("SDRO_CHART_DATA");
  return from ? fs::path(from) : fs::path(SDRO_SOURCE_DIR) / "data";
}

bool is_zone_file(const fs::path& p) {
  const std::string name = p.filename().string();
  return name.size() == 12 && std::isdigit(static_cast<unsigned char>(name[0])) &&
         (p.extension() == ".dat" || p.extension() == ".ppm");
}

/// An engine with the catalogue and sky chart components over copies of the
/// catalogue files, Kassel on a winter night.
class tbench_engine {
 public:
  tbench_engine() {
    dir_ = fs::temp_directory_path() / ("sdro_bench_chart_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    const fs::path data = dir_ / "data";
    fs::create_directories(data);
    const fs::path shipped = shipped_data();
    for (const char* f : {"sterne.dat", "linien.dat", "nebel_ext.dat"}) fs::copy_file(shipped / f, data / f);
    fs::create_symlink("sterne.dat", data / "Sterne.dat");
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(shipped, ec)) {
      if (is_zone_file(e.path())) fs::create_symlink(e.path(), data / e.path().filename(), ec);
    }
    std::ofstream(dir_ / "sdro32.ini") << "[Settings]\nFirstRun=0\nLevel=70\nGrafikgroesse=1200\n";
    engine_ = std::make_unique<tengine>(messages_, std::make_unique<tfixed_clock>(tcivil_now{15, 1, 2000, 22.0}));
    add_stars_component(*engine_);
    add_sky_chart_component(*engine_);
    tstart_options o;
    o.program = dir_ / "sdro";
    o.settings_file = dir_ / "sdro32.ini";
    o.data_directory = data;
    o.start_directory = dir_;
    o.screen_width = 1280;
    o.interactive = false;
    ok_ = engine_->initialisieren(o);
    engine_->first_show();
    engine_->first_paint();
    tzeitort& z = engine_->zeitort();
    z.latitude = 51.32;
    z.longitude = -9.50;
    z.year = 2024;
    z.month = 1;
    z.day = 15;
    z.local_time = 22.0;
    engine_->complete_instant();
    engine_->konfig().kartengroesse = 1200;
  }
  ~tbench_engine() {
    engine_.reset();
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  bool ok() const { return ok_; }
  tengine& engine() { return *engine_; }
  bool has_zone_files() const { return engine_->datenbestand().sao || engine_->datenbestand().ppm; }

 private:
  fs::path dir_;
  tscripted_messages messages_;
  std::unique_ptr<tengine> engine_;
  bool ok_ = false;
};

tbench_engine& bench_engine() {
  static tbench_engine e;
  return e;
}

/// A fresh start of the chart: the configuration defaults, then the options.
bool prepare(benchmark::State& state, const tchart_render_options& options) {
  tbench_engine& b = bench_engine();
  if (!b.ok()) {
    state.SkipWithError("start-up failed");
    return false;
  }
  tengine& e = b.engine();
  tkonfiguration& k = e.konfig();
  const tzeitort z = k.zeitort;
  k = default_konfiguration();
  k.zeitort = z;
  k.kartengroesse = 1200;
  apply_chart_options(e, options, 1216);
  k.kartengroesse = 1200;
  e.zyklus();
  return true;
}

/// One whole cycle per iteration: the positions recomputed, the chart drawn.
void run_cycles(benchmark::State& state) {
  tengine& e = bench_engine().engine();
  for (auto _ : state) {
    e.flags().positionenneu = true;
    e.zyklus();
  }
  state.counters["redraws/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_HorizonChartDefaultLimits(benchmark::State& state) {
  if (prepare(state, {.chart = "200"})) run_cycles(state);
}
BENCHMARK(BM_HorizonChartDefaultLimits)->Unit(benchmark::kMillisecond);

const tchart_render_options kEveryLayer{.chart = "200", .constellations = "all", .names = "on", .boundaries = "on",
                                        .milky_way = "4", .outlines = "on", .grids = "horizon,equator,ecliptic",
                                        .limit = "6.5"};

void BM_HorizonChartEveryLayerAt65(benchmark::State& state) {
  if (prepare(state, kEveryLayer)) run_cycles(state);
}
BENCHMARK(BM_HorizonChartEveryLayerAt65)->Unit(benchmark::kMillisecond);

// The drawing alone (a view change keeps the positions).
void BM_HorizonChartEveryLayerRedrawOnly(benchmark::State& state) {
  if (!prepare(state, kEveryLayer)) return;
  tengine& e = bench_engine().engine();
  for (auto _ : state) {
    e.flags().bildneu = true;
    e.zyklus();
  }
}
BENCHMARK(BM_HorizonChartEveryLayerRedrawOnly)->Unit(benchmark::kMillisecond);

void BM_ZoomChart10DegreesWithZoneStars(benchmark::State& state) {
  if (!bench_engine().has_zone_files()) {
    state.SkipWithError("no zone catalogues in the data folder");
    return;
  }
  if (!prepare(state, {.zoom = "83.8,-1.0,5.0", .boundaries = "on", .milky_way = "2"})) return;
  run_cycles(state);
  const TSAOList* zone = tsky_chart_component::zone_stars(bench_engine().engine());
  state.counters["zone_stars"] = zone ? static_cast<double>(zone->count()) : 0.0;
}
BENCHMARK(BM_ZoomChart10DegreesWithZoneStars)->Unit(benchmark::kMillisecond);

void BM_NorthernSky(benchmark::State& state) {
  if (prepare(state, {.chart = "206", .boundaries = "on", .milky_way = "4"})) run_cycles(state);
}
BENCHMARK(BM_NorthernSky)->Unit(benchmark::kMillisecond);

void BM_Overview(benchmark::State& state) {
  if (prepare(state, {.chart = "205", .boundaries = "on", .milky_way = "4"})) run_cycles(state);
}
BENCHMARK(BM_Overview)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sdro
