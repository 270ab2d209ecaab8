// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace sdro {

tchart_view::tchart_view(const QImage& bitmap, QWidget* parent) : QWidget(parent), bitmap_(bitmap) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void tchart_view::mouseMoveEvent(QMouseEvent* event) {
  if (on_mouse_move) on_mouse_move(event->pos().x(), event->pos().y());
  QWidget::mouseMoveEvent(event);
}

void tchart_view::chart_changed(int diameter) {
  if (size() != QSize(diameter, diameter)) setFixedSize(diameter, diameter);
  update();
}

void tchart_view::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect r = event->rect();
  if (!bitmap_.isNull()) {
    p.drawImage(r.topLeft(), bitmap_, r);
  } else {
    p.fillRect(r, Qt::black);
  }
  if (!painted_) {
    painted_ = true;
    if (on_first_paint) on_first_paint();
  }
}

}  // namespace sdro
