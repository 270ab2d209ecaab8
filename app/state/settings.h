// The settings file "sdro32.ini": what belongs to the installation rather than
// to a configuration (language, window, data directory, memory limits, status
// panels, the home place).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "app/state/ini_file.h"
#include "astro/enums.h"
#include "astro/language.h"
#include "astro/zeitort.h"

namespace sdro {

/// The home place (what "Zurück zu Heimatort" returns to).
struct theimatort {
  double latitude = 51.191;     ///< degrees, north positive
  double longitude = -9.301;    ///< degrees, west positive (east negative)
  std::string name = "Kassel";
  int zone = 1;                 ///< hours, east positive
  int additional_minutes = 0;
  int height = 0;               ///< metres
  double pressure = 1010.0;     ///< hPa
  double temperature = 10.0;    ///< °C
};
/// The place fields of an instant as a home place, and back.
theimatort home_from(const tzeitort& z);
void set_place(tzeitort& z, const theimatort& home);

/// Every key of the settings file, with the default that applies when the key is missing.
struct tsettings {
  // [Settings]
  bool first_run = true;                ///< "FirstRun"
  tlanguage language = english;         ///< "Language"
  int color_mode = 5;                   ///< "ColorMode" 0..5
  int level = 60;                       ///< "Level": faintest magnitude × 10 held in memory
  int grafikgroesse = 1200;             ///< "Grafikgroesse": maximum chart diameter
  int use_complete_sao = 300;           ///< "UseCompleteSAO": radius × 10 threshold
  bool release_earth_bitmap = true;     ///< "Release Earth Bitmap"
  bool write_magnitude_to_map = false;  ///< "WriteMagnitude2Map"
  bool write_label_to_map = false;      ///< "WriteLabel2Map"
  bool show_scale = true;               ///< "ShowScale"
  bool use_last_configuration = false;  ///< "Use last Configuration"
  bool always_sky_at_startup = true;    ///< "Always Sky at Startup"
  tdruckmode print_mode = dr_high;      ///< "PrintMode"
  int turn_maps = 15;                   ///< "TurnMaps" 1..180
  tazimutzaehlung azimut = azimutSued;  ///< "AzimutNord"
  bool show_fatal_grafic_errors = true; ///< "ShowFatalGraficErrors"
  bool auto_history = false;            ///< "AutoHistory"
  // [Files]
  int n_lastfiles = 10;                 ///< "nLastfiles" 0..100
  // [Window]
  bool hints = true;                    ///< "Hints"
  bool dark_sky = false;                ///< "DarkSky"
  bool maximized = true;                ///< "maximized"
  int x = 0, y = 0, w = 600, h = 400;   ///< "x", "y", "w", "h"
  bool tracking = true;                 ///< "Tracking"
  bool statusleiste = true;             ///< "Statusleiste"
  bool symbolleiste = true;             ///< "Symbolleiste"
  bool showtipsatstart = true;          ///< "Tips of the day"
  // [Panels]
  bool panel_koordinaten = true;        ///< "Koordinaten"
  bool panel_rechenverfahren = true;    ///< "Rechenverfahren"
  bool panel_katalog = true;            ///< "Katalog"
  bool panel_uhrzeit = true;            ///< "Uhrzeit"
  bool panel_uhr = true;                ///< "Uhr"
  bool panel_aequatorzentrum = true;    ///< "Aequatorzentrum"
  // [Home]
  theimatort home;
  // [Daten]
  std::string path;                     ///< "Path": data directory ("" = not set)
};

/// The key "Language" (English when it is missing).
tlanguage read_language(const tinifile& ini);

/// Reads every key; missing or malformed keys take their default. `start`
/// gives the defaults of the home place. Ranges are enforced here, except
/// the screen-dependent limit of "Grafikgroesse" (see max_chart_size).
tsettings read_settings(const tinifile& ini, const tzeitort& start);

/// Writes the keys saved at the end of a run ("x", "y", "w", "h" only when
/// the window is not maximised). The home place is written by write_home.
void write_settings(tinifile& ini, const tsettings& s);
/// Writes the section "Home".
void write_home(tinifile& ini, const theimatort& home);
/// Writes "FirstRun" and "Language" (after the first-run question).
void write_language(tinifile& ini, const tsettings& s);

/// Maximum chart diameter from "Grafikgroesse": raised to screen width + 150
/// if smaller, then limited to 800..2750.
int max_chart_size(int grafikgroesse, int screen_width);

/// Where the settings file lives: beside the program ("<program>32.ini"),
/// or, when that folder cannot be written, in the user's configuration
/// folder ($XDG_CONFIG_HOME/sidaro, else ~/.config/sidaro).
std::filesystem::path settings_file_path(const std::filesystem::path& program);

}  // namespace sdro
