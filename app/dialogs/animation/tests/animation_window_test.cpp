// Animation, real time, date steps and track files in the main window: the
// menus lock while an animation runs and the stop button stands in for the
// tool bar; the commands follow their enabling rules; the caption names the
// track file; closing asks about unsaved points; the settings dialogs check
// their fields.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <fstream>

#include "app/dialogs/animation/animation_window.h"
#include "app/dialogs/animation/timer_form.h"
#include "app/dialogs/animation/track_options_dialog.h"
#include "app/dialogs/catalog/stars_component.h"
#include "app/main_window.h"
#include "app/state/tests/test_folder.h"
#include "chart/bodies/component/bodies_component.h"
#include "chart/component/sky_chart_component.h"

namespace sdro {
namespace {

/// Answers the next message box with `button` and keeps its text.
void answer_next_box(QMessageBox::StandardButton button, QString* text) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, button, text] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      if (text) *text = box->text();
      box->button(button)->click();
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
}

class AnimationWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testing::fresh_folder();
    const auto data = dir_ / "data";
    std::filesystem::create_directories(data);
    for (const char* f : {"sterne.dat", "linien.dat", "nebel_ext.dat"}) {
      std::filesystem::copy_file(std::filesystem::path(SDRO_SOURCE_DIR) / "data" / f, data / f);
    }
    std::filesystem::create_symlink("sterne.dat", data / "Sterne.dat");
    std::ofstream(dir_ / "sdro32.ini") << "[Settings]\nFirstRun=0\nLanguage=0\n[Window]\nTips of the day=0\n";
    cl_.datadir = data.string();
    cl_.ini = (dir_ / "sdro32.ini").string();
    w_ = std::make_unique<TKyr5Main>(cl_);
    add_stars_component(w_->engine());
    add_sky_chart_component(w_->engine());
    add_bodies_component(w_->engine());
    aw_ = add_animation_commands(*w_);
    ASSERT_TRUE(w_->start());
    w_->engine().konfig().kartengroesse = 300;
  }
  void TearDown() override {
    if (w_ && w_->isVisible()) {
      aw_->session().mark_unsaved();
      w_->engine().set_bahndatei_offen(false);  // nothing to ask about
      w_->close();
    }
    w_.reset();
    std::filesystem::remove_all(dir_);
  }
  QAction* command(const char* german) { return w_->commands().action(german); }
  void trigger(const char* german) {
    QAction* a = command(german);
    ASSERT_NE(a, nullptr) << german;
    w_->commands().refresh();
    ASSERT_TRUE(a->isEnabled()) << german;
    a->trigger();
  }

  std::filesystem::path dir_;
  tcommand_line cl_;
  std::unique_ptr<TKyr5Main> w_;
  tanimation_window* aw_ = nullptr;
};

TEST_F(AnimationWindow, RunningAnimationLocksTheMenusBehindTheStopButton) {
  tengine& e = w_->engine();
  e.konfig().animation.zurueck = true;
  const double start = e.zeitort().mjd;
  trigger("&Animation ein");
  EXPECT_TRUE(e.flags().animationlaeuft);
  EXPECT_TRUE(aw_->timer()->isActive());
  EXPECT_EQ(aw_->timer()->interval(), 100);
  EXPECT_FALSE(aw_->stop_bar()->isHidden());
  EXPECT_TRUE(w_->tool_bar()->isHidden());
  EXPECT_FALSE(command("Einen Ta&g vor")->isEnabled());
  EXPECT_FALSE(command("Datei &neu...")->isEnabled());
  EXPECT_FALSE(w_->commands().menu(tmenu::zeit_und_ort)->menuAction()->isEnabled());
  for (int i = 0; i < 3; ++i) aw_->tick();
  EXPECT_GT(e.zeitort().mjd, start + 1.9);
  aw_->stop_action()->trigger();
  EXPECT_FALSE(e.flags().animationlaeuft);
  EXPECT_FALSE(aw_->timer()->isActive());
  EXPECT_TRUE(aw_->stop_bar()->isHidden());
  EXPECT_FALSE(w_->tool_bar()->isHidden());
  EXPECT_TRUE(command("Einen Ta&g vor")->isEnabled());
  EXPECT_NEAR(e.zeitort().mjd, start, 1e-9) << "back at the start";
}

TEST_F(AnimationWindow, DateStepsAndTheirRange) {
  tengine& e = w_->engine();
  const double mjd = e.zeitort().mjd;
  trigger("Einen Ta&g vor");
  EXPECT_NEAR(e.zeitort().mjd, mjd + 1.0, 1e-9);
  trigger("Eine &Stunde zurück");
  EXPECT_NEAR(e.zeitort().mjd, mjd + 23.0 / 24, 1e-9);
  const int year = e.zeitort().year;
  trigger("Ein Ja&hr vor");
  EXPECT_EQ(e.zeitort().year, year + 1);
  e.zeitort().year = 9999;
  e.complete_instant();
  trigger("Ein Ja&hr vor");
  EXPECT_EQ(e.zeitort().year, 9999) << "refused";
  trigger("&Echtzeit");
  EXPECT_TRUE(e.konfig().echtzeit);
  w_->commands().refresh();
  EXPECT_FALSE(command("Einen Ta&g vor")->isEnabled());
  EXPECT_FALSE(command("&Animation ein")->isEnabled());
  trigger("&Echtzeit");
  EXPECT_FALSE(e.konfig().echtzeit);
}

TEST_F(AnimationWindow, TrackFileNamesTheCaptionAndTheStartCommand) {
  trigger("Datei &neu...");
  EXPECT_EQ(w_->windowTitle(), QStringLiteral("Sidaro 3.0 [unbenannt]"));
  w_->commands().menu(tmenu::zeit_und_ort)->aboutToShow();
  EXPECT_EQ(command("&Animation ein")->text(), QStringLiteral("&Berechnung ein"));
  EXPECT_TRUE(command("Datei s&chließen")->isEnabled());
  trigger("&Animation ein");
  for (int i = 0; i < 2; ++i) aw_->tick();
  aw_->stop_action()->trigger();
  EXPECT_FALSE(bodies_component(w_->engine())->track().empty());
  EXPECT_FALSE(aw_->session().saved());
  QString question;
  answer_next_box(QMessageBox::Yes, &question);
  trigger("Datei s&chließen");
  EXPECT_TRUE(question.contains(QStringLiteral("wurde verändert")));
  EXPECT_EQ(w_->windowTitle(), QStringLiteral("Sidaro 3.0"));
  EXPECT_EQ(command("&Animation ein")->text(), QStringLiteral("&Animation ein"));
}

TEST_F(AnimationWindow, ClosingAsksAboutUnsavedPoints) {
  trigger("Datei &neu...");
  add_track_point(bodies_component(w_->engine())->track(), {"Mars", 10.0, 10.0, 2024, 2460000.5});
  aw_->session().mark_unsaved();
  QString question;
  answer_next_box(QMessageBox::Yes, &question);
  w_->close();
  EXPECT_TRUE(question.contains(QStringLiteral("Sidaro 3.0 wirklich beenden")));
  EXPECT_FALSE(w_->isVisible());
}

TEST_F(AnimationWindow, SettingsDialogsCheckAndTakeTheirFields) {
  tanimation a;
  TTimerform form(a, false, w_->messages(), w_.get());
  form.field(tanimation_entry::schritte)->setText(QStringLiteral("1"));
  QString message;
  answer_next_box(QMessageBox::Ok, &message);
  form.accept();
  EXPECT_TRUE(message.contains(QStringLiteral("automatisches Beenden")));
  EXPECT_EQ(form.result().schritte, 300) << "refused: nothing taken";
  form.field(tanimation_entry::schritte)->setText(QStringLiteral("50"));
  form.accept();
  EXPECT_EQ(form.result().schritte, 50);

  tbahndatei b;
  TObjekteBahndatei options(b, w_.get());
  options.object(sonne)->setChecked(false);
  options.date_choice()->setCurrentIndex(3);
  const tbahndatei taken = options.result();
  EXPECT_FALSE(taken.objekte[sonne]);
  EXPECT_TRUE(taken.jahr_vierstellig);
}

}  // namespace
}  // namespace sdro
