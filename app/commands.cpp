// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/qt_text.h"

namespace sdro {
namespace {

constexpr tbitext kMenuCaptions[kMenuCount] = {
    {"&Datei", "&File"},           {"K&onfiguration", "&Configuration"},
    {"&Einstellungen", "&Settings"}, {"&Zeit und Ort", "&Time and Location"},
    {"O&bjekte", "&Objects"},      {"&Ansicht", "&View"},
    {"&Karte", "&Map"},            {"&Info", "&Info"},
    {"&?", "&?"},
};

QString caption_of(const tbitext& t) { return qtext(t.en.empty() ? t.de : t.text()); }

}  // namespace

tcommand_table::tcommand_table(QMenuBar* bar) {
  for (int i = 0; i < kMenuCount; ++i) {
    menus_[i] = bar->addMenu(caption_of(kMenuCaptions[i]));
    QObject::connect(menus_[i], &QMenu::aboutToShow, menus_[i], [this] { refresh(); });
  }
}

QMenu* tcommand_table::submenu(tmenu m, const tbitext& caption) {
  for (const tsubmenu& s : submenus_) {
    if (s.menu == m && s.caption.de == caption.de) return s.qmenu;
  }
  QMenu* sub = menu(m)->addMenu(caption_of(caption));
  submenus_.push_back({m, caption, sub});
  return sub;
}

QAction* tcommand_table::add(tmenu m, tcommand command) {
  QMenu* target = command.submenu.de.empty() ? menu(m) : submenu(m, command.submenu);
  if (command.separator_before && !target->actions().isEmpty()) target->addSeparator();
  QAction* action = target->addAction(caption_of(command.caption));
  action->setShortcut(command.key);
  return keep(action, std::move(command));
}

QAction* tcommand_table::add_tool(QToolBar* bar, tcommand command, const QIcon& icon) {
  return keep(bar->addAction(icon, caption_of(command.caption)), std::move(command));
}

QAction* tcommand_table::keep(QAction* action, tcommand command) {
  action->setCheckable(static_cast<bool>(command.checked));
  QObject::connect(action, &QAction::triggered, action, [run = command.run] {
    if (run) run();
  });
  commands_.emplace_back(action, std::move(command));
  refresh();
  return action;
}

void tcommand_table::set_locked(bool locked) {
  locked_ = locked;
  refresh();
}

void tcommand_table::retranslate() {
  for (int i = 0; i < kMenuCount; ++i) menus_[i]->setTitle(caption_of(kMenuCaptions[i]));
  for (auto& [action, command] : commands_) action->setText(caption_of(command.caption));
  for (const tsubmenu& s : submenus_) s.qmenu->setTitle(caption_of(s.caption));
}

void tcommand_table::refresh() {
  for (auto& [action, command] : commands_) {
    action->setEnabled(!locked_ && (!command.enabled || command.enabled()));
    if (command.checked) action->setChecked(command.checked());
  }
  for (QMenu* m : menus_) {
    m->menuAction()->setVisible(!m->actions().isEmpty());
    m->menuAction()->setEnabled(!locked_);
  }
}

QAction* tcommand_table::action(std::string_view german_caption) const {
  for (const auto& [action, command] : commands_) {
    if (command.caption.de == german_caption) return action;
  }
  return nullptr;
}

}  // namespace sdro
