// The catalogue commands of the main window on the shipped data: each chooser
// finds its object and the command goes on to the information or the zoom chart.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <fstream>
#include <functional>

#include "app/dialogs/catalog/catalog_commands.h"
#include "app/dialogs/catalog/constellation_chooser.h"
#include "app/dialogs/catalog/deep_sky_chooser.h"
#include "app/dialogs/catalog/star_chooser.h"
#include "app/dialogs/catalog/stars_component.h"
#include "app/main_window.h"
#include "app/state/tests/test_folder.h"
#include "astro/chart_kind.h"

namespace sdro {
namespace {

// Runs `f` on the next modal window of type T (polling the event loop that the
// modal window runs), then closes any message box that follows and keeps its text.
template <class T>
void when_modal(const std::function<void(T&)>& f, QString* message) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, f, message] {
    QWidget* w = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(w)) {
      if (message) *message = box->text();
      box->accept();
      timer->stop();
      timer->deleteLater();
    } else if (auto* d = qobject_cast<T*>(w)) {
      f(*d);
      if (!message) {
        timer->stop();
        timer->deleteLater();
      }
    }
  });
  timer->start();
}

class CatalogWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = sdro::testing::fresh_folder();
    const auto data = dir / "data";
    std::filesystem::create_directories(data);
    const auto shipped = std::filesystem::path(SDRO_SOURCE_DIR) / "data";
    for (const char* f : {"sterne.dat", "linien.dat", "nebel_ext.dat"}) {
      std::filesystem::copy_file(shipped / f, data / f);
    }
    std::filesystem::create_symlink("sterne.dat", data / "Sterne.dat");
    std::ofstream(dir / "sdro32.ini") << "[Settings]\nFirstRun=0\nLanguage=0\n[Window]\nTips of the day=0\n";
    cl.datadir = data.string();
    cl.ini = (dir / "sdro32.ini").string();
  }
  std::filesystem::path dir;
  tcommand_line cl;
};

TEST_F(CatalogWindow, ChoosersFindStarsDeepSkyObjectsAndConstellations) {
  TKyr5Main w(cl);
  add_stars_component(w.engine());
  add_catalog_commands(w);
  ASSERT_TRUE(w.start());
  tstars_component* c = stars_component(w.engine());
  ASSERT_TRUE(c && c->stars());
  EXPECT_GT(c->stars()->stars().size(), 4000u);
  EXPECT_GT(c->stars()->nebulae().size(), 10000u);
  EXPECT_GT(c->stars()->line_count(), 8921u);

  QString message;
  QAction* stars = w.commands().action("Ste&rne...");
  ASSERT_TRUE(stars);
  EXPECT_EQ(stars->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F11));
  when_modal<Tsternwahldialog>([](Tsternwahldialog& d) { d.search_for("Sirius"); d.accept(); }, &message);
  stars->trigger();
  EXPECT_TRUE(message.startsWith("Sirius, -1")) << message.toStdString();

  when_modal<TNebelform>([](TNebelform& d) { d.search_for("M 42"); d.accept(); }, &message);
  w.commands().action("&Nebel...")->trigger();
  EXPECT_TRUE(message.startsWith("M 42, diffuser Gasnebel")) << message.toStdString();

  when_modal<TFrmSternbildsuche>([](TFrmSternbildsuche& d) { d.search_for("Orion"); d.accept(); }, nullptr);
  w.commands().action("Stern&bilder")->trigger();
  EXPECT_EQ(w.engine().konfig().kartenart, ka_zoom);
  EXPECT_NEAR(w.engine().konfig().zoomkarte[0], 85.0, 2.0);
  EXPECT_NEAR(w.engine().konfig().zoomkarte[1], 3.0, 1.0);
  // Without zone files the command of the zone search is disabled.
  w.commands().refresh();
  EXPECT_FALSE(w.commands().action("SAO&/PPM...")->isEnabled());
  w.close();
}

}  // namespace
}  // namespace sdro
