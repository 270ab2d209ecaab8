// The tip of the day.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace sdro {

class ttip_list;

class TfrmTipdestages : public QDialog {
  Q_OBJECT
 public:
  /// Shows tips from `tips` (the list of the current language); the check box
  /// shows and sets `showtipsatstart`.
  TfrmTipdestages(ttip_list& tips, bool& showtipsatstart, QWidget* parent = nullptr);

 private:
  void next_tip();

  ttip_list& tips_;
  bool& show_at_start_;
  QLabel* text_;
  QPushButton* next_;
  QCheckBox* at_start_;
};

}  // namespace sdro
