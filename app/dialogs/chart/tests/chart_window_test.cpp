// The sky chart commands in the main window on the shipped catalogues: chart
// kinds ticked and disabled, the zoom dialog with its checks, view
// directions, the diameter commands, night dimming and both languages.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "app/dialogs/catalog/stars_component.h"
#include "app/dialogs/chart/chart_commands.h"
#include "app/dialogs/chart/chart_dialogs.h"
#include "app/main_window.h"
#include "app/state/tests/test_folder.h"
#include "astro/chart_kind.h"
#include "astro/language.h"
#include "chart/component/sky_chart_component.h"

namespace sdro {
namespace {

/// Runs `f` on the next modal dialog of type T.
template <class T>
void when_modal(const std::function<void(T&)>& f) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, f] {
    if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      f(*d);
    }
  });
  timer->start();
}

/// Closes every message box that comes up and keeps the last text.
class tbox_closer {
 public:
  tbox_closer() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        text = box->text();
        box->accept();
      }
    });
    timer_.start();
  }
  QString text;

 private:
  QTimer timer_;
};

class ChartWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = sdro::testing::fresh_folder();
    const auto data = dir / "data";
    std::filesystem::create_directories(data);
    const auto shipped = std::filesystem::path(SDRO_SOURCE_DIR) / "data";
    for (const char* f : {"sterne.dat", "linien.dat", "nebel_ext.dat"}) std::filesystem::copy_file(shipped / f, data / f);
    std::filesystem::create_symlink("sterne.dat", data / "Sterne.dat");
    std::ofstream(dir / "sdro32.ini") << "[Settings]\nFirstRun=0\nLanguage=0\n[Window]\nTips of the day=0\n";
    cl.datadir = data.string();
    cl.ini = (dir / "sdro32.ini").string();
  }
  std::unique_ptr<TKyr5Main> window() {
    auto w = std::make_unique<TKyr5Main>(cl);
    add_stars_component(w->engine());
    add_sky_chart_component(w->engine());
    add_chart_commands(*w);
    EXPECT_TRUE(w->start());
    return w;
  }
  std::filesystem::path dir;
  tcommand_line cl;
};

TEST_F(ChartWindow, ChartKindsAreTickedAndDisabledWhileShown) {
  auto w = window();
  tengine& e = w->engine();
  QAction* sky = w->commands().action("Sichtbarer &Himmel");
  QAction* north = w->commands().action("&Nördlicher Sternhimmel");
  QAction* overview = w->commands().action("&Übersicht");
  ASSERT_TRUE(sky && north && overview);
  EXPECT_EQ(north->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
  w->commands().refresh();
  EXPECT_TRUE(sky->isChecked());
  EXPECT_FALSE(sky->isEnabled());
  north->trigger();
  EXPECT_EQ(e.konfig().kartenart, ka_nordhimmel);
  w->commands().refresh();
  EXPECT_TRUE(north->isChecked());
  EXPECT_FALSE(north->isEnabled());
  EXPECT_TRUE(sky->isEnabled());
  overview->trigger();
  EXPECT_EQ(e.konfig().kartenart, ka_horizont);
  EXPECT_EQ(e.konfig().kartenunterart, 1);
  // The zoom menu: "10°" is a radius of 5°.
  w->commands().action("10°")->trigger();
  EXPECT_EQ(e.konfig().kartenart, ka_zoom);
  EXPECT_DOUBLE_EQ(e.konfig().zoomkarte[2], 5.0);
  w->close();
}

TEST_F(ChartWindow, ZoomDialogTakesRightAscensionZeroAndRefusesBadFields) {
  auto w = window();
  tengine& e = w->engine();
  tbox_closer boxes;
  bool stayed_open = false;
  when_modal<TRektEingForm>(
      [&](TRektEingForm& d) {
        d.ra_field()->setText("24:00:00");
        d.accept();  // refused: the box comes up, the dialog stays
        stayed_open = d.isVisible();
        d.ra_field()->setText("00:00:00");
        d.dec_field()->setText("-16:42:58");
        d.radius_field()->setText("2,5");
        d.accept();
      });
  w->commands().action("&Kartenbereich festlegen...")->trigger();
  EXPECT_TRUE(stayed_open);
  EXPECT_EQ(boxes.text.toStdString(), "Rektaszension: muß >0 und <24 im Format hh:mm:ss sein!");
  EXPECT_EQ(e.konfig().kartenart, ka_zoom);
  EXPECT_DOUBLE_EQ(e.konfig().zoomkarte[0], 0.0);
  EXPECT_NEAR(e.konfig().zoomkarte[1], -16.716, 0.001);
  EXPECT_DOUBLE_EQ(e.konfig().zoomkarte[2], 2.5);
  w->close();
}

TEST_F(ChartWindow, ViewDirectionsDiameterAndMirror) {
  auto w = window();
  tengine& e = w->engine();
  QAction* east = w->commands().action("&Ost");
  ASSERT_TRUE(east);
  east->trigger();
  EXPECT_EQ(e.konfig().drehwinkel, 90);
  w->commands().refresh();
  EXPECT_TRUE(east->isChecked());
  EXPECT_FALSE(w->commands().action("&Nord")->isChecked());
  w->commands().action("S&eitenverkehrt")->trigger();
  EXPECT_EQ(e.konfig().spiegelung, -1);
  e.set_chart_diameter(185);
  w->commands().action("&Kleiner")->trigger();
  EXPECT_EQ(e.konfig().kartengroesse, 180);
  w->commands().refresh();
  EXPECT_FALSE(w->commands().action("&Kleiner")->isEnabled());
  e.set_chart_diameter(e.max_chart_size());
  w->commands().refresh();
  EXPECT_FALSE(w->commands().action("&Größer")->isEnabled());
  w->close();
}

TEST_F(ChartWindow, NightDimmingRedOnBlackAndBack) {
  auto w = window();
  tengine& e = w->engine();
  const tfarbtabelle day = e.konfig().farben;
  const QColor window_colour = QApplication::palette().color(QPalette::Window);
  w->commands().action("Nachtabdunkelun&g")->trigger();
  EXPECT_TRUE(e.nachtabdunkelung());
  EXPECT_EQ(e.konfig().farben[0], farbe_rgb(128, 0, 0));
  EXPECT_EQ(QApplication::palette().color(QPalette::WindowText), QColor(255, 0, 0));
  w->commands().refresh();
  EXPECT_FALSE(w->commands().action("&Farben wählen...")->isEnabled());
  // A configuration captured now holds the day colours.
  EXPECT_EQ(e.captured().farben, day);
  w->commands().action("Nachtabdunkelun&g")->trigger();
  EXPECT_FALSE(e.nachtabdunkelung());
  EXPECT_EQ(e.konfig().farben, day);
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), window_colour);
  w->close();
}

TEST_F(ChartWindow, CaptionsInBothLanguages) {
  auto w = window();
  QAction* rotate = w->commands().action("&Karte drehen...");
  ASSERT_TRUE(rotate);
  EXPECT_EQ(rotate->text(), "&Karte drehen...");
  w->toggle_language();
  EXPECT_EQ(rotate->text(), "&Rotate...");
  EXPECT_EQ(w->commands().action("&Übersicht")->text(), "&Equator Map");
  EXPECT_EQ(w->commands().action("0,5°")->text(), "0,5°");
  w->toggle_language();
  w->close();
}

// Every dialog in both languages with its caption; with SDRO_CHART_PNG set,
// the main window and each dialog are kept as PNG files for looking at them.
TEST_F(ChartWindow, DialogsInBothLanguages) {
  auto w = window();
  const char* png = std::getenv("SDRO_CHART_PNG");
  const auto keep = [png](QWidget& widget, const std::string& name) {
    widget.show();
    QApplication::processEvents();
    if (png) widget.grab().save(QString::fromStdString(std::string(png) + "/" + name + ".png"));
  };
  for (const tlanguage language : {german, english}) {
    LanguageScope scope(language);
    const std::string suffix = language == german ? "_de" : "_en";
    w->commands().retranslate();
    w->resize(1000, 760);
    keep(*w, "window" + suffix);
    for (const tmenu m : {tmenu::ansicht, tmenu::karte}) {
      QMenu* menu = w->commands().menu(m);
      menu->popup(w->mapToGlobal(QPoint(40, 30)));
      keep(*menu, std::string(m == tmenu::ansicht ? "menu_view" : "menu_map") + suffix);
      menu->hide();
    }
    tengine& e = w->engine();
    const tkonfiguration& k = e.konfig();
    TZoomfaktForm zoom(k.kartengroesse, e.max_chart_size(), w.get());
    TRektEingForm centre(e.messages(), 56.75, 24.12, 2.0, w.get());
    TUebersichtForm overview(e.messages(), 12.0, w.get());
    TDrehwinkelForm rotate(135, w.get());
    TFarbmodForm colours(5, k.farben, k.milchstrassebreite, w.get());
    TGrenzgrForm limits({k.grenzgroessesterne, k.grenzgroessenebel, k.grenzgroessesao, k.grenzgroessekleinkoerper},
                        e.settings().level, w.get());
    TObjektgrForm groups({true, true, true, false}, w.get());
    EXPECT_EQ(centre.windowTitle(), language == german ? "Umgebungskarte festlegen" : "Map Centre");
    EXPECT_EQ(groups.windowTitle(), language == german ? "Objektgruppen auswählen" : "Select Objects");
    EXPECT_EQ(rotate.choice(), 3);  // Nordost / Northeast
    EXPECT_EQ(rotate.degrees(), 135);
    EXPECT_EQ(centre.ra_field()->text(), "03:47:00");
    keep(zoom, "dialog_zoom" + suffix);
    keep(centre, "dialog_centre" + suffix);
    keep(overview, "dialog_overview" + suffix);
    keep(rotate, "dialog_rotate" + suffix);
    keep(colours, "dialog_colours" + suffix);
    keep(limits, "dialog_limits" + suffix);
    keep(groups, "dialog_groups" + suffix);
  }
  w->commands().retranslate();
  w->close();
}

}  // namespace
}  // namespace sdro
