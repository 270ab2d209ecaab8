// TTimerform, the animation settings ("Einstellungen für Animationen"): the
// mode, the steps, the direction, the way back to the start, the automatic
// stop and the interval of the timer. It edits a copy; the caller takes
// result() after OK. Fields are checked when they are left and on OK; a
// refused field keeps the dialog open.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "app/animation/settings_entries.h"
#include "app/state/animation_settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QGroupBox;

namespace sdro {

class tmessage_service;

class TTimerform : public QDialog {
  Q_OBJECT
 public:
  /// While an animation runs the mode and "Z&um Ausgangsdatum zurück" stay as they are.
  TTimerform(const tanimation& settings, bool running, tmessage_service& messages, QWidget* parent = nullptr);

  const tanimation& result() const { return settings_; }
  QLineEdit* field(tanimation_entry which) const;

  void accept() override;

 private:
  void show_mode();
  bool check(tanimation_entry which);
  tanimation_entries entries() const;

  tanimation settings_;
  tmessage_service& messages_;
  QGroupBox* mode_ = nullptr;
  QRadioButton* systemzeit_ = nullptr;
  QRadioButton* zeitintervall_ = nullptr;
  QRadioButton* sternzeit_ = nullptr;
  QLineEdit* tage_ = nullptr;
  QLineEdit* zeit_ = nullptr;
  QLineEdit* sterntage_ = nullptr;
  QLineEdit* schritte_ = nullptr;
  QCheckBox* rueckwaerts_ = nullptr;
  QCheckBox* zurueck_ = nullptr;
  QCheckBox* beenden_ = nullptr;
  QSlider* intervall_ = nullptr;
  QLabel* intervall_text_ = nullptr;
};

}  // namespace sdro
