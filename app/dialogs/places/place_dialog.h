// The place dialog `TOrtwahldialog`: a place from the location list or the
// Earth map, or typed, with the additional settings that no location file
// holds (additional minutes, height, temperature, pressure, refraction).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs/places/entry_dialog.h"
#include "astro/zeitort.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace sdro {

class tlocation_combo;
class tplace_fields;
class tplaces_session;

class TOrtwahldialog : public tentry_dialog {
  Q_OBJECT
 public:
  /// Edits the place of a copy of `z`; `keep_ut` is the initial state of "Weltzeit beibehalten".
  TOrtwahldialog(tplaces_session& session, const tzeitort& z, bool keep_ut, QWidget* parent = nullptr);
  ~TOrtwahldialog() override;

  /// The copy with the place taken on OK.
  const tzeitort& edited() const { return z_; }
  /// "Weltzeit beibehalten": keep UT instead of the local clock time when the zone changes.
  bool keep_ut() const;

  tplace_fields& fields() { return *fields_; }
  QLineEdit* search_field() { return search_; }
  QCheckBox* prefix_only() { return prefix_; }
  tlocation_combo* list() { return list_; }

 protected:
  bool check_and_take() override;

 private:
  void list_chosen();
  void show_file();
  void open_file();
  void choose_on_map();
  tplaces_session& session_;
  tzeitort z_;
  tplace_fields* fields_ = nullptr;
  tlocation_combo* list_ = nullptr;
  QLineEdit* search_ = nullptr;
  QCheckBox* prefix_ = nullptr;
  QCheckBox* keep_ut_ = nullptr;
  QLabel* file_ = nullptr;
};

}  // namespace sdro
