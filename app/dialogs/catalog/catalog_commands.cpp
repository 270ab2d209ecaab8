// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/catalog/catalog_commands.h"

#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>

#include "app/dialogs/catalog/constellation_chooser.h"
#include "app/dialogs/catalog/deep_sky_chooser.h"
#include "app/dialogs/catalog/star_chooser.h"
#include "app/dialogs/catalog/stars_component.h"
#include "app/dialogs/catalog/zone_search_dialog.h"
#include "app/main_window.h"
#include "astro/chart_kind.h"
#include "catalog/deep_sky.h"

namespace sdro {
namespace {

constexpr const char* kSettings = "Settings";
/// More loaded entries than this: by default the choosers search on their button only.
constexpr std::size_t kManyEntries = 15000;
/// The zoom chart on a constellation: 30° across.
constexpr double kConstellationRadius = 15.0;

// A stored "…WhileTyping" of true means: search only on the button.
bool search_on_button_only(tengine& e, const char* key, std::size_t entries) {
  return e.ini().read_bool(kSettings, key, entries > kManyEntries);
}

// The information on a chosen object, until the object information window takes it.
void show_information(TKyr5Main& w, const QString& text) {
  QMessageBox::information(&w, qtext_of(kProgramCaption), text);
}

QString star_text(const tsternrecord& s) {
  return qtext_of(s.designation) + QStringLiteral(", ") + QLocale().toString(s.magnitude / 100.0, 'f', 1) +
         QStringLiteral(" mag");
}

void choose_star(TKyr5Main& w) {
  tengine& e = w.engine();
  tstars_component* c = stars_component(e);
  if (!c || !c->stars()) return;
  const tstars& s = *c->stars();
  Tsternwahldialog d(s.stars(), s.level(), search_on_button_only(e, "SearchStarWhileTyping", s.stars().size()), &w);
  if (d.exec() != QDialog::Accepted || d.star_index() < 0) return;
  show_information(w, star_text(s.stars()[static_cast<std::size_t>(d.star_index())]));
}

void choose_deep_sky(TKyr5Main& w) {
  tengine& e = w.engine();
  tstars_component* c = stars_component(e);
  if (!c || !c->stars()) return;
  const tstars& s = *c->stars();
  TNebelform d(s.nebulae(), search_on_button_only(e, "SearchNebulaWhileTyping", s.nebulae().size()), &w);
  if (d.exec() != QDialog::Accepted || d.object_index() < 0) return;
  show_information(w, qtext_of(nebula_info_text(s.nebulae()[static_cast<std::size_t>(d.object_index())])));
}

void search_zone_catalogue(TKyr5Main& w) {
  tengine& e = w.engine();
  const tdatenbestand& files = e.datenbestand();
  const tzone_catalogue catalogue = chosen_zone_catalogue(e.konfig().ppm, files.sao, files.ppm);
  TSAOSuche d(e.datenverzeichnis(), catalogue, e.zeitort(), e.konfig().useaberrat,
              qtext_of(e.ini().read_string(kSettings, "SAOFindText", "")), &w);
  const int result = d.exec();
  e.ini().write_string(kSettings, "SAOFindText", d.text().toStdString());
  if (result != QDialog::Accepted || !d.found().found) return;
  show_zoom_chart(w, d.found().ra, d.found().dec, d.diameter() / 2.0);
}

void choose_constellation(TKyr5Main& w) {
  tstars_component* c = stars_component(w.engine());
  if (!c || !c->stars()) return;
  TFrmSternbildsuche d(c->stars()->constellations(), &w);
  if (d.exec() != QDialog::Accepted) return;
  const tsternbildlabel& l = c->stars()->constellations()[static_cast<std::size_t>(d.entry_number() - 1)];
  show_zoom_chart(w, l.ra_date, l.dec_date, kConstellationRadius);
}

}  // namespace

void show_zoom_chart(TKyr5Main& w, double ra, double dec, double radius) {
  tengine& e = w.engine();
  tkonfiguration& k = e.konfig();
  k.zoomkarte = {ra, dec, radius};
  k.kartenart = ka_zoom;
  k.kartenunterart = 0;
  const QScreen* screen = QGuiApplication::primaryScreen();
  e.set_chart_diameter((screen ? screen->size().width() : 1280) - 16);
  e.sternauswahl().aus_zoomkarte = true;
  e.flags().positionenneu = true;
  e.flags().bildneu = true;
  w.run_cycle();
}

void add_catalog_commands(TKyr5Main& w) {
  tcommand_table& t = w.commands();
  tengine& e = w.engine();
  const auto has_stars = [&e] {
    const tstars_component* c = stars_component(e);
    return c && c->stars() && !e.flags().animationlaeuft;
  };
  t.add(tmenu::info, {{"Ste&rne...", "Sta&rs..."}, QKeySequence(Qt::CTRL | Qt::Key_F11),
                      [&w] { choose_star(w); }, has_stars, {}, true});
  t.add(tmenu::info, {{"&Nebel...", "&Deep Sky..."}, QKeySequence(Qt::SHIFT | Qt::Key_F11),
                      [&w] { choose_deep_sky(w); }, has_stars});
  t.add(tmenu::info, {{"SAO&/PPM...", ""}, QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_F11),
                      [&w] { search_zone_catalogue(w); },
                      [&e] { return (e.datenbestand().sao || e.datenbestand().ppm) && !e.flags().animationlaeuft; }});
  t.add(tmenu::info, {{"Stern&bilder", "Constellations..."}, {}, [&w] { choose_constellation(w); }, has_stars});
}

}  // namespace sdro
