// The common behaviour of the date, time and place dialogs: a rejected field
// is reported at once and sets the error flag; the next OK after it is
// refused once (the click that left the field is not also a confirmation);
// Cancel always closes. OK runs the dialog's own checks in their order.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace sdro {

class tmessage_service;

class tentry_dialog : public QDialog {
  Q_OBJECT
 public:
  tentry_dialog(tmessage_service& messages, QWidget* parent);

  void accept() override;
  void reject() override;
  /// True while a rejected field waits for the refused OK.
  bool error_flag() const { return error_; }

  /// Shows the box of a rejected field and sets the error flag.
  void refuse_field(const std::string& message, const std::string& caption);
  /// Shows the box of a rejection found by OK (no error flag).
  void refuse(const std::string& message, const std::string& caption);
  /// Calls `check` when the edit is left (Return or focus loss) with a changed text.
  void on_leave(QLineEdit* edit, std::function<void()> check);
  tmessage_service& messages() { return messages_; }

 protected:
  /// Checks every field in order and takes the values; false keeps the dialog open.
  virtual bool check_and_take() = 0;
  /// OK and Cancel (OK with `ok_text` when given), added below `content`.
  QDialogButtonBox* add_buttons(QLayout* content, const QString& ok_text = {});

 private:
  tmessage_service& messages_;
  bool error_ = false;
  bool reporting_ = false;
};

/// A label whose mnemonic focuses `buddy`.
QLabel* buddy_label(const std::string& text, QWidget* buddy);

}  // namespace sdro
