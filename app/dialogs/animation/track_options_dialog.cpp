// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/animation/track_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/animation/settings_entries.h"
#include "app/qt_text.h"
#include "astro/language.h"

namespace sdro {
namespace {

QString t(std::string_view de, std::string_view en) { return qtext(tr(de, en)); }

/// The objects of a track: the bodies 0 Sun … 9 Moon, the asteroids, the comets.
constexpr tbitext kObjects[12] = {
    {"&Sonne", "&Sun"},     {"M&erkur", "M&ercury"}, {"&Venus", "&Venus"},        {"M&ars", "M&ars"},
    {"&Jupiter", "&Jupiter"}, {"Sa&turn", "Sa&turn"},  {"&Uranus", "&Uranus"},      {"&Neptun", "&Neptune"},
    {"P&luto", "P&luto"},   {"Mon&d", "Moo&n"},      {"&Planetoiden", "Aster&oids"}, {"&Kometen", "&Comets"},
};

}  // namespace

TObjekteBahndatei::TObjekteBahndatei(const tbahndatei& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setWindowTitle(t("Einstellungen für Bahndateien", "Settings for Orbit Files"));
  auto* layout = new QVBoxLayout(this);

  auto* objects = new QGroupBox(t("Objekte", "Objects"), this);
  auto* grid = new QGridLayout(objects);
  for (int i = 0; i < 12; ++i) {
    objekte_[i] = new QCheckBox(qtext(kObjects[i].text()), objects);
    objekte_[i]->setChecked(settings_.objekte[i]);
    grid->addWidget(objekte_[i], i % 6, i / 6);
  }
  layout->addWidget(objects);

  auto* labels = new QGridLayout;
  name_ = new QComboBox(this);
  name_->addItems({t("Bei jedem Bahnpunkt", "At every Point"), t("Nur einmal", "Only once"), t("Nie", "Never")});
  name_->setCurrentIndex(sdro::name_choice(settings_));
  datum_ = new QComboBox(this);
  datum_->addItems({t("Nicht ausgeben", "No Date"), QStringLiteral("tt.mm"), QStringLiteral("tt.mm.jj (für jj>0)"),
                    QStringLiteral("tt.mm.jjjj")});
  datum_->setCurrentIndex(sdro::date_choice(settings_));
  uhrzeit_ = new QCheckBox(t("auch Uhrzeit", "with Time"), this);
  uhrzeit_->setChecked(settings_.uhrzeit);
  labels->addWidget(new QLabel(t("Objektbezeichnung ausgeben", "Name of the Object"), this), 0, 0);
  labels->addWidget(name_, 0, 1);
  labels->addWidget(new QLabel(t("Datum ausgeben", "Date"), this), 1, 0);
  labels->addWidget(datum_, 1, 1);
  labels->addWidget(uhrzeit_, 2, 1);
  layout->addLayout(labels);

  auto* every = new QHBoxLayout;
  intervall_ = new QSpinBox(this);
  intervall_->setRange(1, 100);
  intervall_->setValue(settings_.intervall);
  every->addWidget(new QLabel(t("Jeden", "Label every"), this));
  every->addWidget(intervall_);
  every->addWidget(new QLabel(t(". Bahnpunkt beschriften", ". Point"), this));
  layout->addLayout(every);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

tbahndatei TObjekteBahndatei::result() const {
  tbahndatei b = settings_;
  for (int i = 0; i < 12; ++i) b.objekte[i] = objekte_[i]->isChecked();
  set_name_choice(b, name_->currentIndex());
  set_date_choice(b, datum_->currentIndex());
  b.uhrzeit = uhrzeit_->isChecked();
  b.intervall = intervall_->value();
  return b;
}

}  // namespace sdro
