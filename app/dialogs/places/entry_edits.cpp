// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/places/entry_edits.h"

#include <QKeyEvent>

#include "app/qt_text.h"
#include "app/state/messages.h"
#include "astro/calendar.h"
#include "places/clock_entry.h"
#include "places/date_entry.h"

namespace sdro {
namespace {

/// Applies a key filter to a typed character: true when the event was handled
/// here (dropped, or replaced by `filter`'s character), false when the widget
/// should process it as it is.
bool filter_key(QLineEdit& edit, QKeyEvent* event, char (*filter)(char)) {
  const QString t = event->text();
  if (t.size() != 1 || !t[0].isPrint() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    return false;
  }
  const char16_t c = t[0].unicode();
  const char mapped = c < 128 ? filter(static_cast<char>(c)) : 0;
  if (mapped == 0) {
    event->accept();
    return true;
  }
  if (mapped == c) return false;
  edit.insert(QString(QChar(mapped)));
  event->accept();
  return true;
}

}  // namespace

// --- time edit ---------------------------------------------------------------------

TUhrzeitEdit::TUhrzeitEdit(bool with_seconds, QWidget* parent) : QLineEdit(parent), seconds_(with_seconds) {
  setMaxLength(with_seconds ? 8 : 5);
  connect(this, &QLineEdit::textEdited, this, &TUhrzeitEdit::text_edited);
  connect(this, &QLineEdit::returnPressed, this, &TUhrzeitEdit::leave);
  setUhrzeit(0.0);
}

double TUhrzeitEdit::reading() const { return uhrzeit_ + kClockReadingBias; }

void TUhrzeitEdit::setUhrzeit(double hours) {
  const tclock_entry e = read_clock_entry(format_clock_entry(hours, seconds_), seconds_);
  uhrzeit_ = accepted_ = e.hours;
  setText(qtext(format_clock_entry(uhrzeit_, seconds_)));
  emit uhrzeit_changed(uhrzeit_);
}

bool TUhrzeitEdit::text_is_valid() const {
  return read_clock_entry(text().toStdString(), seconds_).state != tclock_entry::refused;
}

void TUhrzeitEdit::text_edited(const QString& text) {
  const tclock_entry e = read_clock_entry(text.toStdString(), seconds_);
  if (e.state != tclock_entry::accepted) return;
  uhrzeit_ = e.hours;
  emit uhrzeit_changed(uhrzeit_);
}

void TUhrzeitEdit::leave() {
  const tclock_entry e = read_clock_entry(text().toStdString(), seconds_);
  if (e.state == tclock_entry::refused) {
    const bool changed = uhrzeit_ != accepted_;
    uhrzeit_ = accepted_;
    setText(qtext(format_clock_entry(uhrzeit_, seconds_)));
    if (changed) emit uhrzeit_changed(uhrzeit_);
    emit refused();
    return;
  }
  accepted_ = uhrzeit_;
  setText(qtext(format_clock_entry(uhrzeit_, seconds_)));
}

void TUhrzeitEdit::keyPressEvent(QKeyEvent* event) {
  if (!filter_key(*this, event, filter_clock_key)) QLineEdit::keyPressEvent(event);
}

void TUhrzeitEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  leave();
}

// --- date edit -----------------------------------------------------------------------

TAstroDatumEdit::TAstroDatumEdit(tmessage_service& messages, std::function<tclock_reading()> today,
                                 QWidget* parent)
    : QLineEdit(parent), messages_(messages), today_(std::move(today)) {
  connect(this, &QLineEdit::returnPressed, this, &TAstroDatumEdit::commit);
  take(1, 1, 2000, false);
}

double TAstroDatumEdit::pJulDateUntergrenze() const { return kMinJulianDate; }
double TAstroDatumEdit::pJulDateObergrenze() const { return kMaxJulianDate; }

bool TAstroDatumEdit::set_jd(double jd) {
  if (!julian_date_in_range(jd)) {
    const tdate_message m = date_range_message();
    messages_.beep(tbeep::error);
    messages_.show(m.message, m.caption, tmessage_icon::error);
    return false;
  }
  const tcalendar_date d = jd_to_calendar(jd);
  return take(d.day, d.month, d.year, true);
}

bool TAstroDatumEdit::set_date(int day, int month, int year) { return take(day, month, year, true); }

bool TAstroDatumEdit::set_day(int day) { return date_exists(day, month_, year_) && take(day, month_, year_, true); }
bool TAstroDatumEdit::set_month(int month) {
  return date_exists(day_, month, year_) && take(day_, month, year_, true);
}
bool TAstroDatumEdit::set_year(int year) { return date_exists(day_, month_, year) && take(day_, month_, year, true); }

bool TAstroDatumEdit::take(int day, int month, int year, bool report) {
  tdate_message m;
  if (!date_exists(day, month, year)) {
    m = missing_date_message(day, month, year);
  } else if (const double jd = calendar_to_jd(day, month, year, 0.0); !julian_date_in_range(jd)) {
    m = date_range_message();
  } else {
    const bool changed = jd != jd_;
    jd_ = jd;
    day_ = day;
    month_ = month;
    year_ = year;
    show_date();
    if (changed) emit date_changed();
    return true;
  }
  if (report) {
    messages_.beep(tbeep::error);
    messages_.show(m.message, m.caption, tmessage_icon::error);
  }
  return false;
}

bool TAstroDatumEdit::commit() {
  if (busy_) return false;
  const tdate_entry e = read_date_entry(text().toStdString(), today_());
  if (e.state == tdate_entry::empty) {
    show_date();
    return true;
  }
  if (e.state == tdate_entry::accepted) return take(e.day, e.month, e.year, false);
  // The previous date is back before the box opens, so that leaving the edit
  // for the box does not read the refused text a second time.
  show_date();
  busy_ = true;
  messages_.beep(tbeep::error);
  messages_.show(e.message, e.caption, tmessage_icon::error);
  busy_ = false;
  return false;
}

void TAstroDatumEdit::show_date() { setText(qtext(format_date_entry(day_, month_, year_))); }

void TAstroDatumEdit::keyPressEvent(QKeyEvent* event) {
  if (!filter_key(*this, event, filter_date_key)) QLineEdit::keyPressEvent(event);
}

void TAstroDatumEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  commit();
}

}  // namespace sdro
