// Writes pictures of the information dialog (both modes) and the daily
// overview in both languages, for a look at their layout (not a test):
// events_dialogs_snapshots OUT_FOLDER
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>

#include <iostream>

#include "app/dialogs/events/daily_overview_window.h"
#include "app/dialogs/events/time_place_dialog.h"
#include "app/engine/engine.h"
#include "astro/derived_fields.h"
#include "astro/instant.h"
#include "astro/language.h"

using namespace sdro;

namespace {

void save(QWidget& w, const QString& folder, const QString& name) {
  w.show();
  w.adjustSize();
  QApplication::processEvents();
  const QString file = folder + "/" + name + ".png";
  w.grab().save(file);
  std::cout << file.toStdString() << '\n';
  w.hide();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  QDir().mkpath(folder);
  tscripted_messages messages;
  tengine engine(messages);
  tzeitort& z = engine.zeitort();
  z.day = 18;
  z.month = 6;
  z.year = 2024;
  z.local_time = 22.5;
  z.daylight_saving = 1;
  instant_from_civil(z);
  z.t = dynamical_centuries(z.mjd, z.delta_t);
  update_derived_fields(z, false);
  for (tlanguage language : {german, english}) {
    LanguageScope scope(language);
    const QString suffix = language == german ? "_de" : "_en";
    const ttime_place_info info = time_place_info(z, {}, kDefaultReferenceAltitudes, {});
    TInfozeitortdlg full(info, TInfozeitortdlg::tmode::full);
    save(full, folder, "info_full" + suffix);
    TInfozeitortdlg compact(info, TInfozeitortdlg::tmode::compact);
    save(compact, folder, "info_compact" + suffix);
    TTagesuebers overview(engine);
    overview.refill();
    save(overview, folder, "overview" + suffix);
  }
  return 0;
}
