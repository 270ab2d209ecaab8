// TObjekteBahndatei, the settings of orbit-track files ("Einstellungen für
// Bahndateien"): which bodies a track records and how its points are
// labelled. It edits a copy; the caller takes result() after OK.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

#include "app/state/animation_settings.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace sdro {

class TObjekteBahndatei : public QDialog {
  Q_OBJECT
 public:
  explicit TObjekteBahndatei(const tbahndatei& settings, QWidget* parent = nullptr);

  /// The settings as the dialog shows them.
  tbahndatei result() const;
  QCheckBox* object(int slot) const { return objekte_[slot]; }
  QComboBox* name_choice() const { return name_; }
  QComboBox* date_choice() const { return datum_; }
  QCheckBox* time() const { return uhrzeit_; }
  QSpinBox* interval() const { return intervall_; }

 private:
  tbahndatei settings_;
  std::array<QCheckBox*, 12> objekte_{};
  QComboBox* name_ = nullptr;
  QComboBox* datum_ = nullptr;
  QCheckBox* uhrzeit_ = nullptr;
  QSpinBox* intervall_ = nullptr;
};

}  // namespace sdro
