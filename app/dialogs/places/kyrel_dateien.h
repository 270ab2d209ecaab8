// The typed open dialog `KyrelDateien`: a file-open dialog for one kind of
// data file (location files, element files, configurations) that checks the
// chosen file's kind by its first line and reports a file of another kind.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

class QWidget;

namespace sdro {

class tmessage_service;

class KyrelDateien {
 public:
  KyrelDateien(tmessage_service& messages, QWidget* parent) : messages_(messages), parent_(parent) {}

  /// The kind ("orte", "ortebin", "planetoiden", "kometen", "variable", "konfig", "nil").
  std::string Kennung = "orte";
  /// "GERMAN" or "ENGLISH" (any other value means German).
  std::string strlanguage = "GERMAN";
  /// Title of the dialog; empty: the kind's title.
  QString title;
  /// Folder or file the dialog starts from.
  QString initial;

  /// Lets the user choose a file; true when one was chosen that passes the
  /// kind check (its name in `file_name`).
  bool execute();
  QString file_name;

 private:
  tmessage_service& messages_;
  QWidget* parent_;
};

}  // namespace sdro
