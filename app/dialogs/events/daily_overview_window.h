// The daily overview window `TTagesuebers` ("Sonne, Mond und Planeten"): a
// table of the bodies' places and the day's events, and below it a small
// altitude–azimuth diagram of the bodies above the horizon. It stays on top,
// lives for the whole run and is refilled after every recompute while shown.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "events/daily_overview.h"

class QPushButton;
class QTableWidget;

namespace sdro {

class tengine;

/// The altitude–azimuth diagram: 1.5 pixels per degree, 360° by 90°.
class taltitude_diagram : public QWidget {
  Q_OBJECT
 public:
  explicit taltitude_diagram(QWidget* parent = nullptr);
  /// The rows to draw, the body colours (red in the low byte) and the azimuth counting.
  void set_rows(const toverview& overview, const std::array<int, 10>& colours, tazimutzaehlung origin);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  toverview overview_;
  std::array<int, 10> colours_{};
  tazimutzaehlung origin_ = azimutSued;
};

class TTagesuebers : public QWidget {
  Q_OBJECT
 public:
  explicit TTagesuebers(tengine& engine, QWidget* parent = nullptr);
  /// Fills the table and the diagram from the engine's instant and place.
  void refill();
  /// Texts in the current language (after a language switch).
  void retranslate();
  const toverview& overview() const { return overview_; }
  QTableWidget* table() { return table_; }
  taltitude_diagram* diagram() { return diagram_; }

 private:
  tengine& engine_;
  toverview overview_;
  QTableWidget* table_ = nullptr;
  taltitude_diagram* diagram_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace sdro
