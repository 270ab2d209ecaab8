// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/start_options.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

#include "astro/language.h"
#include "astro/text_format.h"

#ifndef SDRO_BUNDLED_DATA_DIR
#define SDRO_BUNDLED_DATA_DIR ""
#endif

namespace sdro {
namespace {

std::string place_name(const tcommand_place& p) {
  std::string s = format_fixed_trimmed(3, std::abs(p.latitude));
  s += p.latitude >= 0 ? tr("° N, ", "° N, ") : tr("° S, ", "° S, ");
  s += format_fixed_trimmed(3, std::abs(p.east_longitude));
  s += p.east_longitude >= 0 ? tr("° O", "° E") : tr("° W", "° W");
  return s;
}

}  // namespace

tstart_options start_options(const tcommand_line& cl, bool interactive) {
  tstart_options o;
  const std::filesystem::path program = QCoreApplication::applicationFilePath().toStdString();
  o.program = program;
  o.settings_file = cl.ini;
  o.data_directory = cl.datadir;
  std::error_code ec;
  o.start_directory = std::filesystem::current_path(ec);
  const std::filesystem::path exe_dir = program.parent_path();
  if (*SDRO_BUNDLED_DATA_DIR) {
    o.bundled_data.push_back(SDRO_BUNDLED_DATA_DIR);
    o.protected_data.push_back(SDRO_BUNDLED_DATA_DIR);
  }
  o.bundled_data.push_back(exe_dir / "data");
  o.bundled_data.push_back(exe_dir / ".." / "share" / "sidaro" / "data");
  if (const QScreen* screen = QGuiApplication::primaryScreen()) o.screen_width = screen->geometry().width();
  o.interactive = interactive;
  return o;
}

std::string start_up_failed() { return std::string(tr("der Start ist misslungen", "the start-up failed")); }

std::string configuration_failure(const tscripted_messages& messages, const std::string& file) {
  return std::string(messages.records().empty()
                         ? tr("Konfigurationsdatei nicht gefunden: ", "configuration file not found: ")
                         : tr("Konfigurationsdatei nicht geladen: ", "configuration file not loaded: ")) +
         file;
}

std::string check_command_values(const tcommand_line& cl) {
  if (!cl.date.empty() && !parse_command_date(cl.date)) {
    return "--date " + cl.date +
           std::string(tr(": erwartet YYYY-MM-DDTHH:MM[:SS], wahlweise mit einer Zone Z oder ±HH:MM "
                          "(höchstens ±12:00), Jahre −4712..9999",
                          ": expected YYYY-MM-DDTHH:MM[:SS] with an optional zone Z or ±HH:MM "
                          "(at most ±12:00), years −4712..9999"));
  }
  if (!cl.place.empty() && !parse_command_place(cl.place)) return command_place_error(cl.place);
  if (!cl.size.empty() && !parse_command_size(cl.size)) {
    return "--size " + cl.size +
           std::string(tr(": erwartet einen Kartendurchmesser von 100..2750 Pixeln",
                          ": expected a chart diameter of 100..2750 pixels"));
  }
  return {};
}

void apply_command_values(tengine& engine, const tcommand_line& cl) {
  tzeitort& z = engine.zeitort();
  if (const auto d = parse_command_date(cl.date)) {
    z.year = d->year;
    z.month = d->month;
    z.day = d->day;
    z.local_time = d->hours;
    z.zone = d->zone_hours;
    z.additional_minutes = d->zone_minutes;
    z.daylight_saving = 0;
  }
  if (const auto p = parse_command_place(cl.place)) {
    z.latitude = p->latitude;
    z.longitude = -p->east_longitude;  // the program counts longitudes west positive
    z.height = p->height;
    z.place_name = place_name(*p);
  }
  if (const auto size = parse_command_size(cl.size)) {
    if (*size > engine.max_chart_size()) engine.grafikNeuAnlegen(*size, engine.max_chart_size());
    engine.set_chart_diameter(*size);
  }
  engine.complete_instant();
  engine.flags().positionenneu = true;
  engine.flags().bildneu = true;
}

}  // namespace sdro
