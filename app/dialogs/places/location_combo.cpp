// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/places/location_combo.h"

#include "app/qt_text.h"
#include "places/location_table.h"

namespace sdro {

tlocation_combo::tlocation_combo(Orttabelle& table, QWidget* parent) : QComboBox(parent), table_(table) {
  setMaxVisibleItems(20);
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (!filling_ && index >= 0) table_.select(static_cast<std::size_t>(index));
  });
  refill();
}

void tlocation_combo::refill() {
  filling_ = true;
  clear();
  QStringList names;
  names.reserve(static_cast<qsizetype>(table_.size()));
  for (std::size_t i = 0; i < table_.size(); ++i) names << qtext(table_[i].name);
  addItems(names);
  filling_ = false;
  show_current();
}

void tlocation_combo::show_current() {
  filling_ = true;
  setCurrentIndex(table_.empty() ? -1 : table_.datensatznummer());
  filling_ = false;
}

}  // namespace sdro
