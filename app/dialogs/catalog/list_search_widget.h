// The list search (catalog/list_search.h) on a Qt list: every chooser of the
// program finds its entries with it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "catalog/list_search.h"

class QLabel;
class QListWidget;

namespace sdro {

/// Searches the items of `list` for `query`: the best item becomes the
/// current, selected one (in a multi-selection list the previous best,
/// `previous_best`, is deselected, other selections stay); the label shows the
/// running index every 100 items, then the best item's text, "Nicht gefunden"
/// / "Not found", or nothing for an empty query. The result's index is the
/// best row (−1 when none).
tlist_search_result search_list_widget(QListWidget& list, QLabel* label, const QString& query,
                                       int previous_best = -1);

}  // namespace sdro
