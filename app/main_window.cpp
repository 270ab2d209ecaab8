// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QSplashScreen>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>

#include "app/chart_view.h"
#include "app/qt_text.h"
#include "app/start_options.h"
#include "app/tip_dialog.h"

namespace sdro {
namespace {

QPixmap splash_picture() {
  QPixmap pixmap(420, 180);
  pixmap.fill(QColor(8, 8, 40));
  QPainter p(&pixmap);
  p.setPen(QColor(230, 230, 160));
  QFont font = p.font();
  font.setPixelSize(40);
  font.setBold(true);
  p.setFont(font);
  p.drawText(pixmap.rect().adjusted(0, -30, 0, 0), Qt::AlignCenter, QStringLiteral("Sidaro 3.0"));
  font.setPixelSize(14);
  font.setBold(false);
  p.setFont(font);
  p.drawText(pixmap.rect().adjusted(0, 70, 0, 0), Qt::AlignCenter,
             qtext(sdro::tr("Planetarium für den Schreibtisch", "A desktop planetarium")));
  return pixmap;
}

QLabel* panel(QStatusBar* bar, bool stretch = false) {
  auto* label = new QLabel;
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bar->addWidget(label, stretch ? 1 : 0);
  return label;
}

void set_panel(QLabel* label, const std::string& text) {
  label->setText(qtext(text));
  label->setVisible(!text.empty());
}

}  // namespace

TKyr5Main::TKyr5Main(tcommand_line command_line)
    : command_line_(std::move(command_line)),
      messages_(this),
      engine_(std::make_unique<tengine>(messages_)),
      commands_(std::make_unique<tcommand_table>(menuBar())) {
  setWindowTitle(qtext(kProgramCaption));
  scroll_ = new QScrollArea(this);
  scroll_->setBackgroundRole(QPalette::Dark);
  chart_ = new tchart_view(engine_->bitmap(), scroll_);
  scroll_->setWidget(chart_);
  setCentralWidget(scroll_);
  scroll_->hide();
  chart_->on_first_paint = [this] { QTimer::singleShot(0, this, [this] { first_paint(); }); };
  build_status_bar();

  engine_->on_menus = [this] {
    commands_->refresh();
    sync_realtime_timer();
  };
  engine_->on_status = [this] { refresh_status(); };
  engine_->on_bitmap = [this] { chart_->chart_changed(engine_->konfig().kartengroesse); };
  engine_->on_busy = [this](bool on) { set_busy(on); };
  add_shell_commands(*this);
}

TKyr5Main::~TKyr5Main() = default;

void TKyr5Main::build_status_bar() {
  QStatusBar* bar = statusBar();
  panels_.datum = panel(bar, true);
  panels_.koordinaten = panel(bar);
  panels_.fortschritt = panel(bar);
  panels_.aequatorzentrum = panel(bar);
  panels_.katalog = panel(bar);
  panels_.planetentheorie = panel(bar);
  panels_.mondtheorie = panel(bar);
  panels_.grenzgroesse = panel(bar);
  panels_.uhr = panel(bar);
  clock_timer_ = new QTimer(this);
  clock_timer_->setInterval(100);
  connect(clock_timer_, &QTimer::timeout, this, [this] {
    panels_.uhr->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
  });
  realtime_timer_ = new QTimer(this);
  connect(realtime_timer_, &QTimer::timeout, this, [this] {
    engine_->set_from_clock();
    engine_->flags().positionenneu = true;
    run_cycle();
  });
}

// Real-time mode: every `aktualisierungsintervall` seconds the instant comes
// from the computer's clock and the cycle runs.
void TKyr5Main::sync_realtime_timer() {
  const bool on = engine_->konfig().echtzeit && engine_->flags().initialisiert;
  const int interval = engine_->konfig().aktualisierungsintervall * 1000;
  if (!on) {
    realtime_timer_->stop();
  } else if (!realtime_timer_->isActive() || realtime_timer_->interval() != interval) {
    realtime_timer_->start(interval);
  }
}

bool TKyr5Main::start() {
  QSplashScreen splash(splash_picture(), Qt::WindowStaysOnTopHint);
  splash.show();
  QApplication::processEvents();
  const bool ok = engine_->initialisieren(start_options(command_line_, true));
  splash.close();
  if (!ok) return false;
  commands_->retranslate();  // the language is known from the settings now

  const tsettings& s = engine_->settings();
  statusBar()->setVisible(s.statusleiste);
  panels_.uhr->setVisible(s.panel_uhr);
  if (s.panel_uhr) clock_timer_->start();
  place_window();
  scroll_->show();
  for (const std::string& file : command_line_.files) {
    if (QFileInfo(qtext(file)).suffix().toUpper() == QStringLiteral("KCF")) {
      engine_->load_configuration(file);
      break;
    }
  }
  engine_->first_show();
  refresh_caption();
  refresh_status();
  chart_->chart_changed(engine_->konfig().kartengroesse);
  return true;
}

void TKyr5Main::first_paint() {
  if (!engine_->flags().startphase) return;
  engine_->first_paint();
  refresh_status();
  if (engine_->settings().showtipsatstart) show_tip_of_the_day();
}

void TKyr5Main::place_window() {
  const tsettings& s = engine_->settings();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  if (s.w > screen.width() || s.h > screen.height()) {
    setGeometry(0, 0, std::min(s.w, screen.width()), std::min(s.h, screen.height()));
  } else {
    setGeometry(s.x, s.y, s.w, s.h);
  }
  if (s.maximized) {
    // Without a window manager a maximize request does nothing; a saved
    // place smaller than half the screen (the first start's) then gives way
    // to most of the screen, so the chart is never a stamp.
    if (s.w < screen.width() / 2 || s.h < screen.height() / 2) {
      setGeometry(screen.adjusted(screen.width() / 10, screen.height() / 10, -screen.width() / 10,
                                  -screen.height() / 10));
    }
    showMaximized();
  } else {
    show();
  }
}

void TKyr5Main::keep_window_place() {
  tsettings& s = engine_->settings();
  s.maximized = isMaximized();
  if (!s.maximized) {
    const QRect g = normalGeometry();
    s.x = g.x();
    s.y = g.y();
    s.w = g.width();
    s.h = g.height();
  }
}

void TKyr5Main::closeEvent(QCloseEvent* event) {
  for (const auto& may_close : close_checks) {
    if (may_close && !may_close()) {
      event->ignore();
      return;
    }
  }
  if (engine_->flags().initialisiert) {
    keep_window_place();
    engine_->set_nachtabdunkelung(false);
    engine_->beenden();
  }
  event->accept();
}

void TKyr5Main::run_cycle() {
  engine_->zyklus();
  refresh_caption();
}

void TKyr5Main::show_coordinates(const std::string& text) {
  if (engine_->settings().panel_koordinaten) set_panel(panels_.koordinaten, text);
}

void TKyr5Main::refresh_caption() {
  const std::optional<std::string> own = caption_source ? caption_source() : std::nullopt;
  setWindowTitle(qtext(own ? *own : engine_->caption()));
}

void TKyr5Main::refresh_window_texts() {
  refresh_caption();
  refresh_status();
}

QToolBar* TKyr5Main::tool_bar() {
  if (!tool_bar_) {
    tool_bar_ = addToolBar(QStringLiteral("Symbolleiste"));
    tool_bar_->setObjectName(QStringLiteral("tool_bar"));
    tool_bar_->setMovable(false);
  }
  return tool_bar_;
}

void TKyr5Main::show_clock_panel(bool on) {
  const bool shown = on && engine_->settings().panel_uhr;
  panels_.uhr->setVisible(shown);
  if (shown) {
    clock_timer_->start();
  } else {
    clock_timer_->stop();
  }
}

void TKyr5Main::refresh_status() {
  if (!engine_->flags().initialisiert) return;
  const tstatuszeile s = engine_->statuszeile();
  const tsettings& set = engine_->settings();
  set_panel(panels_.datum, s.datum);
  set_panel(panels_.koordinaten, set.panel_koordinaten ? s.koordinaten : "");
  set_panel(panels_.fortschritt, set.panel_uhrzeit ? s.fortschritt : "");
  set_panel(panels_.aequatorzentrum, set.panel_aequatorzentrum ? s.aequatorzentrum : "");
  set_panel(panels_.katalog, set.panel_katalog ? s.katalog : "");
  set_panel(panels_.planetentheorie, set.panel_rechenverfahren ? s.planetentheorie : "");
  set_panel(panels_.mondtheorie, set.panel_rechenverfahren ? s.mondtheorie : "");
  set_panel(panels_.grenzgroesse, s.grenzgroesse);
  chart_->setCursor(engine_->flags().berechnungein ? Qt::ArrowCursor : Qt::ForbiddenCursor);
}

void TKyr5Main::set_busy(bool on) {
  if (on == busy_) return;
  busy_ = on;
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

QString TKyr5Main::dialog_folder() const {
  const std::string& name = engine_->konfiguration().dateiname();
  if (!name.empty()) return QFileInfo(qtext(name)).absolutePath();
  return qtext(engine_->datenverzeichnis().string());
}

void TKyr5Main::open_configuration() {
  const QString file = QFileDialog::getOpenFileName(
      this, qtext(sdro::tr("Konfigurationsdatei öffnen", "Open Configuration File")), dialog_folder(),
      qtext(sdro::tr("Konfigurationsdateien (*.kcf)", "Configuration Files (*.kcf)")));
  if (file.isEmpty()) return;
  engine_->load_configuration(file.toStdString());
  refresh_caption();
}

void TKyr5Main::save_configuration() {
  const std::string& name = engine_->konfiguration().dateiname();
  if (name.empty()) {
    save_configuration_as();
    return;
  }
  engine_->save_configuration(name);
  refresh_caption();
}

void TKyr5Main::save_configuration_as() {
  const std::string& name = engine_->konfiguration().dateiname();
  const QString proposal =
      name.empty() ? dialog_folder() + QStringLiteral("/sdro.kcf") : qtext(name);
  const QString file = QFileDialog::getSaveFileName(
      this, qtext(sdro::tr("Konfigurationsdatei speichern unter...", "Save Configuration File as...")),
      proposal, qtext(sdro::tr("Konfigurationsdateien (*.kcf)", "Configuration Files (*.kcf)")));
  if (file.isEmpty()) return;
  engine_->save_configuration(file.toStdString());
  refresh_caption();
}

void TKyr5Main::toggle_language() {
  engine_->set_language(current_language() == german ? english : german);
  commands_->retranslate();
  commands_->refresh();
  refresh_status();
}

void TKyr5Main::show_tip_of_the_day() {
  ttip_list& tips = tips_[current_language() == english ? 1 : 0];
  if (!tips.loaded()) tips.load(engine_->data_file(current_language() == english ? "tden.dat" : "td.dat"));
  TfrmTipdestages dialog(tips, engine_->settings().showtipsatstart, this);
  dialog.exec();
}

}  // namespace sdro
