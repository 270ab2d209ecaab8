// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/catalog/deep_sky_chooser.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/catalog/list_search_widget.h"
#include "astro/language.h"

namespace sdro {

TNebelform::TNebelform(const tnebel_list& objects, bool search_on_button_only, QWidget* parent)
    : QDialog(parent),
      entries_(build_deep_sky_lists(objects)),
      parts_(build_chooser_parts(*this, qtext_of(sdro::tr("Nebel suchen", "Find Deep Sky Object")))) {
  auto* grid = new QGridLayout;
  const char* titles[] = {"Messier", "IC", "NGC"};
  for (int i = 0; i < 3; ++i) {
    auto* list = new QListWidget(this);
    for (const tdeep_sky_entry& e : entries_.of(static_cast<tdeep_sky_list>(i))) list->addItem(qtext_of(e.text));
    lists_[static_cast<std::size_t>(i)] = list;
    grid->addWidget(new QLabel(QString::fromLatin1(titles[i]), this), 0, i);
    grid->addWidget(list, 1, i);
    connect(list, &QListWidget::currentRowChanged, this, [this, i](int) { shown_ = static_cast<tdeep_sky_list>(i); });
  }
  parts_.layout->insertLayout(1, grid);
  connect(parts_.search, &QPushButton::clicked, this, [this] { search(); });
  if (!search_on_button_only) connect(parts_.query, &QLineEdit::textChanged, this, [this] { search(); });
}

void TNebelform::search_for(const QString& text) {
  parts_.query->setText(text);
  search();
}

void TNebelform::search() {
  const QString query = parts_.query->text();
  const tdeep_sky_list chosen = deep_sky_list_for_query(query.toStdString());
  QString label;
  for (const tdeep_sky_list l : {tdeep_sky_list::ic, tdeep_sky_list::ngc, tdeep_sky_list::messier}) {
    const tlist_search_result r = search_list_widget(*list_widget(l), parts_.result, query);
    if (l == chosen) label = qtext_of(r.label);
  }
  QListWidget* list = list_widget(chosen);
  if (list->currentRow() < 0 && list->count() > 0) list->setCurrentRow(0);
  shown_ = chosen;
  parts_.result->setText(label);
}

long TNebelform::object_index() const {
  const QListWidget* list = list_widget(shown_);
  const int row = list->currentRow();
  const auto& entries = entries_.of(shown_);
  if (row < 0 || row >= static_cast<int>(entries.size())) return -1;
  return static_cast<long>(entries[static_cast<std::size_t>(row)].index);
}

QString TNebelform::designation() const {
  const QListWidget* list = list_widget(shown_);
  return list->currentItem() ? list->currentItem()->text() : QString();
}

}  // namespace sdro
