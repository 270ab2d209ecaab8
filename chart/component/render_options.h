// The sky chart options of the headless chart image (sdro --render): the
// chart kind, the zoom chart's centre and radius, view direction and mirror,
// the main display switches, the star limit and night dimming. Checked first
// (nothing is applied when one is bad), then applied to the engine.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sdro {

class tengine;

/// The option values as given (empty: not given; switches "1").
struct tchart_render_options {
  std::string chart = {};      ///< 200 | 204 | 205 | 206 | 207
  std::string equatorial = {}; ///< switch: the overview (200, sub-kind 1)
  std::string zoom = {};       ///< RA,DEC,RADIUS in degrees
  std::string view = {};       ///< S | E | N | W | whole degrees 0..359
  std::string mirror = {};     ///< switch
  std::string constellations = {}; ///< on | off | all | zodiac
  std::string names = {};      ///< on | off
  std::string boundaries = {}; ///< on | off
  std::string milky_way = {};  ///< 0..4
  std::string outlines = {};   ///< on | off
  std::string grids = {};      ///< none | comma list of horizon, equator, ecliptic
  std::string limit = {};      ///< magnitude, −2..9.7
  std::string night = {};      ///< switch
};

/// A message for the first bad option, empty when all are good.
std::string check_chart_options(const tchart_render_options& o);

/// Applies checked options to the engine (a star limit above the loading
/// level raises "Level" and reloads the catalogue) and marks the chart for
/// recomputation. The zoom chart takes the screen width − 16 as diameter;
/// a --size applied afterwards wins.
void apply_chart_options(tengine& engine, const tchart_render_options& o, int screen_width);

/// Night dimming on or off: the night colour table and red fonts (the day
/// values are kept aside by the engine), the chart redrawn at the next cycle.
void set_night_dimming(tengine& engine, bool on);

}  // namespace sdro
