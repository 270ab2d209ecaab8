// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/drawing_tools.h"

#include <algorithm>

namespace sdro {

tfarbe tzeichenwerkzeuge::colour(int i) const {
  if (i < 0 || i >= kFarbenCount) return farbe::weiss;
  return tfarbe::from_value(static_cast<std::uint32_t>(farben[i]));
}

tzeichenwerkzeuge build_tools(const tfarbtabelle& farben, const std::array<std::uint8_t, 4>& breiten,
                              bool night) {
  tzeichenwerkzeuge t;
  t.farben = farben;
  t.night = night;
  const auto pen = [&t](int i) { return Pen::solid(t.colour(i)); };
  const auto brush = [&t](int i) { return Brush::solid(t.colour(i)); };
  t.figure = pen(0);
  t.zodiac = pen(1);
  t.nebula = brush(2);
  t.galaxy = brush(3);
  t.cluster = brush(4);
  t.unknown = brush(5);
  t.outline_known = pen(6);
  t.outline_unknown = pen(7);
  t.telrad = pen(8);
  t.telrad_dotted = Pen::dotted(t.colour(8));
  t.ecliptic = pen(9);
  t.equator = pen(10);
  t.horizon = pen(11);
  t.earth_grid = Pen::dotted(t.colour(13));
  t.earth_map = brush(14);
  t.cities = pen(15);
  t.satellite_lit = brush(16);
  t.satellite_shadow = brush(17);
  t.boundary = pen(18);
  t.outline_lines = pen(19);
  for (int i = 0; i < 4; ++i) {
    t.milky_way[i] = Pen::solid(t.colour(20 + i), std::max<int>(1, breiten[i]));
  }
  t.user_label = brush(24);
  t.local_horizon = pen(25);
  t.local_horizon_brush = brush(25);
  t.star_colour = night ? farbe::rot : farbe::weiss;
  t.star_pen = Pen::solid(t.star_colour);
  t.star_brush = Brush::solid(t.star_colour);
  return t;
}

}  // namespace sdro
