// The edit components of the date and time dialogs: the time edit
// `TUhrzeitEdit` ("hh:mm"), its seconds variant `TEditUhrzeithms`
// ("hh:mm:ss") and the date edit `TAstroDatumEdit`, which holds a Julian date.
//
// The time edit reads its text on every change and keeps the last readable
// time in `Uhrzeit`; leaving it rewrites the text in the display form, or,
// when the text cannot be read, puts the last accepted time back and
// signals `refused`. The date edit reads its text when it is left and
// refuses an impossible date or one outside its Julian-date limits with a
// beep and a message box, keeping the previous date.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include <functional>

#include "astro/instant.h"

namespace sdro {

class tmessage_service;

class TUhrzeitEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TUhrzeitEdit(QWidget* parent = nullptr) : TUhrzeitEdit(false, parent) {}

  /// Decimal hours in [0, 24).
  double Uhrzeit() const { return uhrzeit_; }
  /// What dialogs take: Uhrzeit plus 5·10⁻⁸ h.
  double reading() const;
  /// Sets the time and shows it; both the live and the accepted value.
  void setUhrzeit(double hours);
  /// True when the current text can be read (an empty text counts as readable).
  bool text_is_valid() const;
  bool with_seconds() const { return seconds_; }

 signals:
  /// The time changed (typing or setUhrzeit).
  void uhrzeit_changed(double hours);
  /// The edit was left with a text that cannot be read; the last accepted time is back.
  void refused();

 protected:
  TUhrzeitEdit(bool with_seconds, QWidget* parent);
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void text_edited(const QString& text);
  void leave();
  bool seconds_;
  double uhrzeit_ = 0.0;
  double accepted_ = 0.0;
};

class TEditUhrzeithms : public TUhrzeitEdit {
  Q_OBJECT
 public:
  explicit TEditUhrzeithms(QWidget* parent = nullptr) : TUhrzeitEdit(true, parent) {}
};

class TAstroDatumEdit : public QLineEdit {
  Q_OBJECT
 public:
  /// `today` gives the computer's date for missing parts of a typed date.
  TAstroDatumEdit(tmessage_service& messages, std::function<tclock_reading()> today,
                  QWidget* parent = nullptr);

  double pJulDateUntergrenze() const;
  double pJulDateObergrenze() const;

  /// Julian date of 0 h of the shown date.
  double jd() const { return jd_; }
  int day() const { return day_; }
  int month() const { return month_; }
  int year() const { return year_; }
  /// Sets the date of a JD; outside the limits it beeps, shows the error box
  /// and keeps the previous date (false).
  bool set_jd(double jd);
  /// Sets a whole date; a date that does not exist, or lies outside the
  /// limits, is refused with its message (false).
  bool set_date(int day, int month, int year);
  /// Set one part alone; ignored (false) when the date would not exist.
  bool set_day(int day);
  bool set_month(int month);
  bool set_year(int year);
  /// Reads the text now (as leaving the edit does): false, with the message
  /// shown and the previous date back, when it is refused.
  bool commit();

 signals:
  /// The date changed (typed and accepted, or set).
  void date_changed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool take(int day, int month, int year, bool report);
  void show_date();
  tmessage_service& messages_;
  std::function<tclock_reading()> today_;
  double jd_ = 0.0;
  int day_ = 1, month_ = 1, year_ = 2000;
  bool busy_ = false;  // a message box of this edit is open
};

}  // namespace sdro
