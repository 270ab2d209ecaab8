// Clicks on widgets that have no click of their own, such as the panels of
// the status line: the theory panels switch the selection this way.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace sdro {

/// Runs `action` when the left mouse button, pressed on `widget`, is released
/// over it. The watcher is a child of the widget and ends with it.
void on_click(QWidget& widget, std::function<void()> action);

}  // namespace sdro
