// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/catalog/zone_search_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/catalog/chooser_parts.h"
#include "astro/language.h"

namespace sdro {

TSAOSuche::TSAOSuche(std::filesystem::path data_directory, tzone_catalogue catalogue, const tzeitort& z,
                     bool useaberrat, const QString& last_text, QWidget* parent)
    : QDialog(parent), dir_(std::move(data_directory)), catalogue_(catalogue), z_(z), useaberrat_(useaberrat) {
  setWindowTitle(catalogue == tzone_catalogue::sao ? QStringLiteral("SAO") : QStringLiteral("PPM"));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  query_ = new QLineEdit(last_text, this);
  search_button_ = new QPushButton(qtext_of(sdro::tr("&Suchen", "&Search")), this);
  cancel_button_ = new QPushButton(qtext_of(sdro::tr("Abbruch", "Stop")), this);
  cancel_button_->setEnabled(false);
  row->addWidget(query_, 1);
  row->addWidget(search_button_);
  row->addWidget(cancel_button_);
  layout->addLayout(row);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, kZoneCount + 1);
  layout->addWidget(progress_);
  result_ = new QLabel(this);
  layout->addWidget(result_);
  auto* form = new QFormLayout;
  diameter_field_ = new QLineEdit(QLocale().toString(diameter_, 'f', 1), this);
  form->addRow(qtext_of(sdro::tr("Kartendurchmesser (°):", "Diameter of the Map (°):")), diameter_field_);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(this);
  ok_button_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok_button_->setEnabled(false);
  buttons->addButton(qtext_of(sdro::tr("Abbrechen", "Cancel")), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &TSAOSuche::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(search_button_, &QPushButton::clicked, this, [this] { search(); });
  connect(query_, &QLineEdit::returnPressed, this, [this] { search(); });
  connect(cancel_button_, &QPushButton::clicked, this, [this] { cancel_ = true; });
}

QString TSAOSuche::text() const { return query_->text(); }

void TSAOSuche::search() {
  if (searching_) return;
  searching_ = true;
  cancel_ = false;
  search_button_->setEnabled(false);
  cancel_button_->setEnabled(true);
  ok_button_->setEnabled(false);
  progress_->setValue(0);
  // The dialog is modal: between the zones only its own controls take input,
  // so the stop button works and no other command can start.
  found_ = FindZoneStar(dir_, catalogue_, z_, useaberrat_, query_->text().toStdString(), [this](int zone) {
    progress_->setValue(zone);
    QCoreApplication::processEvents();
    return !cancel_;
  });
  progress_->setValue(progress_->maximum());
  result_->setText(qtext_of(zone_search_text(catalogue_, found_)));
  result_->setStyleSheet(found_.found ? QStringLiteral("color: green") : QStringLiteral("color: red"));
  search_button_->setEnabled(true);
  cancel_button_->setEnabled(false);
  ok_button_->setEnabled(found_.found);
  searching_ = false;
}

void TSAOSuche::accept() {
  if (searching_ || !found_.found) return;
  const auto d = parse_map_diameter(diameter_field_->text().toStdString());
  if (!d) {
    QMessageBox::warning(this, qtext_of("Sidaro 3.0"), qtext_of(map_diameter_message()));
    diameter_field_->setFocus();
    return;
  }
  diameter_ = *d;
  QDialog::accept();
}

void TSAOSuche::reject() {
  cancel_ = true;
  QDialog::reject();
}

}  // namespace sdro
