// The chart area: shows the visible part of the engine's off-screen bitmap,
// scrolled by its scroll area; painting never recomputes.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

class QImage;

namespace sdro {

class tchart_view : public QWidget {
  Q_OBJECT
 public:
  explicit tchart_view(const QImage& bitmap, QWidget* parent = nullptr);
  /// The chart diameter changed or the bitmap was redrawn.
  void chart_changed(int diameter);
  /// Notified once, at the first paint.
  std::function<void()> on_first_paint;
  /// The mouse moved over the chart (bitmap coordinates).
  std::function<void(int x, int y)> on_mouse_move;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  const QImage& bitmap_;
  bool painted_ = false;
};

}  // namespace sdro
