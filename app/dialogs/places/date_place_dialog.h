// The date-and-place dialog `TDatumortForm` ("Datum und Ort eingeben" /
// "Date and Location"), one form for both languages: date, time, ΔT, and the
// place with its zone and air, on a copy of the instant and place record.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs/places/entry_dialog.h"
#include "astro/zeitort.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace sdro {

class TAstroDatumEdit;
class TEditUhrzeithms;
class tplace_fields;
class tplaces_session;

class TDatumortForm : public tentry_dialog {
  Q_OBJECT
 public:
  /// Edits a copy of `z`; `keep_ut` is "Weltzeit beibehalten" of the main window
  /// (the place dialog opened from here starts with it and may change it).
  TDatumortForm(tplaces_session& session, const tzeitort& z, bool keep_ut, QWidget* parent = nullptr);

  /// The copy after OK: civil date and time, ΔT, zone and place (the caller
  /// completes the instant).
  const tzeitort& edited() const { return z_; }
  bool keep_ut() const { return keep_ut_; }

  TAstroDatumEdit* date_edit() { return date_; }
  TEditUhrzeithms* time_edit() { return time_; }
  QSpinBox* day_spin() { return day_; }
  QSpinBox* month_spin() { return month_; }
  QSpinBox* year_spin() { return year_; }
  QSpinBox* hours_spin() { return hours_; }
  QSpinBox* minutes_spin() { return minutes_; }
  QLineEdit* delta_t_field() { return delta_t_; }
  tplace_fields& fields() { return *fields_; }
  /// The buttons by their German caption ("&0 h UT", "UT", "Jet&zt", …).
  QPushButton* button(std::string_view german_caption) const;

 protected:
  bool check_and_take() override;

 private:
  void fill(const tzeitort& z);
  void date_spun();
  void date_typed();
  void time_spun();
  void time_typed(double hours);
  void automatic_toggled();
  void instant_changed();
  void show_delta_t(double seconds);
  void open_place_dialog();
  /// The record as the fields hold it now (without messages).
  tzeitort current() const;

  tplaces_session& session_;
  tzeitort z_;
  bool keep_ut_;
  bool syncing_ = false;
  TAstroDatumEdit* date_ = nullptr;
  QSpinBox* day_ = nullptr;
  QSpinBox* month_ = nullptr;
  QSpinBox* year_ = nullptr;
  TEditUhrzeithms* time_ = nullptr;
  QSpinBox* hours_ = nullptr;
  QSpinBox* minutes_ = nullptr;
  QSpinBox* seconds_ = nullptr;
  QLineEdit* delta_t_ = nullptr;
  QCheckBox* automatic_ = nullptr;
  tplace_fields* fields_ = nullptr;
  std::vector<std::pair<std::string_view, QPushButton*>> buttons_;
};

}  // namespace sdro
