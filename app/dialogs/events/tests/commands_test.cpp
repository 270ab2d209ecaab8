// The commands in the main window: captions, shortcuts, the home place and the overview.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>

#include <fstream>

#include "app/dialogs/events/events_commands.h"
#include "app/dialogs/places/places_commands.h"
#include "app/main_window.h"
#include "app/state/tests/test_folder.h"

namespace sdro {
namespace {

class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = sdro::testing::fresh_folder();
    std::filesystem::create_directories(dir / "data");
    std::ofstream(dir / "data" / "Sterne.dat") << "";
    std::ofstream(dir / "sdro32.ini") << "[Settings]\nFirstRun=0\nLanguage=0\n[Window]\nTips of the day=0\n"
                                         "[Home]\nGB=-33,87\nGL=-151.21\nName=Sydney\nTimeZone=10\n";
    cl.datadir = (dir / "data").string();
    cl.ini = (dir / "sdro32.ini").string();
  }
  std::filesystem::path dir;
  tcommand_line cl;
};

TEST_F(CommandsTest, MenusHoldTheCommandsWithTheirShortcuts) {
  TKyr5Main w(cl);
  add_places_commands(w);
  add_events_commands(w);
  ASSERT_TRUE(w.start());
  struct tcase {
    const char* german;
    QKeySequence key;
  } cases[] = {
      {"&Datum und Ort eingeben...", QKeySequence(Qt::CTRL | Qt::Key_D)},
      {"&Julianisches Datum...", QKeySequence(Qt::SHIFT | Qt::Key_D)},
      {"&Tagesbruchteil...", QKeySequence()},
      {"UT Eingeben...", QKeySequence(Qt::CTRL | Qt::Key_U)},
      {"&Ort wählen...", QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"&Zurück zu Heimatort", QKeySequence()},
      {"Aktueller Ort als &Heimatort", QKeySequence()},
      {"A&uf Ereignis setzen...", QKeySequence()},
      {"&Zeit und Ort", QKeySequence(Qt::ALT | Qt::Key_F3)},
      {"Tagesübersicht Planeten", QKeySequence(Qt::Key_F3)},
  };
  for (const tcase& c : cases) {
    QAction* a = w.commands().action(c.german);
    ASSERT_TRUE(a) << c.german;
    EXPECT_EQ(a->shortcut(), c.key) << c.german;
  }
  w.toggle_language();
  EXPECT_EQ(w.commands().action("&Zurück zu Heimatort")->text(), "Ret&urn Home");
  EXPECT_EQ(w.commands().action("A&uf Ereignis setzen...")->text(), "&Set Time on Event...");

  // "Zurück zu Heimatort" takes the home place of the settings file.
  w.commands().action("&Zurück zu Heimatort")->trigger();
  EXPECT_EQ(w.engine().zeitort().place_name, "Sydney");
  EXPECT_DOUBLE_EQ(w.engine().zeitort().latitude, -33.87);
  EXPECT_DOUBLE_EQ(w.engine().zeitort().longitude, -151.21);
  EXPECT_EQ(w.engine().zeitort().zone, 10);

  // F3 shows the overview and hides it again.
  QAction* f3 = w.commands().action("Tagesübersicht Planeten");
  f3->trigger();
  w.commands().refresh();
  EXPECT_TRUE(f3->isChecked());
  f3->trigger();
  w.commands().refresh();
  EXPECT_FALSE(f3->isChecked());
  w.close();
}

}  // namespace
}  // namespace sdro
