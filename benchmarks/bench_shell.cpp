// The shell's own costs: the configuration record (every undo snapshot and
// history entry is one capture), the settings file, and one pass of the cycle
// with the empty chart at the default maximum size.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "app/engine/engine.h"
#include "app/state/config_record.h"
#include "app/state/ini_file.h"

namespace sdro {
namespace {

void BM_EncodeRecord(benchmark::State& state) {
  const tkonfiguration& k = default_konfiguration();
  for (auto _ : state) benchmark::DoNotOptimize(encode_record(k));
}
BENCHMARK(BM_EncodeRecord);

void BM_DecodeRecord(benchmark::State& state) {
  const std::string record = encode_record(default_konfiguration());
  tkonfiguration k;
  for (auto _ : state) benchmark::DoNotOptimize(decode_record(record, k));
}
BENCHMARK(BM_DecodeRecord);

void BM_IniParse(benchmark::State& state) {
  tinifile ini;
  for (int s = 0; s < 8; ++s) {
    for (int i = 0; i < 20; ++i) ini.write_integer("Section " + std::to_string(s), "Key, " + std::to_string(i), i);
  }
  const std::string text = ini.text();
  for (auto _ : state) benchmark::DoNotOptimize(tinifile::parse(text));
}
BENCHMARK(BM_IniParse);

// aktualisieren + karteZeichnen of the empty horizon chart, view change only.
void BM_CycleEmptyChart(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / "sdro_bench_shell";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "Sterne.dat") << "";
  tscripted_messages messages;
  tengine engine(messages, std::make_unique<tfixed_clock>(tcivil_now{1, 1, 2024, 12.0}));
  tstart_options o;
  o.program = dir / "sdro";
  o.settings_file = dir / "sdro32.ini";
  o.data_directory = dir;
  o.screen_width = 1280;
  o.interactive = false;
  if (!engine.initialisieren(o)) {
    state.SkipWithError("start-up failed");
    return;
  }
  engine.first_paint();
  for (auto _ : state) {
    engine.flags().bildneu = true;
    engine.zyklus();
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_CycleEmptyChart)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sdro
