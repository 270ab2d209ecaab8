// TNebelform: finds a deep-sky object in the Messier, IC and NGC lists.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

#include "app/dialogs/catalog/chooser_parts.h"
#include "catalog/deep_sky_lists.h"

class QListWidget;

namespace sdro {

class TNebelform : public QDialog {
  Q_OBJECT
 public:
  TNebelform(const tnebel_list& objects, bool search_on_button_only, QWidget* parent = nullptr);

  /// The chosen object's index in the deep-sky list, −1 when none.
  long object_index() const;
  /// Its text as listed ("M 42", "NGC 7000").
  QString designation() const;
  /// Runs the search for a text as if it had been typed.
  void search_for(const QString& text);

 private:
  void search();
  QListWidget* list_widget(tdeep_sky_list list) const { return lists_[static_cast<int>(list)]; }

  tdeep_sky_lists entries_;
  std::array<QListWidget*, 3> lists_{};  // Messier, IC, NGC
  tchooser_parts parts_;
  tdeep_sky_list shown_ = tdeep_sky_list::ngc;
};

}  // namespace sdro
