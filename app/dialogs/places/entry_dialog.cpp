// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/places/entry_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/state/messages.h"
#include "astro/language.h"

namespace sdro {

tentry_dialog::tentry_dialog(tmessage_service& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {}

void tentry_dialog::accept() {
  if (error_) {
    error_ = false;
    return;
  }
  if (check_and_take()) QDialog::accept();
}

void tentry_dialog::reject() {
  error_ = false;
  QDialog::reject();
}

void tentry_dialog::refuse_field(const std::string& message, const std::string& caption) {
  error_ = true;
  refuse(message, caption);
}

void tentry_dialog::refuse(const std::string& message, const std::string& caption) {
  if (reporting_) return;
  reporting_ = true;
  messages_.show(message, caption, tmessage_icon::error);
  reporting_ = false;
}

QDialogButtonBox* tentry_dialog::add_buttons(QLayout* content, const QString& ok_text) {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QPushButton* ok = box->button(QDialogButtonBox::Ok);
  ok->setText(ok_text.isEmpty() ? QStringLiteral("&OK") : ok_text);
  QPushButton* cancel = box->button(QDialogButtonBox::Cancel);
  cancel->setText(qtext(sdro::tr("&Abbrechen", "&Cancel")));
  // Clicking them does not leave the field being edited, so Cancel closes
  // without a field check and OK runs the checks itself.
  ok->setFocusPolicy(Qt::NoFocus);
  cancel->setFocusPolicy(Qt::NoFocus);
  connect(box, &QDialogButtonBox::accepted, this, &tentry_dialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &tentry_dialog::reject);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(content);
  outer->addWidget(box);
  return box;
}

void tentry_dialog::on_leave(QLineEdit* edit, std::function<void()> check) {
  connect(edit, &QLineEdit::editingFinished, this, [this, edit, check = std::move(check)] {
    if (reporting_ || !edit->isModified()) return;
    edit->setModified(false);
    check();
  });
}

QLabel* buddy_label(const std::string& text, QWidget* buddy) {
  auto* label = new QLabel(qtext(text));
  label->setBuddy(buddy);
  return label;
}

}  // namespace sdro
