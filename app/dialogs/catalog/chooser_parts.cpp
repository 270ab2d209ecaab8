// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/catalog/chooser_parts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "astro/language.h"

namespace sdro {

tchooser_parts build_chooser_parts(QDialog& dialog, const QString& title) {
  tchooser_parts p;
  dialog.setWindowTitle(title);
  p.layout = new QVBoxLayout(&dialog);
  auto* row = new QHBoxLayout;
  p.query = new QLineEdit(&dialog);
  p.search = new QPushButton(qtext_of(sdro::tr("&Suchen", "&Search")), &dialog);
  row->addWidget(p.query, 1);
  row->addWidget(p.search);
  p.layout->addLayout(row);
  p.result = new QLabel(&dialog);
  p.result->setMinimumWidth(240);
  p.layout->addWidget(p.result);
  p.buttons = new QDialogButtonBox(&dialog);
  p.buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  p.buttons->addButton(qtext_of(sdro::tr("Abbrechen", "Cancel")), QDialogButtonBox::RejectRole);
  p.layout->addWidget(p.buttons);
  QObject::connect(p.buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(p.buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return p;
}

}  // namespace sdro
