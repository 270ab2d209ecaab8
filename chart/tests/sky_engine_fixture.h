// An engine with the catalogue and sky chart components over a copy of the
// shipped catalogue files, a fixed clock and a scripted message service,
// shared by the tests of a suite (loading the catalogues takes a moment).
// The zone catalogues are linked in when the data folder has them. Set
// SDRO_CHART_PNG to a folder to keep the charts the tests draw as PNG files
// for looking at them, and SDRO_CHART_DATA to take the files from another
// data folder (one with the zone catalogues).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/dialogs/catalog/stars_component.h"
#include "app/engine/engine.h"
#include "chart/component/sky_chart_component.h"

namespace sdro::testing {

struct tsky_place {
  double latitude;       ///< degrees north
  double east_longitude; ///< degrees east
  int zone;              ///< hours east
  const char* name;
};
inline constexpr tsky_place kKassel{51.32, 9.50, 1, "Kassel"};
inline constexpr tsky_place kSydney{-33.87, 151.21, 10, "Sydney"};

class SkyEngine {
 public:
  ~SkyEngine() {
    engine_.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  SkyEngine() {
    folder_ = std::filesystem::temp_directory_path() / ("sdro_sky_engine_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    const std::filesystem::path data = folder_ / "data";
    copy_catalogues(data);
    // The clock stands in the year of the files' cached places, so nothing is rewritten.
    engine_ = std::make_unique<tengine>(messages_, std::make_unique<tfixed_clock>(tcivil_now{15, 1, 2000, 22.0}));
    add_stars_component(*engine_);
    add_sky_chart_component(*engine_);
    tstart_options o;
    o.program = folder_ / "sdro";
    o.settings_file = folder_ / "sdro32.ini";
    o.data_directory = data;
    o.start_directory = folder_;
    o.screen_width = 1280;
    o.interactive = false;
    ok_ = engine_->initialisieren(o);
    engine_->first_show();
  }
  bool ok() const { return ok_; }
  tengine& engine() { return *engine_; }
  tkonfiguration& k() { return engine_->konfig(); }
  tsky_chart_component& chart() { return *sky_chart(*engine_); }
  tstars* catalogue() { return tsky_chart_component::catalogue(*engine_); }
  tscripted_messages& messages() { return messages_; }

  /// The instant (local civil time of the place's zone) and place.
  void set(const tsky_place& p, int year, int month, int day, double hours) {
    tzeitort& z = engine_->zeitort();
    z.latitude = p.latitude;
    z.longitude = -p.east_longitude;
    z.zone = p.zone;
    z.additional_minutes = 0;
    z.daylight_saving = 0;
    z.place_name = p.name;
    z.year = year;
    z.month = month;
    z.day = day;
    z.local_time = hours;
    engine_->complete_instant();
  }
  /// Recomputes and draws the current state; keeps a PNG when asked to.
  const QImage& draw(const std::string& png_name = {}) {
    engine_->flags().positionenneu = true;
    engine_->flags().bildneu = true;
    engine_->zyklus();
    if (const char* dir = std::getenv("SDRO_CHART_PNG"); dir && !png_name.empty()) {
      const int d = engine_->konfig().kartengroesse;
      engine_->bitmap().copy(0, 0, d, d).save(QString::fromStdString(std::string(dir) + "/" + png_name + ".png"));
    }
    return engine_->bitmap();
  }

 private:
  static void copy_catalogues(const std::filesystem::path& data) {
    namespace fs = std::filesystem;
    const char* from = std::getenv("SDRO_CHART_DATA");
    const fs::path shipped = from ? fs::path(from) : fs::path(SDRO_SOURCE_DIR) / "data";
    fs::create_directories(data);
    for (const char* f : {"sterne.dat", "linien.dat", "nebel_ext.dat"}) fs::copy_file(shipped / f, data / f);
    fs::create_symlink("sterne.dat", data / "Sterne.dat");
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(shipped, ec)) {  // zone files: read only
      const std::string name = e.path().filename().string();
      const bool zone = name.size() == 12 && name[4] != '.' && (e.path().extension() == ".dat" || e.path().extension() == ".ppm") &&
                        std::isdigit(static_cast<unsigned char>(name[0]));
      if (zone) fs::create_symlink(e.path(), data / name, ec);
    }
  }

  std::filesystem::path folder_;
  tscripted_messages messages_;
  std::unique_ptr<tengine> engine_;
  bool ok_ = false;
};

}  // namespace sdro::testing
