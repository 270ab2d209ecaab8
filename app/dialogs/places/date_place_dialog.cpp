// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/places/date_place_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

#include "app/dialogs/places/entry_edits.h"
#include "app/dialogs/places/place_dialog.h"
#include "app/dialogs/places/place_fields.h"
#include "app/dialogs/places/places_session.h"
#include "app/qt_text.h"
#include "astro/instant.h"
#include "astro/language.h"
#include "astro/text_format.h"
#include "places/clock_entry.h"
#include "places/date_entry.h"
#include "places/instant_entry.h"

namespace sdro {
namespace {

QSpinBox* spin(int low, int high) {
  auto* s = new QSpinBox;
  s->setRange(low, high);
  return s;
}

/// Whole seconds of a time of day, as the time edit shows it.
long whole_seconds(double hours) { return static_cast<long>(std::floor(hours * 3600.0 + 0.005)) % 86400; }

}  // namespace

TDatumortForm::TDatumortForm(tplaces_session& session, const tzeitort& z, bool keep_ut, QWidget* parent)
    : tentry_dialog(session.messages(), parent), session_(session), z_(z), keep_ut_(keep_ut) {
  setWindowTitle(qtext(sdro::tr("Datum und Ort eingeben", "Date and Location")));
  date_ = new TAstroDatumEdit(session.messages(), [&session] { return session.today(); });
  day_ = spin(1, 31);
  month_ = spin(1, 12);
  year_ = spin(kMinYear, kMaxYear);
  time_ = new TEditUhrzeithms;
  hours_ = spin(0, 23);
  minutes_ = spin(0, 59);
  seconds_ = spin(0, 59);
  delta_t_ = new QLineEdit;
  automatic_ = new QCheckBox(qtext(sdro::tr("Näherungswert für ET-UT automatisch verwenden",
                                      "Use approximate value for ET-UT automatically")));
  fields_ = new tplace_fields(*this, tentry_form::date_and_place, true, tcoordinate_form::packed);

  const auto make_button = [this](std::string_view de, std::string_view en) {
    auto* b = new QPushButton(qtext(sdro::tr(de, en)));
    buttons_.emplace_back(de, b);
    return b;
  };
  QPushButton* zero_ut = make_button("&0 h UT", "&0 h UT");
  QPushButton* ut = make_button("UT", "UT");
  QPushButton* now = make_button("Jet&zt", "No&w");
  QPushButton* today = make_button("Heu&te", "To&day");
  QPushButton* approximate = make_button("N&äherung für ET-UT", "Appro&ximation for ET-UT");
  QPushButton* ephemeris = make_button("&Ephemeridenzeit", "&Ephemeris Time");
  QPushButton* places = make_button("Datei mit geographischen Koordinaten öffnen...", "Open File with geographic Locations");
  QPushButton* home = make_button("Als Heimatort definieren", "Set As Home");

  auto* grid = new QGridLayout;
  int row = 0;
  grid->addWidget(buddy_label(std::string(sdro::tr("&Datum (tt.mm.jjjj): ", "&Date (dd.mm.yyyy): ")), date_), row, 0);
  grid->addWidget(date_, row, 1);
  auto* date_spins = new QHBoxLayout;
  date_spins->addWidget(buddy_label(std::string(sdro::tr("Ta&g:", "Da&y:")), day_));
  date_spins->addWidget(day_);
  date_spins->addWidget(buddy_label(std::string(sdro::tr("&Monat:", "&Month:")), month_));
  date_spins->addWidget(month_);
  date_spins->addWidget(buddy_label(std::string(sdro::tr("&Jahr:", "&Year:")), year_));
  date_spins->addWidget(year_);
  grid->addLayout(date_spins, row++, 2);
  grid->addWidget(buddy_label(std::string(sdro::tr("&Uhrzeit:", "&Time:")), time_), row, 0);
  grid->addWidget(time_, row, 1);
  auto* time_spins = new QHBoxLayout;
  time_spins->addWidget(buddy_label(std::string(sdro::tr("&Stunden:", "&Hours:")), hours_));
  time_spins->addWidget(hours_);
  time_spins->addWidget(buddy_label(std::string(sdro::tr("Mi&nuten:", "Mi&nutes:")), minutes_));
  time_spins->addWidget(minutes_);
  time_spins->addWidget(buddy_label(std::string(sdro::tr("Se&kunden:", "Se&conds:")), seconds_));
  time_spins->addWidget(seconds_);
  grid->addLayout(time_spins, row++, 2);
  auto* time_buttons = new QHBoxLayout;
  for (QPushButton* b : {zero_ut, ut, now, today}) time_buttons->addWidget(b);
  grid->addLayout(time_buttons, row++, 1, 1, 2);
  grid->addWidget(buddy_label(std::string(sdro::tr("E&T-UT (sec):", "E&T-UT (sec):")), delta_t_), row, 0);
  grid->addWidget(delta_t_, row, 1);
  auto* delta_buttons = new QHBoxLayout;
  delta_buttons->addWidget(approximate);
  delta_buttons->addWidget(ephemeris);
  grid->addLayout(delta_buttons, row++, 2);
  grid->addWidget(automatic_, row++, 1, 1, 2);
  fields_->add_to(grid, row);
  auto* place_buttons = new QHBoxLayout;
  place_buttons->addWidget(places);
  place_buttons->addWidget(home);
  auto* content = new QVBoxLayout;
  content->addLayout(grid);
  content->addLayout(place_buttons);
  add_buttons(content);

  fill(z_);

  connect(day_, &QSpinBox::valueChanged, this, [this] { date_spun(); });
  connect(month_, &QSpinBox::valueChanged, this, [this] { date_spun(); });
  connect(year_, &QSpinBox::valueChanged, this, [this] { date_spun(); });
  connect(date_, &TAstroDatumEdit::date_changed, this, [this] { date_typed(); });
  connect(hours_, &QSpinBox::valueChanged, this, [this] { time_spun(); });
  connect(minutes_, &QSpinBox::valueChanged, this, [this] { time_spun(); });
  connect(seconds_, &QSpinBox::valueChanged, this, [this] { time_spun(); });
  connect(time_, &TUhrzeitEdit::uhrzeit_changed, this, [this](double h) { time_typed(h); });
  connect(time_, &TUhrzeitEdit::refused, this, [this] { refuse_field(clock_entry_message(true), {}); });
  connect(automatic_, &QCheckBox::toggled, this, [this] { automatic_toggled(); });
  on_leave(delta_t_, [this] {
    const tentry_check r = check_entry(tentry_form::date_and_place, tentry_field::delta_t, delta_t_->text().toStdString());
    if (r.state == tentry_check::refused) {
      show_delta_t(z_.delta_t);
      refuse_field(r.message, r.caption);
    }
  });
  connect(zero_ut, &QPushButton::clicked, this, [this] { time_->setUhrzeit(local_time_at_0h_ut(current())); });
  connect(ut, &QPushButton::clicked, this, [this] {
    tzeitort c = current();
    set_zone_to_ut(c);
    fields_->zone->setValue(c.zone);
    fields_->minutes->setValue(c.additional_minutes);
  });
  connect(now, &QPushButton::clicked, this, [this] {
    const tclock_reading t = session_.today();
    date_->set_date(t.day, t.month, t.year);
    time_->setUhrzeit(t.hours);
  });
  connect(today, &QPushButton::clicked, this, [this] {
    const tclock_reading t = session_.today();
    date_->set_date(t.day, t.month, t.year);
  });
  connect(approximate, &QPushButton::clicked, this, [this] { show_delta_t(approximate_delta_t(current())); });
  connect(ephemeris, &QPushButton::clicked, this, [this] { show_delta_t(0.0); });
  connect(places, &QPushButton::clicked, this, [this] { open_place_dialog(); });
  connect(home, &QPushButton::clicked, this, [this] {
    tzeitort here = z_;
    if (fields_->check_and_take(here, [this](const std::string& m, const std::string& c) { refuse(m, c); })) {
      session_.set_home(here);
    }
  });
}

QPushButton* TDatumortForm::button(std::string_view german_caption) const {
  for (const auto& [caption, b] : buttons_) {
    if (caption == german_caption) return b;
  }
  return nullptr;
}

void TDatumortForm::fill(const tzeitort& z) {
  syncing_ = true;
  date_->set_date(z.day, z.month, z.year);
  day_->setValue(z.day);
  month_->setValue(z.month);
  year_->setValue(z.year);
  syncing_ = false;
  time_->setUhrzeit(z.local_time);
  time_typed(time_->Uhrzeit());  // the spins, also before the signals are connected
  show_delta_t(z.delta_t);
  automatic_->setChecked(z.automatic_delta_t);
  automatic_toggled();
  fields_->show(z);
}

void TDatumortForm::show_delta_t(double seconds) {
  delta_t_->setText(qtext(point_to_comma(format_fixed_trimmed(1, seconds))));
}

void TDatumortForm::date_spun() {
  if (syncing_) return;
  syncing_ = true;
  // A day beyond the month's end becomes its last day: 31 April is 30 April,
  // 30 February the 28th or 29th, never a day of March.
  const int last = days_in_month(year_->value(), month_->value());
  if (day_->value() > last) day_->setValue(last);
  if (!date_->set_date(day_->value(), month_->value(), year_->value())) {
    day_->setValue(date_->day());
    month_->setValue(date_->month());
    year_->setValue(date_->year());
  }
  syncing_ = false;
  instant_changed();
}

void TDatumortForm::date_typed() {
  if (syncing_) return;
  syncing_ = true;
  day_->setValue(date_->day());
  month_->setValue(date_->month());
  year_->setValue(date_->year());
  syncing_ = false;
  instant_changed();
}

void TDatumortForm::time_spun() {
  if (syncing_) return;
  syncing_ = true;
  time_->setUhrzeit(hours_->value() + minutes_->value() / 60.0 + seconds_->value() / 3600.0);
  syncing_ = false;
  instant_changed();
}

void TDatumortForm::time_typed(double hours) {
  if (syncing_) return;
  syncing_ = true;
  const long s = whole_seconds(hours);
  hours_->setValue(static_cast<int>(s / 3600));
  minutes_->setValue(static_cast<int>(s / 60 % 60));
  seconds_->setValue(static_cast<int>(s % 60));
  syncing_ = false;
  instant_changed();
}

void TDatumortForm::automatic_toggled() {
  const bool automatic = automatic_->isChecked();
  delta_t_->setEnabled(!automatic);
  button("N&äherung für ET-UT")->setVisible(!automatic);
  button("&Ephemeridenzeit")->setVisible(!automatic);
  instant_changed();
}

void TDatumortForm::instant_changed() {
  if (automatic_->isChecked()) show_delta_t(approximate_delta_t(current()));
}

tzeitort TDatumortForm::current() const {
  tzeitort c = fields_->current(z_);
  c.day = date_->day();
  c.month = date_->month();
  c.year = date_->year();
  c.local_time = time_->reading();
  c.automatic_delta_t = automatic_->isChecked();
  const tentry_check dt = check_entry(tentry_form::date_and_place, tentry_field::delta_t, delta_t_->text().toStdString());
  if (dt.state == tentry_check::accepted) c.delta_t = dt.value;
  return c;
}

void TDatumortForm::open_place_dialog() {
  tzeitort c = current();
  instant_from_civil(c);
  TOrtwahldialog dialog(session_, c, keep_ut_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  keep_ut_ = dialog.keep_ut();
  take_place(c, dialog.edited(), keep_ut_);
  fill(c);
}

bool TDatumortForm::check_and_take() {
  const auto report = [this](const std::string& m, const std::string& c) { refuse(m, c); };
  if (!date_->commit()) return false;
  if (!time_->text_is_valid()) {
    time_->setFocus();
    report(clock_entry_message(true), {});
    return false;
  }
  tzeitort taken = current();
  const tentry_check dt = check_entry(tentry_form::date_and_place, tentry_field::delta_t, delta_t_->text().toStdString());
  if (dt.state == tentry_check::refused) {
    show_delta_t(z_.delta_t);
    delta_t_->setFocus();
    report(dt.message, dt.caption);
    return false;
  }
  if (!fields_->check_and_take(taken, report)) return false;
  z_ = taken;
  return true;
}

}  // namespace sdro
