// An engine over a small data directory of its own, with a fixed clock.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/engine/engine.h"
#include "app/state/tests/test_folder.h"

namespace sdro::testing {

/// Records the hooks it sees and claims the horizon chart when asked.
struct trecorder : tcomponent {
  std::vector<std::string>* log;
  bool claim = false;
  explicit trecorder(std::vector<std::string>* l) : log(l) {}
  std::string_view name() const override { return "recorder"; }
  void initialise(tengine&) override { log->push_back("initialise"); }
  void apply(tengine&, tapply_step s) override { log->push_back("apply" + std::to_string(int(s))); }
  void prepare(tengine&) override { log->push_back("prepare"); }
  void compute_positions(tengine&) override { log->push_back("positions"); }
  bool draws(int kind, int sub) const override { return claim && kind == 200 && sub == 0; }
  void draw(tengine&, Zeichenflaeche&) override { log->push_back("draw"); }
  void recreate(tengine&) override { log->push_back("recreate"); }
};

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fresh_folder();
    data = dir / "data";
    std::filesystem::create_directories(data);
    std::ofstream(data / "Sterne.dat") << "";
  }
  std::unique_ptr<tengine> make(tcivil_now now = {15, 3, 2024, 21.5}) {
    return std::make_unique<tengine>(messages, std::make_unique<tfixed_clock>(now));
  }
  tstart_options options(bool interactive = false) const {
    tstart_options o;
    o.program = dir / "sdro";
    o.settings_file = dir / "sdro32.ini";
    o.start_directory = dir / "elsewhere";
    o.bundled_data = {data};
    o.screen_width = 1280;
    o.interactive = interactive;
    return o;
  }
  void write_ini(const std::string& text) const { std::ofstream(dir / "sdro32.ini") << text; }

  std::filesystem::path dir, data;
  tscripted_messages messages;
};

}  // namespace sdro::testing
