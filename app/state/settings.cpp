// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/settings.h"

#include <algorithm>
#include <cstdlib>

#include "astro/file_io.h"
#include "places/entry_checks.h"

namespace sdro {
namespace {

constexpr std::string_view S = "Settings", F = "Files", W = "Window", P = "Panels", H = "Home",
                           D = "Daten";

int read_int(const tinifile& ini, std::string_view sec, std::string_view key, int def, int lo, int hi) {
  const long v = ini.read_integer(sec, key, def);
  return static_cast<int>(std::clamp<long>(v, lo, hi));
}

}  // namespace

theimatort home_from(const tzeitort& z) {
  return {z.latitude, z.longitude, z.place_name, z.zone, z.additional_minutes,
          z.height,   z.pressure,  z.temperature};
}

void set_place(tzeitort& z, const theimatort& home) {
  z.latitude = home.latitude;
  z.longitude = home.longitude;
  z.place_name = home.name;
  z.zone = home.zone;
  z.additional_minutes = home.additional_minutes;
  z.height = home.height;
  z.pressure = home.pressure;
  z.temperature = home.temperature;
}

tlanguage read_language(const tinifile& ini) {
  return ini.read_integer(S, "Language", 1) == 0 ? german : english;
}

tsettings read_settings(const tinifile& ini, const tzeitort& start) {
  tsettings s;
  s.first_run = ini.read_bool(S, "FirstRun", true);
  s.language = read_language(ini);
  s.color_mode = read_int(ini, S, "ColorMode", 5, 0, 5);
  s.level = read_int(ini, S, "Level", 60, 50, 200);
  s.grafikgroesse = read_int(ini, S, "Grafikgroesse", 1200, 0, 100000);
  s.use_complete_sao = read_int(ini, S, "UseCompleteSAO", 300, 0, 1800);
  s.n_lastfiles = read_int(ini, F, "nLastfiles", 10, 0, 100);
  s.release_earth_bitmap = ini.read_bool(S, "Release Earth Bitmap", true);
  s.write_magnitude_to_map = ini.read_bool(S, "WriteMagnitude2Map", false);
  s.write_label_to_map = ini.read_bool(S, "WriteLabel2Map", false);
  s.show_scale = ini.read_bool(S, "ShowScale", true);
  s.use_last_configuration = ini.read_bool(S, "Use last Configuration", false);
  s.always_sky_at_startup = ini.read_bool(S, "Always Sky at Startup", true);
  s.hints = ini.read_bool(W, "Hints", true);
  s.dark_sky = ini.read_bool(W, "DarkSky", false);
  s.print_mode = ini.read_integer(S, "PrintMode", 0) == 1 ? dr_low : dr_high;
  s.turn_maps = read_int(ini, S, "TurnMaps", 15, 1, 180);
  s.azimut = ini.read_integer(S, "AzimutNord", 0) == 1 ? azimutNord : azimutSued;
  s.panel_koordinaten = ini.read_bool(P, "Koordinaten", true);
  s.panel_rechenverfahren = ini.read_bool(P, "Rechenverfahren", true);
  s.panel_katalog = ini.read_bool(P, "Katalog", true);
  s.panel_uhrzeit = ini.read_bool(P, "Uhrzeit", true);
  s.panel_uhr = ini.read_bool(P, "Uhr", true);
  s.panel_aequatorzentrum = ini.read_bool(P, "Aequatorzentrum", true);
  s.show_fatal_grafic_errors = ini.read_bool(S, "ShowFatalGraficErrors", true);
  s.auto_history = ini.read_bool(S, "AutoHistory", false);
  const theimatort here = home_from(start);
  s.home.latitude = std::clamp(ini.read_float(H, "GB", here.latitude), -90.0, 90.0);
  s.home.longitude = std::clamp(ini.read_float(H, "GL", here.longitude), -180.0, 180.0);
  s.home.name = ini.read_string(H, "Name", here.name);
  s.home.zone = read_int(ini, H, "TimeZone", here.zone, -12, 12);
  // The home place takes the limits of the place and date dialogs, so any
  // place the user can enter survives the settings file unchanged.
  s.home.additional_minutes = read_int(ini, H, "AddTimeZone", here.additional_minutes,
                                       -kMaxAdditionalMinutes, kMaxAdditionalMinutes);
  s.home.height = read_int(ini, H, "Altitude", here.height, -kMaxHeight, kMaxHeight);
  s.home.pressure = std::clamp(ini.read_float(H, "Pressure", here.pressure), 0.0, kMaxPressure);
  s.home.temperature =
      std::clamp(ini.read_float(H, "Temperature", here.temperature), -kMaxTemperature, kMaxTemperature);
  s.maximized = ini.read_bool(W, "maximized", true);
  s.x = read_int(ini, W, "x", 0, -100000, 100000);
  s.y = read_int(ini, W, "y", 0, -100000, 100000);
  s.w = read_int(ini, W, "w", 600, 100, 100000);
  s.h = read_int(ini, W, "h", 400, 100, 100000);
  s.tracking = ini.read_bool(W, "Tracking", true);
  s.statusleiste = ini.read_bool(W, "Statusleiste", true);
  s.symbolleiste = ini.read_bool(W, "Symbolleiste", true);
  s.showtipsatstart = ini.read_bool(W, "Tips of the day", true);
  s.path = ini.read_string(D, "Path", "");
  return s;
}

void write_settings(tinifile& ini, const tsettings& s) {
  if (!s.maximized) {
    ini.write_integer(W, "x", s.x);
    ini.write_integer(W, "y", s.y);
    ini.write_integer(W, "w", s.w);
    ini.write_integer(W, "h", s.h);
  }
  ini.write_integer(S, "TurnMaps", s.turn_maps);
  ini.write_integer(S, "Language", s.language);
  ini.write_integer(S, "Level", s.level);
  ini.write_integer(S, "PrintMode", s.print_mode);
  ini.write_integer(S, "UseCompleteSAO", s.use_complete_sao);
  ini.write_integer(F, "nLastfiles", s.n_lastfiles);
  ini.write_bool(W, "Tips of the day", s.showtipsatstart);
  ini.write_bool(S, "Always Sky at Startup", s.always_sky_at_startup);
  ini.write_bool(S, "Use last Configuration", s.use_last_configuration);
  ini.write_bool(S, "Release Earth Bitmap", s.release_earth_bitmap);
  ini.write_bool(W, "Hints", s.hints);
  ini.write_bool(W, "maximized", s.maximized);
  ini.write_bool(W, "Statusleiste", s.statusleiste);
  ini.write_bool(W, "Tracking", s.tracking);
  ini.write_bool(W, "Symbolleiste", s.symbolleiste);
  ini.write_bool(W, "DarkSky", s.dark_sky);
  ini.write_string(D, "Path", s.path);
  ini.write_integer(S, "ColorMode", s.color_mode);
  ini.write_integer(S, "AzimutNord", s.azimut);
  ini.write_bool(S, "ShowFatalGraficErrors", s.show_fatal_grafic_errors);
  ini.write_bool(S, "AutoHistory", s.auto_history);
  ini.write_bool(S, "WriteMagnitude2Map", s.write_magnitude_to_map);
  ini.write_bool(S, "WriteLabel2Map", s.write_label_to_map);
  ini.write_bool(S, "ShowScale", s.show_scale);
  ini.write_integer(S, "Grafikgroesse", s.grafikgroesse);
  ini.write_bool(P, "Koordinaten", s.panel_koordinaten);
  ini.write_bool(P, "Rechenverfahren", s.panel_rechenverfahren);
  ini.write_bool(P, "Katalog", s.panel_katalog);
  ini.write_bool(P, "Uhrzeit", s.panel_uhrzeit);
  ini.write_bool(P, "Uhr", s.panel_uhr);
  ini.write_bool(P, "Aequatorzentrum", s.panel_aequatorzentrum);
}

void write_home(tinifile& ini, const theimatort& home) {
  ini.write_float(H, "GB", home.latitude);
  ini.write_float(H, "GL", home.longitude);
  ini.write_string(H, "Name", home.name);
  ini.write_integer(H, "TimeZone", home.zone);
  ini.write_integer(H, "AddTimeZone", home.additional_minutes);
  ini.write_integer(H, "Altitude", home.height);
  ini.write_float(H, "Pressure", home.pressure);
  ini.write_float(H, "Temperature", home.temperature);
}

void write_language(tinifile& ini, const tsettings& s) {
  ini.write_bool(S, "FirstRun", s.first_run);
  ini.write_integer(S, "Language", s.language);
}

int max_chart_size(int grafikgroesse, int screen_width) {
  const int raised = std::max(grafikgroesse, screen_width + 150);
  return std::clamp(raised, 800, 2750);
}

std::filesystem::path settings_file_path(const std::filesystem::path& program) {
  std::filesystem::path name = program.filename();
  name.replace_extension();
  name += "32.ini";
  const std::filesystem::path folder = program.has_parent_path() ? program.parent_path() : ".";
  if (folder_is_writable(folder)) return folder / name;
  std::filesystem::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    config = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    config = std::filesystem::path(home) / ".config";
  } else {
    config = std::filesystem::temp_directory_path();
  }
  return config / "sidaro" / name;
}

}  // namespace sdro
