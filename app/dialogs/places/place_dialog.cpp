// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/places/place_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/dialogs/places/kyrel_dateien.h"
#include "app/dialogs/places/location_combo.h"
#include "app/dialogs/places/map_place_dialog.h"
#include "app/dialogs/places/place_fields.h"
#include "app/dialogs/places/places_session.h"
#include "app/qt_text.h"
#include "astro/language.h"
#include "places/instant_entry.h"

namespace sdro {

TOrtwahldialog::TOrtwahldialog(tplaces_session& session, const tzeitort& z, bool keep_ut, QWidget* parent)
    : tentry_dialog(session.messages(), parent), session_(session), z_(z) {
  setWindowTitle(qtext(sdro::tr("Geographischen Ort aus Datei laden oder eingeben", "Geographic Location")));
  Orttabelle& table = session.locations();

  list_ = new tlocation_combo(table);
  search_ = new QLineEdit;
  prefix_ = new QCheckBox(qtext(sdro::tr("nur nach &Wortanfang", "Only by the Beginning of the &Words")));
  prefix_->setChecked(true);
  fields_ = new tplace_fields(*this, tentry_form::place, true, tcoordinate_form::decimal);
  keep_ut_ = new QCheckBox(qtext(sdro::tr("Weltzeit beibehalten", "Do not change UT")));
  keep_ut_->setChecked(keep_ut);
  file_ = new QLabel;
  file_->setWordWrap(true);
  auto* open = new QPushButton(qtext(sdro::tr("&Datei mit geographischen Koordinaten öffnen...",
                                        "&Open File with geographic Coordinates...")));
  auto* map = new QPushButton(qtext(sdro::tr("Auf der &Karte wählen...", "Choose on the &Map...")));
  auto* home = new QPushButton(qtext(sdro::tr("Als Heimatort definieren", "Set As Home")));

  auto* grid = new QGridLayout;
  grid->addWidget(buddy_label(std::string(sdro::tr("O&rte:", "Locations:")), list_), 0, 0);
  grid->addWidget(list_, 0, 1, 1, 2);
  grid->addWidget(buddy_label(std::string(sdro::tr("&suchen nach...", "find...")), search_), 1, 0);
  grid->addWidget(search_, 1, 1);
  grid->addWidget(prefix_, 1, 2);
  grid->addWidget(file_, 2, 0, 1, 3);
  auto* place = new QGridLayout;
  auto* heading = new QLabel(qtext(sdro::tr("Weitere Eingaben (nur manuell)", "Additional Settings (not stored in Databases)")));
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  const int row = fields_->add_to(place, 0, heading);
  place->addWidget(keep_ut_, row, 1, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(open);
  buttons->addWidget(map);
  buttons->addWidget(home);
  auto* content = new QVBoxLayout;
  content->addLayout(grid);
  content->addLayout(place);
  content->addLayout(buttons);
  add_buttons(content);

  // The current place becomes the list's current values and is shown as if chosen.
  table.set_Ortname(z.place_name);
  table.set_coordinates(z.latitude, z.longitude);
  table.set_Zeitzone(z.zone);
  if (const long at = table.index_of(z.place_name); at >= 0) table.set_datensatznummer(static_cast<int>(at));
  table.on_selection_change = [this] { list_chosen(); };
  fields_->on_coordinates = [&table](double lat, double lon) { table.set_coordinates(lat, lon); };
  fields_->show(z_);
  list_->show_current();
  show_file();

  connect(search_, &QLineEdit::textChanged, this, [this, &table](const QString& text) {
    table.ganzwortsuche = !prefix_->isChecked();
    if (table.suchen(text.toStdString())) list_->show_current();
  });
  connect(open, &QPushButton::clicked, this, [this] { open_file(); });
  connect(map, &QPushButton::clicked, this, [this] { choose_on_map(); });
  connect(home, &QPushButton::clicked, this, [this] {
    tzeitort here = z_;
    if (fields_->check_and_take(here, [this](const std::string& m, const std::string& c) { refuse(m, c); })) {
      session_.set_home(here);
    }
  });
}

TOrtwahldialog::~TOrtwahldialog() {
  Orttabelle& table = session_.locations();
  table.on_selection_change = nullptr;
}

bool TOrtwahldialog::keep_ut() const { return keep_ut_->isChecked(); }

void TOrtwahldialog::list_chosen() {
  // Name, coordinates and zone come from the list; the additional settings stay.
  const Orttabelle& table = session_.locations();
  fields_->show_location(table.Ortname(), table.latitude(), table.longitude(), table.Zeitzone());
  list_->show_current();
}

void TOrtwahldialog::show_file() {
  const std::string file = session_.location_file();
  if (file.empty()) {
    file_->setText(qtext("For the Moment no File with geogr. Coordinates is used."));
    file_->setStyleSheet(QStringLiteral("color: red"));
  } else {
    file_->setText(qtext(std::string(sdro::tr("Verwendete Datei: ", "Used File: ")) + file));
    file_->setStyleSheet({});
  }
}

void TOrtwahldialog::open_file() {
  KyrelDateien dialog(messages(), this);
  dialog.Kennung = "orte";
  dialog.strlanguage = current_language() == english ? "ENGLISH" : "GERMAN";
  dialog.title = qtext(sdro::tr("Datei mit geogr. Positionen öffnen", "Open Database with geogr. Coordinates"));
  dialog.initial = qtext(session_.location_file());
  if (!dialog.execute()) return;
  if (session_.load_locations(dialog.file_name.toStdString())) {
    list_->refill();
    show_file();
  }
  search_->clear();
}

void TOrtwahldialog::choose_on_map() {
  tearth_map_dialog dialog(session_, fields_->current(z_), keep_ut(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  const tzeitort& p = dialog.edited();
  fields_->show_location(p.place_name, p.latitude, p.longitude, p.zone);
  fields_->height->setText(QString::number(p.height));
  keep_ut_->setChecked(dialog.keep_ut());
  session_.locations().set_coordinates(p.latitude, p.longitude);
}

bool TOrtwahldialog::check_and_take() {
  return fields_->check_and_take(z_, [this](const std::string& m, const std::string& c) { refuse(m, c); });
}

}  // namespace sdro
