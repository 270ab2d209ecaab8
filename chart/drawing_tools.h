// The pens and brushes of the sky charts, made from the active colour table,
// the Milky Way line widths and night dimming (buildTools). The chart code
// selects them by name; the indices of the colour table are given with each.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "app/state/konfiguration.h"
#include "chart/surface/pen_brush.h"

namespace sdro {

/// The Milky Way levels of the line table, in the order of their colours
/// 20..23 and of `milchstrassebreite`.
enum tmilchstrasse_stufe : int { milchstrasse_grob = 0, milchstrasse_mittel = 1,
                                 milchstrasse_fein = 2, milchstrasse_sehr_fein = 3 };

struct tzeichenwerkzeuge {
  tfarbtabelle farben{};        ///< the table the tools were made from
  bool night = false;

  Pen figure;                   ///< 0 constellation figures
  Pen zodiac;                   ///< 1 zodiac figures (when highlighted)
  Brush nebula;                 ///< 2 diffuse and planetary nebulae
  Brush galaxy;                 ///< 3 galaxies
  Brush cluster;                ///< 4 open and globular clusters
  Brush unknown;                ///< 5 deep-sky objects of undetermined type
  Pen outline_known;            ///< 6 deep-sky outlines of known size (zoom chart)
  Pen outline_unknown;          ///< 7 deep-sky outlines of undetermined size (zoom chart)
  Pen telrad;                   ///< 8 Telrad circles and markers
  Pen telrad_dotted;            ///< 8 meteor radiant circles
  Pen ecliptic;                 ///< 9
  Pen equator;                  ///< 10 equatorial grid
  Pen horizon;                  ///< 11 horizon grid
  Pen earth_grid;               ///< 13, dotted (Earth map)
  Brush earth_map;              ///< 14
  Pen cities;                   ///< 15
  Brush satellite_lit;          ///< 16
  Brush satellite_shadow;       ///< 17
  Pen boundary;                 ///< 18 constellation boundaries
  Pen outline_lines;            ///< 19 deep-sky outline lines of the line table
  std::array<Pen, 4> milky_way; ///< 20..23 coarse, medium, fine, very fine; widths from milchstrassebreite
  Brush user_label;             ///< 24 user-defined label markers
  Pen local_horizon;            ///< 25
  Brush local_horizon_brush;    ///< 25

  // Fixed tools.
  Pen rim = Pen::solid(tfarbe::rgb(160, 160, 160));
  Pen green = Pen::solid(tfarbe::rgb(0, 160, 0));
  Pen red = Pen::solid(farbe::rot);
  Pen white = Pen::solid(farbe::weiss);
  Brush black = Brush::solid(farbe::schwarz);
  Brush light_grey = Brush::solid(farbe::hellgrau);
  Brush yellow = Brush::solid(farbe::gelb);
  Brush dark_blue = Brush::solid(farbe::dunkelblau);

  // Stars: white by day, red in night dimming.
  tfarbe star_colour = farbe::weiss;
  Pen star_pen = Pen::solid(farbe::weiss);
  Brush star_brush = Brush::solid(farbe::weiss);

  /// Entry i of the colour table the tools were made from (0..38).
  tfarbe colour(int i) const;
};

/// buildTools: the tools for the active colour table (the night table while
/// night dimming is on) and the Milky Way line widths.
tzeichenwerkzeuge build_tools(const tfarbtabelle& farben, const std::array<std::uint8_t, 4>& milchstrassebreite,
                              bool night);

}  // namespace sdro
