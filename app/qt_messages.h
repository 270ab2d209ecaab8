// The message service on message boxes.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/messages.h"

class QWidget;

namespace sdro {

class tqt_messages : public tmessage_service {
 public:
  explicit tqt_messages(QWidget* parent = nullptr) : parent_(parent) {}
  void set_parent(QWidget* parent) { parent_ = parent; }
  void show(std::string_view text, std::string_view caption, tmessage_icon icon) override;
  bool ask_yes_no(std::string_view text, std::string_view caption, tmessage_icon icon) override;
  bool ask_ok_cancel(std::string_view text, std::string_view caption, tmessage_icon icon) override;
  void beep(tbeep kind) override;

 private:
  QWidget* parent_;
};

}  // namespace sdro
