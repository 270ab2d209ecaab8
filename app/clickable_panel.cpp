// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clickable_panel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace sdro {
namespace {

class tclick_watcher : public QObject {
 public:
  tclick_watcher(QWidget& widget, std::function<void()> action)
      : QObject(&widget), widget_(widget), action_(std::move(action)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &widget_) return false;
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
      return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    if (event->type() == QEvent::MouseButtonPress) {
      pressed_ = true;
    } else {
      const bool click = pressed_ && widget_.rect().contains(mouse->position().toPoint());
      pressed_ = false;
      if (click && action_) action_();
    }
    return false;
  }

 private:
  QWidget& widget_;
  std::function<void()> action_;
  bool pressed_ = false;
};

}  // namespace

void on_click(QWidget& widget, std::function<void()> action) {
  widget.installEventFilter(new tclick_watcher(widget, std::move(action)));
}

}  // namespace sdro
