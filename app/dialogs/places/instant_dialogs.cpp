// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/places/instant_dialogs.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "app/dialogs/places/entry_edits.h"
#include "app/dialogs/places/places_session.h"
#include "app/qt_text.h"
#include "astro/calendar.h"
#include "astro/language.h"
#include "places/clock_entry.h"
#include "places/entry_checks.h"
#include "places/instant_entry.h"

namespace sdro {
namespace {

void add_row(QFormLayout* form, std::string_view label, QWidget* field) {
  form->addRow(buddy_label(std::string(label), field), field);
}

}  // namespace

// --- day with fraction -------------------------------------------------------------------

TTagbrForm::TTagbrForm(tplaces_session& session, const tzeitort& z, QWidget* parent)
    : tentry_dialog(session.messages(), parent), z_(z) {
  setWindowTitle(qtext(sdro::tr("Datum mit Tagesbruchteil eingeben", "Date as Day with Fraction")));
  const tday_fraction d = day_fraction_of(z);
  year_ = new QLineEdit(QString::number(d.year));
  month_ = new QLineEdit(QString::number(d.month));
  day_ = new QLineEdit(qtext(format_day_fraction(d.day)));
  auto* form = new QFormLayout;
  add_row(form, sdro::tr("&Jahr:", "&Year:"), year_);
  add_row(form, sdro::tr("&Monat:", "&Month:"), month_);
  add_row(form, sdro::tr("Tag und &Bruchteil (UT):", "Day with &Fraction (UT):"), day_);
  add_buttons(form);
}

bool TTagbrForm::check_and_take() {
  tday_fraction d;
  const tday_fraction_check r =
      check_day_fraction(year_->text().toStdString(), month_->text().toStdString(), day_->text().toStdString(), d);
  if (!r.ok) {
    refuse(r.message, r.caption);
    return false;
  }
  set_instant_from_day_fraction(z_, d);
  return true;
}

// --- universal time ----------------------------------------------------------------------

TUTForm::TUTForm(tplaces_session& session, const tzeitort& z, QWidget* parent)
    : tentry_dialog(session.messages(), parent), z_(z) {
  setWindowTitle(qtext(sdro::tr("UT eingeben", "Enter UT")));
  date_ = new TAstroDatumEdit(session.messages(), [&session] { return session.today(); });
  time_ = new TEditUhrzeithms;
  const tcalendar_date ut = mjd_to_calendar(z.mjd);
  date_->set_date(ut.day, ut.month, ut.year);
  time_->setUhrzeit(ut.hour);
  auto* form = new QFormLayout;
  add_row(form, sdro::tr("&Datum (tt.mm.jjjj): ", "&Date (dd.mm.yyyy): "), date_);
  add_row(form, sdro::tr("&UT:", "&UT:"), time_);
  add_buttons(form);
  connect(time_, &TUhrzeitEdit::refused, this, [this] { refuse_field(clock_entry_message(true), {}); });
}

bool TUTForm::check_and_take() {
  if (!date_->commit()) return false;
  if (!time_->text_is_valid()) {
    refuse(clock_entry_message(true), {});
    return false;
  }
  set_instant_from_ut(z_, date_->day(), date_->month(), date_->year(), time_->reading());
  return true;
}

// --- Julian date -------------------------------------------------------------------------

TJDForm::TJDForm(tplaces_session& session, const tzeitort& z, QWidget* parent)
    : tentry_dialog(session.messages(), parent), z_(z) {
  setWindowTitle(qtext(sdro::tr("Julianisches Datum", "Julian Date")));
  jd_ = new QLineEdit(qtext(format_julian_date(z.mjd)));
  zone_ = new QSpinBox;
  zone_->setRange(-kMaxZone, kMaxZone);
  zone_->setValue(z.zone);
  minutes_ = new QSpinBox;
  minutes_->setRange(-kMaxAdditionalMinutes, kMaxAdditionalMinutes);
  minutes_->setValue(z.additional_minutes);
  auto* form = new QFormLayout;
  add_row(form, sdro::tr("&Julianisches Datum:", "&Julian Date:"), jd_);
  add_row(form, sdro::tr("Ze&itzone (Ost: positiv):", "Time Zo&ne (East: positiv):"), zone_);
  add_row(form, sdro::tr("Zusätzliche Differenz in Minuten:", "Additional Difference in Minutes:"), minutes_);
  add_buttons(form);
  on_leave(jd_, [this] {
    const tjulian_date_entry e = read_julian_date_entry(jd_->text().toStdString());
    if (e.state != tjulian_date_entry::refused) return;
    jd_->setFocus();
    refuse_field(e.message, {});
  });
}

bool TJDForm::check_and_take() {
  const tjulian_date_entry e = read_julian_date_entry(jd_->text().toStdString());
  if (e.state == tjulian_date_entry::refused) {
    jd_->setFocus();
    refuse(e.message, {});
    return false;
  }
  z_.zone = zone_->value();
  z_.additional_minutes = minutes_->value();
  set_instant_from_jd(z_, e.state == tjulian_date_entry::accepted ? e.jd : jd_from_mjd(z_.mjd));
  return true;
}

}  // namespace sdro
