// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "app/qt_text.h"

namespace sdro {
namespace {

QString q(std::string_view s) { return qtext(s); }

QMessageBox::Icon icon_of(tmessage_icon icon) {
  switch (icon) {
    case tmessage_icon::information: return QMessageBox::Information;
    case tmessage_icon::warning: return QMessageBox::Warning;
    case tmessage_icon::error: return QMessageBox::Critical;
    case tmessage_icon::question: return QMessageBox::Question;
    case tmessage_icon::none: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void tqt_messages::show(std::string_view text, std::string_view caption, tmessage_icon icon) {
  QMessageBox box(icon_of(icon), q(caption), q(text), QMessageBox::Ok, parent_);
  box.exec();
}

bool tqt_messages::ask_yes_no(std::string_view text, std::string_view caption, tmessage_icon icon) {
  QMessageBox box(icon_of(icon), q(caption), q(text), QMessageBox::Yes | QMessageBox::No, parent_);
  return box.exec() == QMessageBox::Yes;
}

bool tqt_messages::ask_ok_cancel(std::string_view text, std::string_view caption, tmessage_icon icon) {
  QMessageBox box(icon_of(icon), q(caption), q(text), QMessageBox::Ok | QMessageBox::Cancel, parent_);
  return box.exec() == QMessageBox::Ok;
}

void tqt_messages::beep(tbeep) { QApplication::beep(); }

}  // namespace sdro
