// The commands of the shell itself. Other subsystems add theirs the same way,
// with a function of their own called from main.cpp after the window exists.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QMessageBox>
#include <QStatusBar>

#include "app/main_window.h"
#include "app/qt_text.h"

namespace sdro {

void add_shell_commands(TKyr5Main& w) {
  tcommand_table& t = w.commands();
  tengine& e = w.engine();
  const auto idle = [&e] { return !e.flags().animationlaeuft; };

  t.add(tmenu::datei, {{"Berechung &aussetzen", "&Break Calculations"},
                       QKeySequence(Qt::Key_F2),
                       [&w, &e] {
                         e.toggle_berechnung();
                         w.run_cycle();
                       },
                       [&e] { return !e.flags().animationlaeuft && e.konfig().kartenart != 210 &&
                                     e.konfig().kartenart != 211 && !e.konfig().echtzeit; }});
  t.add(tmenu::datei, {{"&Beenden", "&Quit"}, {}, [&w] { w.close(); }, {}, {}, true});

  t.add(tmenu::konfiguration, {{"Datei &neu", ""}, {}, [&w, &e] {
                                 e.new_configuration();
                                 w.setWindowTitle(qtext(e.caption()));
                               }, idle});
  t.add(tmenu::konfiguration,
        {{"Datei &öffnen...", "O&pen File..."}, {}, [&w] { w.open_configuration(); }, idle});
  t.add(tmenu::konfiguration,
        {{"Datei &speichern", ""}, {}, [&w] { w.save_configuration(); }, idle});
  t.add(tmenu::konfiguration,
        {{"Datei speichern &unter...", ""}, {}, [&w] { w.save_configuration_as(); }, idle});
  t.add(tmenu::konfiguration, {{"S&tatusleiste", "S&tatus Bar"}, {},
                               [&w, &e] {
                                 e.settings().statusleiste = !e.settings().statusleiste;
                                 w.statusBar()->setVisible(e.settings().statusleiste);
                               },
                               {}, [&e] { return e.settings().statusleiste; }, true});
  t.add(tmenu::konfiguration, {{"Show Tip of the DAy", "Show Tip of the Day"}, {},
                               [&e] { e.settings().showtipsatstart = !e.settings().showtipsatstart; },
                               {}, [&e] { return e.settings().showtipsatstart; }});
  t.add(tmenu::konfiguration, {{"Englische Version", "English Version"},
                               QKeySequence(Qt::SHIFT | Qt::Key_F1),
                               [&w] { w.toggle_language(); },
                               {}, [] { return current_language() == english; }, true});

  t.add(tmenu::hilfe, {{"&Tip des Tages...", "&Tip of the Day"}, {}, [&w] { w.show_tip_of_the_day(); }});
  t.add(tmenu::hilfe, {{"Inf&o...", ""}, {}, [&w] {
                         QMessageBox::about(&w, qtext(kProgramCaption),
                                            qtext(tr("Sidaro 3.0 – Planetarium für den Schreibtisch",
                                                     "Sidaro 3.0 – a desktop planetarium")));
                       }, {}, {}, true});
}

}  // namespace sdro
