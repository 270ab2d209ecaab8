// The animation, the real-time mode and the orbit-track files in the main
// window: the timers, the stop button that stands in for the tool bar while
// an animation runs, the file dialogs of the track commands, and the
// commands, tool buttons and shortcuts that drive them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "app/animation/animator.h"
#include "app/animation/track_session.h"

class QAction;
class QTimer;
class QToolBar;

namespace sdro {

class TKyr5Main;

class tanimation_window final : public QObject, public tanimation_view, public ttrack_dialogs {
  Q_OBJECT
 public:
  /// Needs the bodies component in the window's engine (for the track).
  explicit tanimation_window(TKyr5Main& window);

  tanimator& animator() { return animator_; }
  ttrack_session& session() { return session_; }
  QAction* stop_action() const { return stop_; }
  QToolBar* stop_bar() const { return stop_bar_; }
  QTimer* timer() const { return timer_; }

  // --- tanimation_view -------------------------------------------------------------
  void animation_started(bool backwards, int interval_ms) override;
  void animation_stopped() override;
  void interval_changed(int interval_ms) override;

  // --- ttrack_dialogs ---------------------------------------------------------------
  std::optional<std::filesystem::path> open_name() override;
  std::optional<std::filesystem::path> save_name(const std::string& proposal) override;

  // --- commands -----------------------------------------------------------------------
  void toggle_real_time();
  void show_settings();
  void show_track_options();
  /// A date step of the menu "&Ändern"; a refused step beeps.
  void date_step(int years, double days);
  /// The caption of "&Animation ein" ("&Berechnung ein" while a track file is open).
  void refresh_captions();
  /// What the animation timer runs: one step, then caption and status line.
  void tick();

 private:
  void after_tick();

  TKyr5Main& window_;
  tanimator animator_;
  tbahnliste own_track_;  ///< stands in when the engine draws no bodies
  ttrack_session session_;
  QTimer* timer_ = nullptr;
  QTimer* clock_ = nullptr;  ///< the system-time display of the real-time mode
  QToolBar* stop_bar_ = nullptr;
  QAction* stop_ = nullptr;
  bool tool_bar_was_visible_ = true;
};

/// Adds the commands, tool buttons and shortcuts of animation, real time,
/// date steps and orbit-track files to the window (after the bodies
/// component was added to its engine); the returned object lives as long
/// as the window.
tanimation_window* add_animation_commands(TKyr5Main& window);

}  // namespace sdro
