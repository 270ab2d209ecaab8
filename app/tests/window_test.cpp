// The main window on the offscreen platform: start, menus in the settings'
// language, and commands that run through the engine.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>

#include <fstream>

#include "app/main_window.h"
#include "app/state/tests/test_folder.h"

namespace sdro {
namespace {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = sdro::testing::fresh_folder();
    std::filesystem::create_directories(dir / "data");
    std::ofstream(dir / "data" / "Sterne.dat") << "";
    std::ofstream(dir / "sdro32.ini") << "[Settings]\nFirstRun=0\nLanguage=1\n[Window]\nTips of the day=0\n";
    cl.datadir = (dir / "data").string();
    cl.ini = (dir / "sdro32.ini").string();
  }
  std::filesystem::path dir;
  tcommand_line cl;
};

QStringList menu_titles(QMainWindow& w) {
  QStringList titles;
  for (QAction* a : w.menuBar()->actions()) {
    if (a->isVisible()) titles << a->text();
  }
  return titles;
}

TEST_F(WindowTest, StartsInTheLanguageOfTheSettingsAndSwitches) {
  TKyr5Main w(cl);
  ASSERT_TRUE(w.start());
  EXPECT_EQ(menu_titles(w), (QStringList{"&File", "&Configuration", "&?"}));
  w.toggle_language();
  EXPECT_EQ(menu_titles(w), (QStringList{"&Datei", "K&onfiguration", "&?"}));
  QAction* english = w.commands().action("Englische Version");
  ASSERT_TRUE(english);
  EXPECT_FALSE(english->isChecked());
  english->trigger();
  EXPECT_TRUE(english->isChecked());
  EXPECT_EQ(w.commands().action("Datei &neu")->text(), "Datei &neu") << "no English caption: German stays";
  w.close();
}

TEST_F(WindowTest, F2SuspendsAndResumesTheCalculation) {
  TKyr5Main w(cl);
  ASSERT_TRUE(w.start());
  QAction* f2 = w.commands().action("Berechung &aussetzen");
  ASSERT_TRUE(f2);
  EXPECT_EQ(f2->shortcut(), QKeySequence(Qt::Key_F2));
  f2->trigger();
  EXPECT_FALSE(w.engine().flags().berechnungein);
  f2->trigger();
  EXPECT_TRUE(w.engine().flags().berechnungein);
  w.close();
}

TEST_F(WindowTest, OrderlyEndWritesTheSettingsFile) {
  {
    TKyr5Main w(cl);
    ASSERT_TRUE(w.start());
    w.engine().settings().turn_maps = 33;
    w.close();
  }
  const tinifile ini = tinifile::load(dir / "sdro32.ini");
  EXPECT_EQ(ini.read_integer("Settings", "TurnMaps", 0), 33);
  EXPECT_EQ(ini.read_string("Daten", "Path", ""), (dir / "data").string());
  EXPECT_FALSE(ini.read_bool("Settings", "FirstRun", true));
}

}  // namespace
}  // namespace sdro

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
