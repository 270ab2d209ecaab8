// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animation/animator.h"

#include "app/animation/animation_steps.h"
#include "app/engine/engine.h"
#include "astro/language.h"

namespace sdro {

bool tanimator::running() const { return engine_.flags().animationlaeuft; }

bool tanimator::may_start() const {
  return !engine_.konfig().echtzeit && engine_.flags().berechnungein && !(busy && busy());
}

void tanimator::start(bool backwards) {
  if (running()) {
    stop();
    return;
  }
  if (!may_start()) return;
  tanimation& a = engine_.konfig().animation;
  a.rueckwaerts = backwards;
  counter_ = 1;
  first_tick_ = true;
  if (clear_satellite_track) clear_satellite_track();
  if (engine_.flags().berechnungein) a.startzeit = engine_.zeitort();
  engine_.flags().animationlaeuft = true;
  if (engine_.flags().bahndateioffen && on_recording) on_recording();
  if (view_) view_->animation_started(backwards, animation_interval_ms(a));
}

void tanimator::stop() {
  if (!running()) return;
  if (view_) view_->animation_stopped();
  engine_.flags().animationlaeuft = false;
  const tanimation& a = engine_.konfig().animation;
  if (a.zurueck) {
    engine_.zeitort() = a.startzeit;
    engine_.complete_instant();
  }
  engine_.flags().positionenneu = true;
  engine_.zyklus();
}

bool tanimator::tick() {
  if (!running()) return false;
  const tanimation& a = engine_.konfig().animation;
  if (a.automatisch_beenden && a.schritte < counter_) {
    stop();
    return false;
  }
  ++counter_;
  if (advance()) return true;
  stop();
  report_range_left();
  return false;
}

void tanimator::single_step(bool backwards) {
  if (running()) return;
  engine_.konfig().animation.rueckwaerts = backwards;
  first_tick_ = false;
  if (!advance()) report_range_left();
}

void tanimator::settings_changed() {
  if (running() && view_) view_->interval_changed(animation_interval_ms(engine_.konfig().animation));
}

bool tanimator::advance() {
  const tanimation& a = engine_.konfig().animation;
  if (a.systemzeit) {
    engine_.set_from_clock();
  } else {
    // With a track file open, the first tick records the starting instant.
    const bool hold = first_tick_ && engine_.flags().bahndateioffen;
    first_tick_ = false;
    if (!hold) {
      const auto next = animation_step(engine_.zeitort().mjd, animation_step_days(a), a.rueckwaerts);
      if (!next) return false;  // the instant stays at the last valid step
      set_instant_mjd(engine_.zeitort(), *next);
    }
  }
  engine_.flags().positionenneu = true;
  engine_.zyklus();
  return true;
}

void tanimator::report_range_left() {
  engine_.messages().show(tr("Der für Zeitraum, in dem Sidaro 3.0 gültige Ergebnisse liefert, wurde überschritten.",
                             "Invalid Date for Calculations with Sidaro 3.0."),
                          tr("Die Animation wurde beendet", "Animation stoped"), tmessage_icon::information);
}

}  // namespace sdro
