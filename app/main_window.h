// The main window: owns one engine, turns commands into engine calls and
// shows the chart and the status line.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/commands.h"
#include "app/engine/engine.h"
#include "app/qt_messages.h"
#include "app/tip_list.h"

class QLabel;
class QScrollArea;
class QTimer;
class QToolBar;

namespace sdro {

class tchart_view;

class TKyr5Main : public QMainWindow {
  Q_OBJECT
 public:
  explicit TKyr5Main(tcommand_line command_line);
  ~TKyr5Main() override;

  tengine& engine() { return *engine_; }
  tcommand_table& commands() { return *commands_; }
  tmessage_service& messages() { return messages_; }
  /// The status panels of the planetary and the lunar theory.
  QLabel& planet_theory_panel() { return *panels_.planetentheorie; }
  QLabel& lunar_theory_panel() { return *panels_.mondtheorie; }

  /// The first show: splash, initialisation, command-line configuration.
  /// False when the initialisation failed (the window then closes).
  bool start();

  // --- commands used by the menus -------------------------------------------------
  void open_configuration();
  void save_configuration();
  void save_configuration_as();
  void toggle_language();
  void show_tip_of_the_day();
  /// Runs the cycle and refreshes caption, menus and status line.
  void run_cycle();

  // --- the chart area ----------------------------------------------------------------
  tchart_view& chart_view() { return *chart_; }
  QScrollArea& chart_scroll() { return *scroll_; }
  /// Shows a text in the coordinates panel of the status line (the sky
  /// under the mouse); the next status refresh writes its own text there.
  void show_coordinates(const std::string& text);

  // --- what subsystems plug into the window --------------------------------------------
  /// The tool bar (made on first use).
  QToolBar* tool_bar();
  /// Gives the caption while it returns a text (the open orbit-track file);
  /// otherwise the configuration's caption is shown.
  std::function<std::optional<std::string>()> caption_source;
  /// Asked in turn before the window closes; one that returns false keeps it open.
  std::vector<std::function<bool()>> close_checks;
  /// Caption and status line anew (the clock of the real-time mode).
  void refresh_window_texts();
  /// The clock panel of the status line, shown when `on` and its setting
  /// allow it (the real-time mode hides it).
  void show_clock_panel(bool on);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_status_bar();
  void refresh_status();
  void refresh_caption();
  void place_window();
  void keep_window_place();
  void first_paint();
  void set_busy(bool on);
  void sync_realtime_timer();
  QString dialog_folder() const;

  tcommand_line command_line_;
  tqt_messages messages_;
  std::unique_ptr<tengine> engine_;
  std::unique_ptr<tcommand_table> commands_;
  QScrollArea* scroll_ = nullptr;
  tchart_view* chart_ = nullptr;
  struct tpanels {
    QLabel* datum = nullptr;
    QLabel* koordinaten = nullptr;
    QLabel* fortschritt = nullptr;
    QLabel* aequatorzentrum = nullptr;
    QLabel* katalog = nullptr;
    QLabel* planetentheorie = nullptr;
    QLabel* mondtheorie = nullptr;
    QLabel* grenzgroesse = nullptr;
    QLabel* uhr = nullptr;
  } panels_;
  QTimer* clock_timer_ = nullptr;
  QTimer* realtime_timer_ = nullptr;  ///< runs while `echtzeit` is on
  QToolBar* tool_bar_ = nullptr;
  bool busy_ = false;
  std::array<ttip_list, 2> tips_;  ///< German, English; each read once per run
};

/// The commands of the shell itself (file, configuration and help menus).
void add_shell_commands(TKyr5Main& window);

}  // namespace sdro
