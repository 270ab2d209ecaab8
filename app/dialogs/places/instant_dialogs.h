// The three small instant dialogs: the day-fraction dialog `TTagbrForm`
// (year, month, day with fraction in UT), the universal-time dialog `TUTForm`
// (date and UT) and the Julian-date dialog `TJDForm` (JD, zone, additional
// minutes). Each edits a copy of the instant and place record; on OK the
// copy holds the new instant with its civil fields.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs/places/entry_dialog.h"
#include "astro/zeitort.h"

class QLineEdit;
class QSpinBox;

namespace sdro {

class TAstroDatumEdit;
class TEditUhrzeithms;
class tplaces_session;

class TTagbrForm : public tentry_dialog {
  Q_OBJECT
 public:
  TTagbrForm(tplaces_session& session, const tzeitort& z, QWidget* parent = nullptr);
  const tzeitort& edited() const { return z_; }
  QLineEdit* year_field() { return year_; }
  QLineEdit* month_field() { return month_; }
  QLineEdit* day_field() { return day_; }

 protected:
  bool check_and_take() override;

 private:
  tzeitort z_;
  QLineEdit* year_ = nullptr;
  QLineEdit* month_ = nullptr;
  QLineEdit* day_ = nullptr;
};

class TUTForm : public tentry_dialog {
  Q_OBJECT
 public:
  TUTForm(tplaces_session& session, const tzeitort& z, QWidget* parent = nullptr);
  const tzeitort& edited() const { return z_; }
  TAstroDatumEdit* date_edit() { return date_; }
  TEditUhrzeithms* time_edit() { return time_; }

 protected:
  bool check_and_take() override;

 private:
  tzeitort z_;
  TAstroDatumEdit* date_ = nullptr;
  TEditUhrzeithms* time_ = nullptr;
};

class TJDForm : public tentry_dialog {
  Q_OBJECT
 public:
  TJDForm(tplaces_session& session, const tzeitort& z, QWidget* parent = nullptr);
  const tzeitort& edited() const { return z_; }
  QLineEdit* jd_field() { return jd_; }
  QSpinBox* zone_spin() { return zone_; }
  QSpinBox* minutes_spin() { return minutes_; }

 protected:
  bool check_and_take() override;

 private:
  tzeitort z_;
  QLineEdit* jd_ = nullptr;
  QSpinBox* zone_ = nullptr;
  QSpinBox* minutes_ = nullptr;
};

}  // namespace sdro
