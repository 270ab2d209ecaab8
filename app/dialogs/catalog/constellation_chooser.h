// TFrmSternbildsuche: finds a constellation by its name.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "app/dialogs/catalog/chooser_parts.h"
#include "catalog/constellations.h"

class QListWidget;

namespace sdro {

class TFrmSternbildsuche : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmSternbildsuche(const tsternbildtabelle& labels, QWidget* parent = nullptr);
  /// The chosen entry 1..89 (the first entry when nothing is selected).
  int entry_number() const;
  /// Runs the search for a text as if it had been typed.
  void search_for(const QString& text);

 private:
  QListWidget* list_ = nullptr;
  tchooser_parts parts_;
};

}  // namespace sdro
