// The information on settings, place and time `TInfozeitortdlg`, in its
// full mode ("Informationen über Einstellungen, Ort, und Zeit") and its
// compact mode ("Uhrzeit ändern": the day's Sun and Moon and the event
// chooser only). On OK with an event chosen, `chosen_hours` holds the local
// clock time the chart is to be set to.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <optional>

#include "events/time_place_info.h"

class QComboBox;

namespace sdro {

class TInfozeitortdlg : public QDialog {
  Q_OBJECT
 public:
  enum class tmode { full, compact };
  TInfozeitortdlg(const ttime_place_info& info, tmode mode, QWidget* parent = nullptr);

  /// The chosen event's local time, or nothing for "Keine Änderung" (and before OK).
  std::optional<double> chosen_hours() const { return chosen_; }
  QComboBox* chooser() { return chooser_; }
  void accept() override;

 private:
  ttime_place_info info_;
  QComboBox* chooser_ = nullptr;
  std::optional<double> chosen_;
};

}  // namespace sdro
