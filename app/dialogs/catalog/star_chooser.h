// Tsternwahldialog: finds a star of the loaded star list by its name.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "app/dialogs/catalog/chooser_parts.h"
#include "catalog/star_record.h"

namespace sdro {

class Tsternwahldialog : public QDialog {
  Q_OBJECT
 public:
  /// `level` is the loading level (tenths of a magnitude) shown in the title;
  /// with `search_on_button_only` the search runs on the button, otherwise on
  /// every change of the text.
  Tsternwahldialog(const tsterne_list& stars, int level, bool search_on_button_only, QWidget* parent = nullptr);

  /// The chosen star's index in the star list, −1 when none was found.
  long star_index() const { return index_; }
  QString designation() const;
  /// Runs the search for a text as if it had been typed.
  void search_for(const QString& text);

 private:
  void search();

  const tsterne_list& stars_;
  tchooser_parts parts_;
  long index_ = -1;
};

}  // namespace sdro
