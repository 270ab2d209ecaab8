// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/catalog/constellation_chooser.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/catalog/list_search_widget.h"
#include "astro/language.h"

namespace sdro {

TFrmSternbildsuche::TFrmSternbildsuche(const tsternbildtabelle& labels, QWidget* parent)
    : QDialog(parent), parts_(build_chooser_parts(*this, qtext_of(sdro::tr("Sternbild suchen", "Find Constellation")))) {
  list_ = new QListWidget(this);
  for (const tsternbildlabel& l : labels) list_->addItem(qtext_of(l.name));
  parts_.layout->insertWidget(1, list_);
  parts_.search->hide();  // the search runs on every change of the text
  connect(parts_.query, &QLineEdit::textChanged, this,
          [this](const QString& text) { search_list_widget(*list_, parts_.result, text); });
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void TFrmSternbildsuche::search_for(const QString& text) { parts_.query->setText(text); }

int TFrmSternbildsuche::entry_number() const { return list_->currentRow() >= 0 ? list_->currentRow() + 1 : 1; }

}  // namespace sdro
