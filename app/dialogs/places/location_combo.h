// The drop-down list that shows a location list `Orttabelle`: its items are
// the names in list order; choosing one selects the entry (which fills the
// current place and notifies the owner).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace sdro {

class Orttabelle;

class tlocation_combo : public QComboBox {
  Q_OBJECT
 public:
  tlocation_combo(Orttabelle& table, QWidget* parent = nullptr);
  /// Rebuilds the items from the list (after a load).
  void refill();
  /// Shows the list's current entry without choosing it again.
  void show_current();

 private:
  Orttabelle& table_;
  bool filling_ = false;
};

}  // namespace sdro
