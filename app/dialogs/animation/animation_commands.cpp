// The commands of animation, real time, date steps and orbit-track files:
// menu items with their shortcuts and the tool buttons.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

#include "app/dialogs/animation/animation_window.h"
#include "app/main_window.h"

namespace sdro {
namespace {

constexpr int kIconSize = 20;

enum class ticon { step_back, step_forward, run_back, run_forward, settings, real_time, open, save };

/// The little pictures of the tool buttons.
QIcon icon(ticon kind) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(30, 30, 120), 1.5));
  p.setBrush(QColor(60, 90, 200));
  const auto triangle = [&p](int x, bool right) {
    const QPolygon t = right ? QPolygon({QPoint(x, 4), QPoint(x + 7, 10), QPoint(x, 16)})
                             : QPolygon({QPoint(x + 7, 4), QPoint(x, 10), QPoint(x + 7, 16)});
    p.drawPolygon(t);
  };
  switch (kind) {
    case ticon::step_back: p.drawRect(3, 4, 2, 12); triangle(8, false); break;
    case ticon::step_forward: triangle(5, true); p.drawRect(15, 4, 2, 12); break;
    case ticon::run_back: triangle(2, false); triangle(10, false); break;
    case ticon::run_forward: triangle(3, true); triangle(11, true); break;
    case ticon::settings:
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPoint(10, 10), 6, 6);
      p.drawLine(10, 10, 10, 5);
      p.drawLine(10, 10, 14, 12);
      p.drawLine(2, 18, 18, 18);
      break;
    case ticon::real_time:
      p.setBrush(QColor(250, 250, 210));
      p.drawEllipse(QPoint(10, 10), 8, 8);
      p.drawLine(10, 10, 10, 4);
      p.drawLine(10, 10, 15, 10);
      break;
    case ticon::open:
      p.setBrush(QColor(230, 190, 80));
      p.drawPolygon(QPolygon({QPoint(2, 6), QPoint(8, 6), QPoint(10, 8), QPoint(18, 8), QPoint(18, 16), QPoint(2, 16)}));
      break;
    case ticon::save:
      p.drawRect(3, 3, 14, 14);
      p.setBrush(Qt::white);
      p.drawRect(6, 3, 8, 5);
      break;
  }
  return QIcon(pixmap);
}

/// Moves the actions to the top of their menu, in the order given.
void move_to_top(QMenu* menu, const std::vector<QAction*>& actions) {
  QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().first();
  for (QAction* a : actions) {
    menu->removeAction(a);
    menu->insertAction(first, a);
  }
  if (first) menu->insertSeparator(first);
}

}  // namespace

tanimation_window* add_animation_commands(TKyr5Main& w) {
  auto* aw = new tanimation_window(w);
  tcommand_table& t = w.commands();
  tengine& e = w.engine();
  tanimator& anim = aw->animator();
  ttrack_session& session = aw->session();

  const auto not_real_time = [&e] { return !e.konfig().echtzeit; };
  const auto may_start = [&anim] { return anim.may_start(); };
  const auto track_commands = [&e] { return e.konfig().kartenart != 210 && e.konfig().kartenart != 211; };
  const auto with_track = [&e, track_commands] { return track_commands() && e.flags().bahndateioffen; };

  // --- "&Datei": the orbit-track files ------------------------------------------------
  std::vector<QAction*> file_actions;
  file_actions.push_back(t.add(tmenu::datei, {{"Datei &neu...", "File &new"}, {}, [aw, &session] { session.new_file(*aw); }, track_commands}));
  file_actions.push_back(t.add(tmenu::datei, {{"Datei &öffnen...", "&Open File..."}, {}, [aw, &session] { session.open_command(*aw); }, track_commands}));
  file_actions.push_back(t.add(tmenu::datei, {{"Datei s&chließen", "&Close File"}, {}, [aw, &session] { session.close(*aw); }, with_track}));
  file_actions.push_back(t.add(tmenu::datei, {{"Datei &speichern", "&Save File"}, {}, [aw, &session] { session.save(*aw); }, with_track}));
  file_actions.push_back(t.add(tmenu::datei, {{"Datei speichern &unter...", "Save File &as..."}, {}, [aw, &session] { session.save_as(*aw); }, with_track}));
  move_to_top(t.menu(tmenu::datei), file_actions);

  // --- "&Einstellungen" ------------------------------------------------------------------
  t.add(tmenu::einstellungen, {{"&Animationen...", "&Animations..."}, QKeySequence(Qt::CTRL | Qt::Key_F8), [aw] { aw->show_settings(); }});
  t.add(tmenu::einstellungen, {{"&Bahndateien...", "Orbit &Files..."}, {}, [aw] { aw->show_track_options(); }, track_commands});

  // --- "&Zeit und Ort": date steps, animation, real time ------------------------------------
  const tbitext change{"&Ändern", "&Change"};
  struct tstep {
    tbitext caption;
    QKeySequence key;
    int years;
    double days;
  };
  const tstep steps[] = {
      {{"Ein &Jahr zurück", "One &Year earlier"}, {}, -1, 0.0},
      {{"Einen Tag &zurück", "One Day &earlier"}, QKeySequence(Qt::ALT | Qt::Key_F9), 0, -1.0},
      {{"Eine &Stunde zurück", "One hour earl&ier"}, QKeySequence(Qt::ALT | Qt::Key_F10), 0, -1.0 / 24},
      {{"Eine St&unde vor", "One ho&ur later"}, QKeySequence(Qt::ALT | Qt::Key_F11), 0, 1.0 / 24},
      {{"Einen Ta&g vor", "One D&ay later"}, QKeySequence(Qt::ALT | Qt::Key_F12), 0, 1.0},
      {{"Ein Ja&hr vor", "One Y&ear later"}, {}, 1, 0.0},
  };
  for (const tstep& s : steps) {
    tcommand c{s.caption, s.key, [aw, s] { aw->date_step(s.years, s.days); }, not_real_time};
    c.submenu = change;
    t.add(tmenu::zeit_und_ort, std::move(c));
  }
  t.add(tmenu::zeit_und_ort, {{"&Animation ein", "&Animation on"}, QKeySequence(Qt::Key_F9), [&anim] { anim.start(false); }, may_start, {}, true});
  QAction* real_time = t.add(tmenu::zeit_und_ort, {{"&Echtzeit", "&Real Time Mode"}, QKeySequence(Qt::CTRL | Qt::Key_F9), [aw] { aw->toggle_real_time(); },
                                                   [&e] { return e.flags().berechnungein && !e.flags().animationlaeuft; },
                                                   [&e] { return e.konfig().echtzeit; }});
  QObject::connect(t.menu(tmenu::zeit_und_ort), &QMenu::aboutToShow, aw, [aw, real_time, &e] {
    real_time->setVisible(e.flags().berechnungein && !e.flags().animationlaeuft);
    aw->refresh_captions();
  });

  // --- the tool buttons ----------------------------------------------------------------------
  QToolBar* bar = w.tool_bar();
  t.add_tool(bar, {{"Bahndatei öffnen", "Open File with Orbits"}, {}, [aw, &session] { session.open_command(*aw); }, track_commands}, icon(ticon::open));
  t.add_tool(bar, {{"Bahndatei speichern", "Save File with Orbits"}, {}, [aw, &session] { session.save(*aw); }, with_track}, icon(ticon::save));
  t.add_tool(bar, {{"Einzelschritt rückwärts", "Single Step backwards"}, {}, [aw, &anim] {
                     anim.single_step(true);
                     aw->refresh_captions();
                   }, may_start}, icon(ticon::step_back));
  t.add_tool(bar, {{"Einzelschritt vorwärts", "Single Step forwards"}, {}, [aw, &anim] {
                     anim.single_step(false);
                     aw->refresh_captions();
                   }, may_start}, icon(ticon::step_forward));
  t.add_tool(bar, {{"Animation rückwärts", "Animation backwards"}, {}, [&anim] { anim.start(true); }, may_start}, icon(ticon::run_back));
  t.add_tool(bar, {{"Animation ein", "Animation on"}, {}, [&anim] { anim.start(false); }, may_start}, icon(ticon::run_forward));
  t.add_tool(bar, {{"Einstellungen für Animationen", "Settings for Animations"}, {}, [aw] { aw->show_settings(); }}, icon(ticon::settings));
  t.add_tool(bar, {{"Himmelsanblick in Echtzeit", "Sky in Real Time"}, {}, [aw] { aw->toggle_real_time(); },
                   [&e] { return e.flags().berechnungein && !e.flags().animationlaeuft; }, [&e] { return e.konfig().echtzeit; }},
             icon(ticon::real_time));

  // --- the window -----------------------------------------------------------------------------
  w.caption_source = [&session] { return session.caption(); };
  w.close_checks.push_back([aw, &session, &anim] {
    anim.stop();
    return session.may_end_program(*aw);
  });
  return aw;
}

}  // namespace sdro
