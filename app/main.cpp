// sdro: the program's entry point and the command-line dispatch.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/dialogs/catalog/catalog_commands.h"
#include "app/dialogs/animation/animation_window.h"
#include "app/dialogs/catalog/stars_component.h"
#include "app/dialogs/chart/chart_commands.h"
#include "app/dialogs/events/events_commands.h"
#include "app/dialogs/events/riseset_command.h"
#include "app/dialogs/places/places_commands.h"
#include "app/ephemeris_mode.h"
#include "app/engine/clock.h"
#include "app/headless.h"
#include "app/main_window.h"
#include "app/qt_messages.h"
#include "app/single_instance.h"
#include "app/theory_commands.h"
#include "astro/language.h"
#include "astro/text_format.h"
#include "chart/bodies/component/bodies_component.h"
#include "chart/component/sky_chart_component.h"

namespace {

using namespace sdro;

// The user's short date format, from the system locale (Qt and our
// formatter share the tokens d, dd, M, MM, yy, yyyy).
// Textual months or weekdays (MMM, ddd) and the C locale, which has no date
// form of its own, keep the formatter's default day.month.year.
void take_date_format() {
  const QLocale locale = QLocale::system();
  const QString pattern = locale.dateFormat(QLocale::ShortFormat);
  const bool numeric = !pattern.contains(QStringLiteral("MMM")) && !pattern.contains(QStringLiteral("ddd"));
  if (locale.language() != QLocale::C && numeric) set_short_date_format(pattern.toStdString());
}

// The program file as the Qt application will name it (before one exists).
std::filesystem::path program_file(const char* argv0) {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", ec);
  if (!ec) return self;
  const std::filesystem::path given = std::filesystem::absolute(argv0, ec);
  return ec ? std::filesystem::path(argv0) : given;
}

int run_window(int argc, char** argv, const tcommand_line& cl) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kyrel_5"));
  QApplication::setApplicationDisplayName(QStringLiteral("Sidaro"));
  take_date_format();
  tqt_messages messages;

  const tsingle_instance instance;
  if (!instance.first()) {
    messages.beep(tbeep::information);
    messages.show("Sorry, Sidaro 3.0 läuft bereits/is already runnuing.", kProgramCaption,
                  tmessage_icon::error);
    return 1;
  }
  if (!clock_is_plausible(make_system_clock()->now())) {
    messages.beep(tbeep::error);
    messages.show("Sorry, Sidaro 3.0 runs only between 1900 and 2155. The Clock of your Computer "
                  "gieves an invalide Date.",
                  kProgramCaption, tmessage_icon::error);
    return 1;
  }
  TKyr5Main window(cl);
  add_stars_component(window.engine());
  add_sky_chart_component(window.engine());
  add_bodies_component(window.engine());
  add_catalog_commands(window);
  add_chart_commands(window);
  add_places_commands(window);
  add_theory_commands(window);
  add_events_commands(window);
  add_animation_commands(window);
  if (!window.start()) return 1;
  return QApplication::exec();
}

int run_headless(int argc, char** argv, const tcommand_line& cl) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  take_date_format();
  if (cl.mode() == tcommand_line::tmode::riseset) return run_riseset(cl, std::cout);
  return run_render(cl);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  // Every message of the command line and the headless modes is built in
  // the language of the settings file, decided here once.
  set_current_language(command_line_language(args, program_file(argc > 0 ? argv[0] : "sdro")));
  const tparsed_command_line parsed = parse_command_line(args);
  if (!parsed.error.empty()) {
    std::cerr << "sdro: " << parsed.error << '\n' << usage_text();
    return 2;
  }
  switch (parsed.options.mode()) {
    case tcommand_line::tmode::help:
      std::cout << usage_text();
      return 0;
    case tcommand_line::tmode::render:
    case tcommand_line::tmode::riseset:
      return run_headless(argc, argv, parsed.options);
    case tcommand_line::tmode::ephemeris:
      return run_ephemeris(parsed.options, std::cout, std::cerr);
    case tcommand_line::tmode::window:
      break;
  }
  return run_window(argc, argv, parsed.options);
}
