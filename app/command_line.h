// The command line: one table of options (command_line.cpp) serves parsing
// and the usage text. A later mode adds its flags as rows of that table and a
// member here; a mode is chosen by its flag (see tcommand_line::mode).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/language.h"

namespace sdro {

struct tcommand_line {
  std::string render;   ///< --render OUT.png: headless chart image
  std::string config;   ///< --config FILE.kcf
  std::string date;     ///< --date YYYY-MM-DDTHH:MM[:SS][Z|±HH:MM]
  std::string place;    ///< --place LAT,LON[,HEIGHT] (longitude east positive)
  std::string size;     ///< --size PIXELS: chart diameter
  // The sky chart of --render (see chart/render_options.h); switches hold "1".
  std::string chart;           ///< --chart 200|204|205|206|207
  std::string equatorial;      ///< --equatorial: the overview sub-kind of 200
  std::string zoom;            ///< --zoom RA_DEG,DEC_DEG,RADIUS_DEG
  std::string view;            ///< --view S|E|N|W|DEGREES: view direction (rotation)
  std::string mirror;          ///< --mirror
  std::string constellations;  ///< --constellations on|off|all|zodiac
  std::string names;           ///< --names on|off: constellation names
  std::string boundaries;      ///< --boundaries on|off
  std::string milky_way;       ///< --milky-way 0..4
  std::string outlines;        ///< --outlines on|off: deep-sky outlines
  std::string grids;           ///< --grids none|LIST of horizon, equator, ecliptic
  std::string limit;           ///< --limit MAG: star limit
  std::string night;           ///< --night: night dimming
  std::string datadir;  ///< --datadir DIR
  std::string ini;      ///< --ini FILE: settings file
  std::string riseset;  ///< --riseset BODY|twilight: table of rise, transit and set
  std::string from;     ///< --from DATE: first local day of --riseset, first instant of --ephemeris
  std::string to;       ///< --to DATE: last local day of --riseset, last instant of --ephemeris
  std::string zone;     ///< --zone HOURS: zone of the table's days and local times (east positive)
  std::string ephemeris;  ///< --ephemeris BODY: apparent places as CSV (--from, --to: days or instants)
  std::string step;       ///< --step DAYS: interval of the --ephemeris rows
  std::string theory;     ///< --theory own|vsop87d|vsop87c (--ephemeris)
  std::string moon;       ///< --moon brown|elp (--ephemeris)
  std::string record;     ///< --record STEPS,DAYS: an orbit track recorded for the chart
  std::string track;      ///< --track FILE.orb|FILE.sor: the orbit-track file shown (or written after --record)
  bool help = false;    ///< --help
  std::vector<std::string> files;  ///< plain arguments (a configuration file to open)

  enum class tmode { window, render, riseset, ephemeris, help };
  tmode mode() const;
};

/// Parses argv[1..]. On error `error` holds a message (in the current
/// language) and the result is unusable.
struct tparsed_command_line {
  tcommand_line options;
  std::string error;
};
tparsed_command_line parse_command_line(const std::vector<std::string_view>& args);

/// The usage text listing every option (in the current language).
std::string usage_text();

/// The language of every message of a run with these arguments (argv[1..]):
/// "Language" of the settings file given with --ini, else of the settings
/// file the program reads by default (settings_file_path of `program`);
/// English without a file. Decided before any message is built.
tlanguage command_line_language(const std::vector<std::string_view>& args,
                                const std::filesystem::path& program);

/// An instant given on the command line: the civil date and time with the
/// zone offset it was written in (UT when no zone was given).
struct tcommand_date {
  int year = 2000, month = 1, day = 1;
  double hours = 0.0;
  int zone_hours = 0;    ///< −12..12
  int zone_minutes = 0;  ///< same sign as the offset
};
/// Reads YYYY-MM-DDTHH:MM[:SS][Z|±HH:MM] (a leading sign on the year allowed).
std::optional<tcommand_date> parse_command_date(std::string_view text);

/// A place given on the command line, ISO 6709 order and signs.
struct tcommand_place {
  double latitude = 0.0;        ///< degrees, north positive
  double east_longitude = 0.0;  ///< degrees, east positive
  int height = 0;               ///< metres
};
/// Reads LAT,LON[,HEIGHT].
std::optional<tcommand_place> parse_command_place(std::string_view text);
/// The message for a --place value that parse_command_place refuses.
std::string command_place_error(std::string_view text);

/// Reads a chart diameter of 100..2750 pixels.
std::optional<int> parse_command_size(std::string_view text);

}  // namespace sdro
