// An engine with the catalogues, the sky charts and the bodies over a copy
// of the shipped catalogue files, a fixed clock (in the year of the files'
// cached places, so nothing is rewritten) and scripted messages, shared by a
// test suite or a benchmark. Set SDRO_CHART_PNG to a folder to keep the
// charts the tests draw as PNG files.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/dialogs/catalog/stars_component.h"
#include "app/engine/engine.h"
#include "chart/bodies/component/bodies_component.h"
#include "chart/component/sky_chart_component.h"

namespace sdro::testing {

class BodiesEngine {
 public:
  BodiesEngine() {
    folder_ = std::filesystem::temp_directory_path() / ("sdro_bodies_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    const std::filesystem::path data = folder_ / "data";
    std::filesystem::create_directories(data);
    for (const char* f : {"sterne.dat", "linien.dat", "nebel_ext.dat"}) {
      std::filesystem::copy_file(std::filesystem::path(SDRO_SOURCE_DIR) / "data" / f, data / f);
    }
    std::filesystem::create_symlink("sterne.dat", data / "Sterne.dat");
    engine_ = std::make_unique<tengine>(messages_, std::make_unique<tfixed_clock>(tcivil_now{15, 1, 2000, 22.0}));
    add_stars_component(*engine_);
    add_sky_chart_component(*engine_);
    add_bodies_component(*engine_);
    tstart_options o;
    o.program = folder_ / "sdro";
    o.settings_file = folder_ / "sdro32.ini";
    o.data_directory = data;
    o.start_directory = folder_;
    o.interactive = false;
    ok_ = engine_->initialisieren(o);
    engine_->first_show();
  }
  ~BodiesEngine() {
    engine_.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  bool ok() const { return ok_; }
  tengine& engine() { return *engine_; }
  tkonfiguration& k() { return engine_->konfig(); }
  tbodies_component& bodies() { return *bodies_component(*engine_); }
  tstars* stars() { return tsky_chart_component::catalogue(*engine_); }
  tscripted_messages& messages() { return messages_; }

  /// UT instant at a place (degrees north, degrees east).
  void set_utc(int year, int month, int day, double hours, double latitude = 51.32, double east = 9.50) {
    tzeitort& z = engine_->zeitort();
    z.latitude = latitude;
    z.longitude = -east;
    z.zone = 0;
    z.additional_minutes = 0;
    z.daylight_saving = 0;
    z.year = year;
    z.month = month;
    z.day = day;
    z.local_time = hours;
    engine_->complete_instant();
    engine_->flags().positionenneu = true;
    engine_->aktualisieren();
    engine_->karteZeichnen();
  }
  /// A zoom chart of radius ρ centred on a body of the current instant.
  void zoom_on(int body, double radius) {
    const tkoerperdaten& d = bodies().bodies()[body];
    k().kartenart = 204;
    k().kartenunterart = 0;
    k().zoomkarte = {d.ra, d.dec, radius};
  }
  /// Recomputes and draws; keeps a PNG when asked to.
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
  /// Keeps the square of half-width `half` around (x, y), magnified, as a
  /// PNG when SDRO_CHART_PNG is set.
  void keep_detail(const std::string& png_name, int x, int y, int half, int magnify) {
    const char* dir = std::getenv("SDRO_CHART_PNG");
    if (!dir) return;
    const QImage part = engine_->bitmap().copy(x - half, y - half, 2 * half, 2 * half);
    part.scaled(2 * half * magnify, 2 * half * magnify, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(QString::fromStdString(std::string(dir) + "/" + png_name + ".png"));
  }

 private:
  std::filesystem::path folder_;
  tscripted_messages messages_;
  std::unique_ptr<tengine> engine_;
  bool ok_ = false;
};

}  // namespace sdro::testing
