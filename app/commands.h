// The commands of the main window as one table: each command names its menu,
// its caption in both languages, its shortcut, what it does and, optionally,
// when it is enabled and ticked. A subsystem adds its commands with a
// function of its own that calls tcommand_table::add (like add_shell_commands;
// main.cpp calls each before the window starts); captions follow the language
// switch and the states are evaluated whenever a menu opens or the cycle runs.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QKeySequence>

#include <array>
#include <functional>
#include <vector>

#include "astro/language.h"

class QAction;
class QToolBar;
class QMenu;
class QMenuBar;

namespace sdro {

/// The nine menus in menu-bar order.
enum class tmenu : int { datei, konfiguration, einstellungen, zeit_und_ort, objekte, ansicht, karte, info, hilfe };
inline constexpr int kMenuCount = 9;

struct tcommand {
  tbitext caption;               ///< an empty English caption keeps the German one
  QKeySequence key = {};
  std::function<void()> run;
  std::function<bool()> enabled = {};  ///< empty: always enabled
  std::function<bool()> checked = {};  ///< empty: not checkable
  bool separator_before = false;
  tbitext submenu = {};          ///< non-empty: the command goes into this submenu of its menu
};

class tcommand_table {
 public:
  explicit tcommand_table(QMenuBar* bar);
  QAction* add(tmenu menu, tcommand command);
  /// A tool button of a command: the caption is its hint; its enabled and
  /// checked states follow the command's rules like a menu item's.
  QAction* add_tool(QToolBar* bar, tcommand command, const QIcon& icon = {});
  /// While locked (an animation runs) every menu and every command of the
  /// table is disabled, shortcuts included.
  void set_locked(bool locked);
  bool locked() const { return locked_; }
  QMenu* menu(tmenu m) const { return menus_[static_cast<int>(m)]; }
  /// Captions of the menus and commands in the current language.
  void retranslate();
  /// Enabled states and check marks; menus without commands are hidden.
  void refresh();
  /// The action of a command by its German caption (nullptr if none).
  QAction* action(std::string_view german_caption) const;

 private:
  /// Makes a new menu or tool action run the command and follow its rules.
  QAction* keep(QAction* action, tcommand command);
  /// The submenu of a menu with this caption, created on first use.
  QMenu* submenu(tmenu m, const tbitext& caption);

  std::array<QMenu*, kMenuCount> menus_{};
  std::vector<std::pair<QAction*, tcommand>> commands_;
  bool locked_ = false;
  struct tsubmenu {
    tmenu menu;
    tbitext caption;
    QMenu* qmenu;
  };
  std::vector<tsubmenu> submenus_;
};

}  // namespace sdro
