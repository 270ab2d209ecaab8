// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/chart/chart_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "app/qt_text.h"
#include "app/state/messages.h"
#include "astro/language.h"
#include "astro/names.h"
#include "chart/colour_tables.h"
#include "chart/projection.h"
#include "chart/surface/rnd.h"
#include "chart/viewport.h"

namespace sdro {
namespace {

constexpr std::string_view kCaption = "Sidaro 3.0";

QString q(std::string_view de, std::string_view en) { return qtext(tr(de, en)); }

/// OK and Cancel below the content, wired to accept and reject.
void add_buttons(QDialog* dialog, QVBoxLayout* layout) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(q("Abbrechen", "Cancel"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons);
}

QColor qcolour(tfarbwert v) { return QColor(v & 0xff, (v >> 8) & 0xff, (v >> 16) & 0xff); }

QIcon swatch(tfarbwert v) {
  QPixmap p(24, 14);
  p.fill(qcolour(v));
  QPainter painter(&p);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, 23, 13);
  return QIcon(p);
}

QDoubleSpinBox* magnitude_spin(double lo, double hi, int hundredths) {
  auto* s = new QDoubleSpinBox;
  s->setDecimals(1);
  s->setSingleStep(0.1);
  s->setRange(lo, hi);
  s->setSuffix(QStringLiteral(" mag"));
  s->setValue(std::clamp(hundredths / 100.0, lo, hi));
  return s;
}

int hundredths_of(const QDoubleSpinBox* s) { return rnd(s->value() * 100.0); }

}  // namespace

// --- chart diameter -------------------------------------------------------------------

TZoomfaktForm::TZoomfaktForm(int diameter, int M, QWidget* parent) : QDialog(parent) {
  setWindowTitle(q("Vergrößerung", "Zoom"));
  auto* layout = new QVBoxLayout(this);
  slider_ = new QSlider(Qt::Horizontal);
  slider_->setRange(kZoomOutLimit, std::max(kZoomOutLimit, M));
  slider_->setValue(std::clamp(diameter, kZoomOutLimit, std::max(kZoomOutLimit, M)));
  slider_->setMinimumWidth(320);
  value_ = new QLabel;
  const auto show = [this] { value_->setText(QString::number(slider_->value()) + q(" Pixel", " Pixels")); };
  connect(slider_, &QSlider::valueChanged, this, show);
  show();
  layout->addWidget(new QLabel(q("Kartendurchmesser:", "Diameter of the Map:")));
  layout->addWidget(slider_);
  layout->addWidget(value_);
  add_buttons(this, layout);
}

int TZoomfaktForm::diameter() const { return slider_->value(); }

// --- zoom chart centre and radius -------------------------------------------------------

TRektEingForm::TRektEingForm(tmessage_service& messages, double ra, double dec, double radius, QWidget* parent)
    : QDialog(parent), messages_(messages) {
  setWindowTitle(q("Umgebungskarte festlegen", "Map Centre"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  ra_ = new QLineEdit(qtext(zoom_ra_text(ra)));
  dec_ = new QLineEdit(qtext(zoom_dec_text(dec)));
  radius_ = new QLineEdit(qtext(zoom_radius_text(usable_zoom_radius(radius))));
  form->addRow(q("&Rektaszension (HH:MM:SS resp. HH.MMSS):", "&Right Ascension (HH:MM:SS resp. HH.MMSS):"), ra_);
  form->addRow(q("&Deklination (GG:MM:SS resp. GG.MMSS):", "&Declination (GG:MM:SS resp. GG.MMSS):"), dec_);
  form->addRow(q("D&urchmesser (°):", "D&iameter (°):"), radius_);
  slider_ = new QSlider(Qt::Horizontal);
  slider_->setRange(5, 600);  // tenths of a degree
  slider_->setValue(rnd(usable_zoom_radius(radius) * 10.0));
  form->addRow(QString(), slider_);
  connect(slider_, &QSlider::sliderMoved, this, [this](int tenths) {
    radius_->setText(qtext(zoom_radius_text(tenths / 10.0)));
  });
  layout->addLayout(form);
  add_buttons(this, layout);
}

void TRektEingForm::accept() {
  const tzoom_entry e = check_zoom_entry(ra_->text().toStdString(), dec_->text().toStdString(),
                                         radius_->text().toStdString());
  if (!e.ok()) {
    messages_.show(e.message, std::string(kCaption), tmessage_icon::warning);
    QLineEdit* field = e.error == tzoom_field::ra ? ra_ : e.error == tzoom_field::dec ? dec_ : radius_;
    field->setFocus();
    field->selectAll();
    return;
  }
  entry_ = e;
  QDialog::accept();
}

// --- overview centre ------------------------------------------------------------------------

TUebersichtForm::TUebersichtForm(tmessage_service& messages, double ra_hours, QWidget* parent)
    : QDialog(parent), messages_(messages), hours_(ra_hours) {
  setWindowTitle(q("Zentrum der Übersichtskarte", "Move Equatorial View"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  ra_ = new QLineEdit(qtext(zoom_ra_text(ra_hours * 15.0)));
  form->addRow(q("&Rektaszension (HH:MM:SS resp. HH.MMSS):", "&Right Ascension (HH:MM:SS resp. HH.MMSS):"), ra_);
  layout->addLayout(form);
  add_buttons(this, layout);
}

void TUebersichtForm::accept() {
  const tzoom_entry e = check_zoom_entry(ra_->text().toStdString(), "0", "30");
  if (!e.ok()) {
    messages_.show(e.message, std::string(kCaption), tmessage_icon::warning);
    ra_->setFocus();
    ra_->selectAll();
    return;
  }
  hours_ = e.ra / 15.0;
  QDialog::accept();
}

// --- rotation -------------------------------------------------------------------------------

TDrehwinkelForm::TDrehwinkelForm(int drehwinkel, QWidget* parent) : QDialog(parent) {
  setWindowTitle(q("Karte drehen", "Rotate View"));
  static constexpr tbitext kChoices[] = {
      {"Süd", "South"}, {"Südost", "Southeast"}, {"Ost", "East"}, {"Nordost", "Northeast"}, {"Nord", "North"},
      {"Nordwest", "Northwest"}, {"West", "West"}, {"Südwest", "Southwest"}, {"Andere", "Others"},
  };
  auto* layout = new QVBoxLayout(this);
  auto* box = new QGroupBox(q("Blickrichtung", "View Direction"));
  auto* grid = new QGridLayout(box);
  choices_ = new QButtonGroup(this);
  for (int i = 0; i <= kRotateChoiceOther; ++i) {
    auto* b = new QRadioButton(qtext(kChoices[i].text()));
    choices_->addButton(b, i);
    grid->addWidget(b, i % 3, i / 3);
  }
  layout->addWidget(box);
  auto* row = new QHBoxLayout;
  spin_ = new QSpinBox;
  spin_->setRange(0, 360);
  spin_->setSuffix(QStringLiteral("°"));
  row->addWidget(new QLabel(q("Drehwinkel:", "Angle:")));
  row->addWidget(spin_);
  layout->addLayout(row);
  add_buttons(this, layout);
  spin_->setValue(((drehwinkel % 360) + 360) % 360);
  choices_->button(rotate_choice_of(spin_->value()))->setChecked(true);
  connect(choices_, &QButtonGroup::idClicked, this, [this](int id) {
    if (id == kRotateChoiceOther) return;
    syncing_ = true;
    spin_->setValue(rotate_degrees_of(id, spin_->value()));
    syncing_ = false;
  });
  connect(spin_, &QSpinBox::valueChanged, this, [this](int v) {
    if (!syncing_) choices_->button(rotate_choice_of(v))->setChecked(true);
  });
}

int TDrehwinkelForm::choice() const { return choices_->checkedId(); }

int TDrehwinkelForm::degrees() const { return rotate_degrees_of(choice(), spin_->value()) % 360; }

// --- colours ------------------------------------------------------------------------------------

TFarbmodForm::TFarbmodForm(int colour_mode, const tfarbtabelle& farben, const std::array<std::uint8_t, 4>& breiten,
                           QWidget* parent)
    : QDialog(parent), farben_(farben) {
  setWindowTitle(q("Farben wählen", "Colors"));
  auto* layout = new QVBoxLayout(this);
  mode_ = new QComboBox;
  for (int i = 0; i < kFarbmodusCount; ++i) mode_->addItem(qtext(colour_mode_name(i)));
  mode_->setCurrentIndex(colour_mode >= 0 && colour_mode < kFarbmodusCount ? colour_mode : farbmodus_automatisch);
  auto* mode_label = new QLabel(q("&Himmelshintergrund:", "Sky &Background:"));
  mode_label->setBuddy(mode_);
  layout->addWidget(mode_label);
  layout->addWidget(mode_);
  list_ = new QListWidget;
  for (int i = 0; i < kFarbenCount; ++i) {
    list_->addItem(qtext(drawing_element_name(i)));
    show_colour(i);
  }
  list_->setMinimumHeight(300);
  layout->addWidget(list_);
  auto* change = new QPushButton(q("Farbe &ändern...", "&Change Color..."));
  connect(change, &QPushButton::clicked, this, &TFarbmodForm::choose_colour);
  connect(list_, &QListWidget::itemDoubleClicked, this, &TFarbmodForm::choose_colour);
  layout->addWidget(change);
  auto* widths = new QGroupBox(q("Linienbreite der Milchstraße", "Line Widths of the Milky Way"));
  auto* wl = new QFormLayout(widths);
  for (int i = 0; i < 4; ++i) {
    widths_[i] = new QSpinBox;
    widths_[i]->setRange(1, 10);
    widths_[i]->setValue(std::clamp<int>(breiten[i], 1, 10));
    wl->addRow(qtext(drawing_element_name(20 + i)), widths_[i]);
  }
  layout->addWidget(widths);
  add_buttons(this, layout);
}

int TFarbmodForm::colour_mode() const { return mode_->currentIndex(); }

std::array<std::uint8_t, 4> TFarbmodForm::breiten() const {
  std::array<std::uint8_t, 4> b{};
  for (int i = 0; i < 4; ++i) b[i] = static_cast<std::uint8_t>(widths_[i]->value());
  return b;
}

void TFarbmodForm::show_colour(int i) { list_->item(i)->setIcon(swatch(farben_[i])); }

void TFarbmodForm::set_colour(int i, tfarbwert colour) {
  if (i < 0 || i >= kFarbenCount) return;
  farben_[i] = colour & 0xffffff;
  show_colour(i);
}

void TFarbmodForm::choose_colour() {
  const int i = list_->currentRow();
  if (i < 0) return;
  const QColor c = QColorDialog::getColor(qcolour(farben_[i]), this, list_->item(i)->text());
  if (c.isValid()) set_colour(i, farbe_rgb(c.red(), c.green(), c.blue()));
}

// --- limiting magnitudes -------------------------------------------------------------------------

TGrenzgrForm::TGrenzgrForm(const tgrenzgroessen& limits, int level, QWidget* parent) : QDialog(parent) {
  setWindowTitle(q("Grenzgrößen", "Magnitude Limits"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  sterne_ = magnitude_spin(0.0, level / 10.0, limits.sterne);
  nebel_ = magnitude_spin(-2.0, 20.0, limits.nebel);
  sao_ = magnitude_spin(0.0, 10.5, limits.sao);
  kleinkoerper_ = magnitude_spin(0.0, 30.0, limits.kleinkoerper);
  form->addRow(q("&Sterne:", "&Stars:"), sterne_);
  form->addRow(q("&Nebel, Sternhaufen, Galaxien:", "&Deep Sky Objects:"), nebel_);
  form->addRow(q("SAO/&PPM-Sterne (Sternkarte):", "SAO/&PPM Stars (Sky Map):"), sao_);
  form->addRow(q("Planetoiden und &Kometen:", "Asteroids and &Comets:"), kleinkoerper_);
  layout->addLayout(form);
  add_buttons(this, layout);
}

tgrenzgroessen TGrenzgrForm::limits() const {
  return {hundredths_of(sterne_), hundredths_of(nebel_), hundredths_of(sao_), hundredths_of(kleinkoerper_)};
}

// --- object groups ----------------------------------------------------------------------------------

TObjektgrForm::TObjektgrForm(const tobjektgruppen& groups, QWidget* parent) : QDialog(parent) {
  setWindowTitle(q("Objektgruppen auswählen", "Select Objects"));
  static constexpr tbitext kGroups[] = {
      {"O&ffene Sternhaufen, Kugelsternhaufen", "Open and &Globular Clusters"},
      {"&Diffuse und planetarische Nebel", "&Diffuse and planetary Nebulae"},
      {"&Galaxien", "G&alaxies"},
      {"&unbekannte/unsichere", "&unknown/uncertain"},
  };
  const bool on[] = {groups.haufen, groups.nebel, groups.galaxien, groups.unsicher};
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < 4; ++i) {
    boxes_[i] = new QCheckBox(qtext(kGroups[i].text()));
    boxes_[i]->setChecked(on[i]);
    layout->addWidget(boxes_[i]);
  }
  add_buttons(this, layout);
}

tobjektgruppen TObjektgrForm::groups() const {
  return {boxes_[0]->isChecked(), boxes_[1]->isChecked(), boxes_[2]->isChecked(), boxes_[3]->isChecked()};
}

}  // namespace sdro
