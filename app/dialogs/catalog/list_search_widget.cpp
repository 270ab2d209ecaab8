// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/catalog/list_search_widget.h"

#include <QLabel>
#include <QListWidget>

#include <string>
#include <vector>


namespace sdro {

tlist_search_result search_list_widget(QListWidget& list, QLabel* label, const QString& query,
                                       int previous_best) {
  std::vector<std::string> entries;
  entries.reserve(static_cast<std::size_t>(list.count()));
  for (int i = 0; i < list.count(); ++i) entries.push_back(list.item(i)->text().toStdString());
  const tlist_search_result r = list_search(entries, query.toStdString(), [label](std::size_t i) {
    if (label) label->setText(QString::number(i));
  });
  if (label) label->setText(QString::fromStdString(r.label));
  if (r.index < 0) return r;
  const int row = static_cast<int>(r.index);
  const bool multi = list.selectionMode() == QAbstractItemView::MultiSelection ||
                     list.selectionMode() == QAbstractItemView::ExtendedSelection;
  if (multi && previous_best >= 0 && previous_best < list.count() && previous_best != row) {
    list.item(previous_best)->setSelected(false);
  }
  list.setCurrentRow(row, multi ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
  list.scrollToItem(list.item(row));
  return r;
}

}  // namespace sdro
