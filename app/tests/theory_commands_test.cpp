// The theory selection in the main window: the settings-menu items and their
// ticks, the theory panels of the status line and their clicks, on the
// offscreen platform with stand-in theory libraries that only identify
// themselves.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include <fstream>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "app/state/tests/test_folder.h"
#include "app/theory_commands.h"
#include "ephem/theory_libraries.h"
#include "ephem/theory_selection.h"

namespace sdro {
namespace {

std::int32_t answers_112() { return 112; }
std::int32_t answers_113() { return 113; }
std::int32_t answers_17() { return 17; }
std::int32_t answers_0() { return 0; }
void moon_at_origin(double, double* x, double* y, double* z, double) { *x = *y = *z = 0.0; }

// Libraries that answer the identification as given (a wrong code or no
// library at all makes a library unusable).
ttheorylibraries libraries(bool d, bool c, bool elp) {
  ttheorylibraries l;
  l.ping_d = d ? answers_112 : answers_0;
  l.ping_c = c ? answers_113 : nullptr;
  l.ping_elp = elp ? answers_17 : answers_0;
  l.elp82b = moon_at_origin;
  return l;
}

// Notes each recomputation of the chart's positions and the planetary theory
// it was made with.
class trecompute_log : public tcomponent {
 public:
  explicit trecompute_log(std::vector<int>& log) : log_(log) {}
  std::string_view name() const override { return "recompute log"; }
  void compute_positions(tengine& e) override { log_.push_back(e.konfig().theorie.planet_theory); }

 private:
  std::vector<int>& log_;
};

constexpr const char* kNewcomb = "Newcombsche Theorien verwenden";
constexpr const char* kVsopD = "VSOP87 D verwenden";
constexpr const char* kVsopC = "VSOP87 C verwenden";
constexpr const char* kElp = "ELP2000-Mondtheorie verwenden";

class TheoryCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = sdro::testing::fresh_folder();
    std::filesystem::create_directories(dir / "data");
    std::ofstream(dir / "data" / "Sterne.dat") << "";
    std::ofstream(dir / "sdro32.ini")
        << "[Settings]\nFirstRun=0\nLanguage=1\n[Window]\nTips of the day=0\n";
    cl.datadir = (dir / "data").string();
    cl.ini = (dir / "sdro32.ini").string();
  }

  // A started window with the theory commands, past its first paint (from
  // then on every cycle refreshes the status line).
  std::unique_ptr<TKyr5Main> open(const ttheorylibraries& libs) {
    scope.reset();  // scopes nest: the previous one ends first
    scope = std::make_unique<tscopedtheorylibraries>(libs);
    auto w = std::make_unique<TKyr5Main>(cl);
    w->engine().add_component(std::make_unique<trecompute_log>(recomputed));
    add_theory_commands(*w);
    EXPECT_TRUE(w->start());
    for (int i = 0; i < 50 && w->engine().flags().startphase; ++i) QApplication::processEvents();
    EXPECT_FALSE(w->engine().flags().startphase);
    recomputed.clear();
    return w;
  }

  void TearDown() override { scope.reset(); }

  std::filesystem::path dir;
  tcommand_line cl;
  std::unique_ptr<tscopedtheorylibraries> scope;
  std::vector<int> recomputed;
};

void click(QWidget& widget) {
  const QPointF at = widget.rect().center();
  const QPointF global = widget.mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(&widget, &press);
  QApplication::sendEvent(&widget, &release);
}

// The ticks of the three planetary items and the lunar item as "NDC-L".
std::string ticks(TKyr5Main& w) {
  std::string s;
  for (const char* item : {kNewcomb, kVsopD, kVsopC, kElp}) {
    QAction* a = w.commands().action(item);
    if (!a) return "missing " + std::string(item);
    if (item == kElp) s += '-';
    s += a->isChecked() ? 'x' : '.';
  }
  return s;
}

std::string panels(TKyr5Main& w) {
  return w.planet_theory_panel().text().toStdString() + " / " +
         w.lunar_theory_panel().text().toStdString();
}

TEST_F(TheoryCommandsTest, MenuItemsTickAndPanelsFollowTheSelection) {
  auto w = open(libraries(true, true, true));
  ASSERT_EQ(ticks(*w), ".x.-.");  // plantheod answered: VSOP87 D from the start
  EXPECT_EQ(panels(*w), "VSOP87 D / Brown");
  const struct {
    const char* item;
    const char* ticks;
    const char* panels;
    int theory;
  } steps[] = {
      {kVsopC, "..x-.", "VSOP87 C / Brown", 2},
      {kVsopC, "x..-.", "Newcomb / Brown", 0},  // unticking falls back to the own series
      {kNewcomb, "x..-.", "Newcomb / Brown", 0},
      {kVsopD, ".x.-.", "VSOP87 D / Brown", 1},
      {kElp, ".x.-x", "VSOP87 D / ELP-2000/82", 1},
      {kNewcomb, "x..-x", "Newcomb / ELP-2000/82", 0},
      {kElp, "x..-.", "Newcomb / Brown", 0},
  };
  for (const auto& s : steps) {
    w->commands().action(s.item)->trigger();
    EXPECT_EQ(ticks(*w), s.ticks) << "after " << s.item;
    EXPECT_EQ(panels(*w), s.panels) << "after " << s.item;
    EXPECT_EQ(w->engine().konfig().theorie.planet_theory, s.theory) << "after " << s.item;
  }
  w->close();
}

TEST_F(TheoryCommandsTest, MenuCaptionsInBothLanguages) {
  auto w = open(libraries(true, true, true));
  const struct {
    const char* german;
    const char* english;
  } items[] = {
      {kNewcomb, "Use Newcomb Theories"},
      {kVsopD, "Use VSOP87 D"},
      {kVsopC, "Use VSOP87 C"},
      {kElp, "Use ELP2000-Moon Theory"},
  };
  QMenu* settings = w->commands().menu(tmenu::einstellungen);
  for (const auto& i : items) {
    QAction* a = w->commands().action(i.german);
    ASSERT_TRUE(a) << i.german;
    EXPECT_EQ(a->text(), i.english);
    EXPECT_TRUE(settings->actions().contains(a)) << i.german;
    EXPECT_TRUE(a->isCheckable());
  }
  EXPECT_EQ(settings->title(), "&Settings");
  w->toggle_language();
  for (const auto& i : items) EXPECT_EQ(w->commands().action(i.german)->text(), i.german);
  EXPECT_EQ(settings->title(), "&Einstellungen");
  EXPECT_EQ(ticks(*w), ".x.-.");
  EXPECT_EQ(panels(*w), "VSOP87 D / Brown");  // the same texts in German
  w->close();
}

TEST_F(TheoryCommandsTest, PlanetaryPanelCyclesThroughTheUsableTheories) {
  const struct {
    bool d, c;
    std::vector<int> theories;  // at the start, then after each click
  } cases[] = {
      {true, true, {1, 2, 0, 1, 2, 0}},
      {true, false, {1, 0, 1, 0}},
      {false, true, {0, 2, 0, 2}},
      {false, false, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    auto w = open(libraries(c.d, c.c, false));
    const char* names[] = {"Newcomb", "VSOP87 D", "VSOP87 C"};
    for (std::size_t i = 0; i < c.theories.size(); ++i) {
      if (i > 0) click(w->planet_theory_panel());
      const int theory = c.theories[i];
      EXPECT_EQ(w->engine().konfig().theorie.planet_theory, theory) << c.d << c.c << " click " << i;
      EXPECT_EQ(w->planet_theory_panel().text().toStdString(), names[theory]);
      EXPECT_TRUE(w->commands().action(std::vector{kNewcomb, kVsopD, kVsopC}[theory])->isChecked());
    }
    w->close();
  }
}

TEST_F(TheoryCommandsTest, LunarPanelAndItemToggleOnlyWithTheLunarLibrary) {
  for (const bool elp : {true, false}) {
    auto w = open(libraries(false, false, elp));
    const char* on = elp ? "ELP-2000/82" : "Brown";
    click(w->lunar_theory_panel());
    EXPECT_EQ(w->lunar_theory_panel().text().toStdString(), on);
    EXPECT_EQ(w->engine().konfig().theorie.lunar_library, elp ? 1 : 0);
    EXPECT_EQ(w->commands().action(kElp)->isChecked(), elp);
    w->commands().action(kElp)->trigger();
    EXPECT_EQ(w->lunar_theory_panel().text().toStdString(), "Brown");
    EXPECT_FALSE(w->commands().action(kElp)->isChecked());
    w->commands().action(kElp)->trigger();
    EXPECT_EQ(w->lunar_theory_panel().text().toStdString(), on);
    EXPECT_EQ(w->planet_theory_panel().text().toStdString(), "Newcomb");  // untouched
    w->close();
  }
}

TEST_F(TheoryCommandsTest, WithoutLibrariesEveryRequestChangesNothing) {
  auto w = open(libraries(false, false, false));
  tengine& e = w->engine();
  const std::size_t undo_before = e.undo().count();
  for (const char* item : {kVsopD, kVsopC, kNewcomb, kElp}) w->commands().action(item)->trigger();
  click(w->planet_theory_panel());
  click(w->lunar_theory_panel());
  EXPECT_TRUE(recomputed.empty());
  EXPECT_EQ(e.undo().count(), undo_before);
  EXPECT_EQ(ticks(*w), "x..-.");
  EXPECT_EQ(panels(*w), "Newcomb / Brown");
  w->close();
}

TEST_F(TheoryCommandsTest, EachChangeRecomputesTheChartWithTheNewTheory) {
  auto w = open(libraries(true, false, false));
  w->commands().action(kNewcomb)->trigger();  // 1 -> 0
  click(w->planet_theory_panel());            // 0 -> 1
  w->commands().action(kVsopC)->trigger();    // 2 refused: the own series, 1 -> 0
  w->commands().action(kVsopC)->trigger();    // refused again: stays 0
  w->commands().action(kVsopD)->trigger();    // 0 -> 1
  EXPECT_EQ(recomputed, (std::vector<int>{0, 1, 0, 1}));
  EXPECT_FALSE(w->engine().flags().positionenneu);
  EXPECT_EQ(ticks(*w), ".x.-.");
  w->close();
}

TEST_F(TheoryCommandsTest, OnlyALeftClickOnThePanelCounts) {
  auto w = open(libraries(true, true, false));
  QLabel& panel = w->planet_theory_panel();
  const QPointF inside = panel.rect().center();
  const QPointF outside(panel.width() + 5.0, inside.y());
  const auto send = [&panel](QEvent::Type type, QPointF at, Qt::MouseButton button) {
    QMouseEvent event(type, at, panel.mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &event);
  };
  send(QEvent::MouseButtonPress, inside, Qt::RightButton);
  send(QEvent::MouseButtonRelease, inside, Qt::RightButton);
  send(QEvent::MouseButtonPress, inside, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, outside, Qt::LeftButton);  // dragged away
  send(QEvent::MouseButtonRelease, inside, Qt::LeftButton);   // no press before it
  EXPECT_EQ(w->engine().konfig().theorie.planet_theory, theorie_vsop87d);
  click(panel);
  EXPECT_EQ(w->engine().konfig().theorie.planet_theory, theorie_vsop87c);
  w->close();
}

}  // namespace
}  // namespace sdro

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
