// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/animation/timer_form.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/state/messages.h"
#include "astro/language.h"

namespace sdro {
namespace {

QString t(std::string_view de, std::string_view en) { return qtext(tr(de, en)); }

constexpr int kZeroIntervalUnits = 40;

}  // namespace

TTimerform::TTimerform(const tanimation& settings, bool running, tmessage_service& messages, QWidget* parent)
    : QDialog(parent), settings_(settings), messages_(messages) {
  setWindowTitle(t("Einstellungen für Animationen", "Settings for Animations"));
  auto* layout = new QVBoxLayout(this);

  mode_ = new QGroupBox(this);
  auto* modes = new QVBoxLayout(mode_);
  systemzeit_ = new QRadioButton(t("S&ystemzeit verwenden", "Real Time Mode"), mode_);
  zeitintervall_ = new QRadioButton(t("&Zeitintervall verwenden", "Use Time Intervall"), mode_);
  sternzeit_ = new QRadioButton(t("&Sternzeit konstant halten", "Let &sidereal Time be constant"), mode_);
  for (QRadioButton* b : {systemzeit_, zeitintervall_, sternzeit_}) {
    modes->addWidget(b);
    connect(b, &QRadioButton::toggled, this, [this] { show_mode(); });
  }
  layout->addWidget(mode_);

  auto* fields = new QFormLayout;
  const tanimation_entries e = animation_entries(settings_);
  tage_ = new QLineEdit(qtext(e.tage), this);
  zeit_ = new QLineEdit(qtext(e.zeit), this);
  sterntage_ = new QLineEdit(qtext(e.sterntage), this);
  fields->addRow(t("&Tage:", "&Days:"), tage_);
  fields->addRow(t("Z&eit:", "T&ime:"), zeit_);
  fields->addRow(t("Anzahl der Sterntage (23h56m):", "Number of sidereal Days (23h56m):"), sterntage_);
  layout->addLayout(fields);

  rueckwaerts_ = new QCheckBox(t("Animation r&ückwärts", "Animation &backwards"), this);
  zurueck_ = new QCheckBox(t("Z&um Ausgangsdatum zurück", "Return to the &start Date"), this);
  rueckwaerts_->setChecked(settings_.rueckwaerts);
  zurueck_->setChecked(settings_.zurueck);
  layout->addWidget(rueckwaerts_);
  layout->addWidget(zurueck_);
  auto* stop = new QHBoxLayout;
  beenden_ = new QCheckBox(t("Automatisch beenden nach", "Stop automatically after"), this);
  beenden_->setChecked(settings_.automatisch_beenden);
  schritte_ = new QLineEdit(qtext(e.schritte), this);
  stop->addWidget(beenden_);
  stop->addWidget(schritte_);
  stop->addWidget(new QLabel(t("Schritten", "Steps"), this));
  layout->addLayout(stop);

  auto* interval = new QLabel(t("&Mindestabstand zwischen den Berechnungen", "&Minimum Interval between Calculations"), this);
  intervall_ = new QSlider(Qt::Horizontal, this);
  intervall_->setRange(1, 300);
  intervall_->setValue(settings_.intervall == 0 ? kZeroIntervalUnits : settings_.intervall);
  interval->setBuddy(intervall_);
  intervall_text_ = new QLabel(this);
  const auto show_interval = [this] { intervall_text_->setText(qtext(interval_label(intervall_->value()))); };
  connect(intervall_, &QSlider::valueChanged, this, show_interval);
  show_interval();
  layout->addWidget(interval);
  auto* slider = new QHBoxLayout;
  slider->addWidget(intervall_);
  slider->addWidget(intervall_text_);
  layout->addLayout(slider);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  for (const tanimation_entry which :
       {tanimation_entry::zeit, tanimation_entry::tage, tanimation_entry::sterntage, tanimation_entry::schritte}) {
    connect(field(which), &QLineEdit::editingFinished, this, [this, which] {
      if (field(which)->isModified()) {
        field(which)->setModified(false);
        check(which);
      }
    });
  }
  QRadioButton* chosen = settings_.systemzeit ? systemzeit_ : settings_.sternzeit ? sternzeit_ : zeitintervall_;
  chosen->setChecked(true);
  mode_->setEnabled(!running);
  zurueck_->setEnabled(!running);
  show_mode();
}

QLineEdit* TTimerform::field(tanimation_entry which) const {
  switch (which) {
    case tanimation_entry::zeit: return zeit_;
    case tanimation_entry::tage: return tage_;
    case tanimation_entry::sterntage: return sterntage_;
    case tanimation_entry::schritte: break;
  }
  return schritte_;
}

void TTimerform::show_mode() {
  const bool interval = zeitintervall_->isChecked();
  tage_->setEnabled(interval);
  zeit_->setEnabled(interval);
  sterntage_->setEnabled(sternzeit_->isChecked());
}

tanimation_entries TTimerform::entries() const {
  tanimation_entries e;
  e.zeit = zeit_->text().toStdString();
  e.tage = tage_->text().toStdString();
  e.sterntage = sterntage_->text().toStdString();
  e.schritte = schritte_->text().toStdString();
  return e;
}

bool TTimerform::check(tanimation_entry which) {
  const auto error = animation_entry_error(which, field(which)->text().toStdString());
  if (!error) return true;
  messages_.show(*error, kProgramCaption, tmessage_icon::warning);
  field(which)->setFocus();
  return false;
}

void TTimerform::accept() {
  tanimation a = settings_;
  if (const auto failed = take_animation_entries(entries(), a)) {
    check(*failed);
    return;
  }
  a.systemzeit = systemzeit_->isChecked();
  a.sternzeit = sternzeit_->isChecked();
  a.rueckwaerts = rueckwaerts_->isChecked();
  a.zurueck = zurueck_->isChecked();
  a.automatisch_beenden = beenden_->isChecked();
  a.intervall = intervall_->value();
  settings_ = a;
  QDialog::accept();
}

}  // namespace sdro
