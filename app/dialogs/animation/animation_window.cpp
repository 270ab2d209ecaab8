// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/animation/animation_window.h"

#include <QAction>
#include <QFileDialog>
#include <QTimer>
#include <QToolBar>

#include "app/animation/animation_steps.h"
#include "app/dialogs/animation/timer_form.h"
#include "app/dialogs/animation/track_options_dialog.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "astro/language.h"
#include "chart/bodies/component/bodies_component.h"

namespace sdro {
namespace {

constexpr int kClockMs = 1000;

QString t(std::string_view de, std::string_view en) { return qtext(tr(de, en)); }

void clear_satellite_track(TKyr5Main& w) {
  if (tbodies_component* b = bodies_component(w.engine())) b->satellite_track().clear();
}

}  // namespace

tanimation_window::tanimation_window(TKyr5Main& window)
    : QObject(&window),
      window_(window),
      animator_(window.engine()),
      session_(window.engine(), bodies_component(window.engine()) ? bodies_component(window.engine())->track()
                                                                    : own_track_) {
  animator_.set_view(this);
  animator_.on_recording = [this] { session_.mark_unsaved(); };
  animator_.clear_satellite_track = [this] { clear_satellite_track(window_); };
  session_.on_changed = [this] {
    window_.refresh_window_texts();
    refresh_captions();
  };

  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, [this] { tick(); });
  clock_ = new QTimer(this);
  clock_->setInterval(kClockMs);
  connect(clock_, &QTimer::timeout, this, [this] { window_.refresh_window_texts(); });

  stop_bar_ = new QToolBar(&window);
  stop_bar_->setObjectName(QStringLiteral("stop_bar"));
  stop_bar_->setMovable(false);
  stop_ = stop_bar_->addAction(t("&STOP ANIMATION", "&Stop Animation"));
  stop_->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_F9)});
  stop_->setEnabled(false);
  connect(stop_, &QAction::triggered, this, [this] {
    animator_.stop();
    after_tick();
  });
  QAction* settings = stop_bar_->addAction(t("Einstellungen für Animationen", "Settings for Animations"));
  connect(settings, &QAction::triggered, this, [this] { show_settings(); });
  window.addToolBar(stop_bar_);
  stop_bar_->hide();
}

void tanimation_window::tick() {
  animator_.tick();
  after_tick();
}

void tanimation_window::after_tick() {
  window_.refresh_window_texts();
  refresh_captions();
}

void tanimation_window::animation_started(bool, int interval_ms) {
  QToolBar* bar = window_.tool_bar();
  tool_bar_was_visible_ = bar->isVisible();
  bar->hide();
  window_.commands().set_locked(true);
  stop_->setText(t("&STOP ANIMATION", "&Stop Animation"));
  stop_->setEnabled(true);
  stop_bar_->show();
  timer_->start(interval_ms);
}

void tanimation_window::animation_stopped() {
  timer_->stop();
  stop_->setEnabled(false);
  stop_bar_->hide();
  window_.commands().set_locked(false);
  window_.tool_bar()->setVisible(tool_bar_was_visible_);
}

void tanimation_window::interval_changed(int interval_ms) { timer_->start(interval_ms); }

std::optional<std::filesystem::path> tanimation_window::open_name() {
  const QString file = QFileDialog::getOpenFileName(
      &window_, t("Bahndatei öffnen", "Open Orbit Files"), {},
      t("Sidaro Bahndateien (*.sor);;Bahndateien (*.orb)", "Sidaro Orbit Files (*.sor);;Orbit Files (*.orb)"));
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(file.toStdString());
}

std::optional<std::filesystem::path> tanimation_window::save_name(const std::string& proposal) {
  const QString file = QFileDialog::getSaveFileName(&window_, t("Bahndatei speichern", "Save Orbit File"),
                                                    qtext(proposal),
                                                    t("Bahndateien (*.sor);;Bahndateien (*.orb)",
                                                      "Orbit Files (*.sor);;Orbit Files (*.orb)"));
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(file.toStdString());
}

void tanimation_window::toggle_real_time() {
  tengine& e = window_.engine();
  tkonfiguration& k = e.konfig();
  k.echtzeit = !k.echtzeit;
  clear_satellite_track(window_);
  window_.show_clock_panel(!k.echtzeit);
  if (k.echtzeit) {
    clock_->start();
    e.set_from_clock();
    e.flags().positionenneu = true;
  } else {
    clock_->stop();
  }
  window_.run_cycle();
}

void tanimation_window::show_settings() {
  tengine& e = window_.engine();
  TTimerform dialog(e.konfig().animation, animator_.running(), window_.messages(), &window_);
  if (dialog.exec() != QDialog::Accepted) return;
  tanimation a = dialog.result();
  a.startzeit = e.konfig().animation.startzeit;  // the running animation's start stays
  e.konfig().animation = a;
  animator_.settings_changed();
}

void tanimation_window::show_track_options() {
  tengine& e = window_.engine();
  TObjekteBahndatei dialog(e.konfig().bahndatei, &window_);
  if (dialog.exec() != QDialog::Accepted) return;
  e.konfig().bahndatei = dialog.result();
  e.flags().bildneu = true;
  window_.run_cycle();
}

void tanimation_window::date_step(int years, double days) {
  tengine& e = window_.engine();
  const auto next = years != 0 ? year_step(e.zeitort(), years) : mjd_step(e.zeitort(), days);
  if (!next) {
    e.messages().beep(tbeep::warning);
    return;
  }
  e.zeitort() = *next;
  clear_satellite_track(window_);
  e.flags().positionenneu = true;
  window_.run_cycle();
}

void tanimation_window::refresh_captions() {
  if (QAction* a = window_.commands().action("&Animation ein")) {
    a->setText(session_.open() ? t("&Berechnung ein", "&Start Calculation") : t("&Animation ein", "&Animation on"));
  }
}

}  // namespace sdro
