// The animation: the instant of the chart steps forward or backward by a
// fixed interval on a timer, or follows the computer's clock, and the
// recompute-redraw cycle runs after every step. While an orbit-track file
// is open the bodies' places are recorded at every instant (the first tick
// records the starting instant without moving).
//
// The animator holds the logic; the window supplies the view: it locks the
// menus, shows the stop button and runs the timer that calls tick().
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace sdro {

class tengine;

/// What the animation asks of the window.
class tanimation_view {
 public:
  virtual ~tanimation_view() = default;
  /// Menus and print commands locked, the tool bar replaced by the stop
  /// button with the direction pressed, the timer started.
  virtual void animation_started(bool backwards, int interval_ms) = 0;
  /// Everything back as it was; the timer stopped.
  virtual void animation_stopped() = 0;
  /// The settings changed while running: the timer takes the new interval.
  virtual void interval_changed(int interval_ms) = 0;
};

class tanimator {
 public:
  explicit tanimator(tengine& engine) : engine_(engine) {}

  void set_view(tanimation_view* view) { view_ = view; }
  /// Called when recording starts (the open track file gets unsaved points)
  /// and whenever the satellite track must be cleared.
  std::function<void()> on_recording;
  std::function<void()> clear_satellite_track;
  /// Whether other parts of the program forbid starting (the Earth-map
  /// loader at work).
  std::function<bool()> busy;

  bool running() const;
  /// Not in real-time mode, with calculation on, nothing busy.
  bool may_start() const;
  /// "&Animation ein": starts (or stops a running animation).
  void start(bool backwards);
  /// Stops; with "Z&um Ausgangsdatum zurück" the chart of the starting
  /// instant is shown again.
  void stop();
  /// One step of the running animation; false when it has stopped.
  bool tick();
  /// "Einzelschritt vorwärts" / "Einzelschritt rückwärts": one step without
  /// a running animation.
  void single_step(bool backwards);
  /// The settings dialog changed the interval.
  void settings_changed();

  /// Steps made since the start, plus one (the counter of the stop rule).
  int step_counter() const { return counter_; }

 private:
  /// Moves the instant by one step and runs the cycle; false (with the
  /// message) when the step would leave the valid dates.
  bool advance();
  void report_range_left();

  tengine& engine_;
  tanimation_view* view_ = nullptr;
  int counter_ = 0;
  bool first_tick_ = false;
};

}  // namespace sdro
