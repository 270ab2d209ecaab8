// Writes a picture of every place dialog in both languages to a folder, for
// looking at the layouts: places_dialogs_snapshots OUT_FOLDER
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>

#include <iostream>
#include <memory>

#include "app/dialogs/places/date_place_dialog.h"
#include "app/dialogs/places/instant_dialogs.h"
#include "app/dialogs/places/map_place_dialog.h"
#include "app/dialogs/places/place_dialog.h"
#include "app/dialogs/places/places_session.h"
#include "app/engine/engine.h"
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
  tengine engine(messages, std::make_unique<tfixed_clock>(tcivil_now{17, 6, 2031, 10.5}));
  tstart_options options;
  options.program = QDir(folder).filePath("sdro").toStdString();
  options.settings_file = QDir(folder).filePath("sdro32.ini").toStdString();
  options.bundled_data = {std::string(SDRO_SOURCE_DIR) + "/data"};
  options.interactive = false;
  engine.initialisieren(options);
  for (tlanguage language : {german, english}) {
    LanguageScope scope(language);
    const QString suffix = language == german ? "_de" : "_en";
    tplaces_session session(engine);
    const tzeitort& z = engine.zeitort();
    TDatumortForm date(session, z, true);
    save(date, folder, "date_place" + suffix);
    TOrtwahldialog place(session, z, true);
    save(place, folder, "place" + suffix);
    tearth_map_dialog map(session, z, true);
    map.resize(760, 420);
    save(map, folder, "map" + suffix);
    TOrtwahldialogkarte confirm(messages, z, proposal_for_map_point(z, {-33.9, 18.4}, ""), true);
    save(confirm, folder, "map_confirm" + suffix);
    TTagbrForm fraction(session, z);
    save(fraction, folder, "day_fraction" + suffix);
    TUTForm ut(session, z);
    save(ut, folder, "ut" + suffix);
    TJDForm jd(session, z);
    save(jd, folder, "julian_date" + suffix);
  }
  return 0;
}
