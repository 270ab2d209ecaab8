// What frames the sky on a chart: the background by the Sun's altitude, the
// rim of the circular charts, the chart labelling (title, date and place,
// the cardinal points of the horizon chart), the zoom chart's scale bar and
// the Telrad circles around the marker.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "chart/surface/geometry.h"

namespace sdro {

class Zeichenflaeche;
struct Pen;
struct tsky_scene;

/// The whole bitmap in the sky colour, then on the circular charts the rim
/// circle (0, 0)–(d, d).
void draw_background(Zeichenflaeche& surface, const tsky_scene& scene);
/// The pen of the rim circle.
const Pen& rim_pen(const tsky_scene& scene);

/// Chart labelling of the circular charts (`beschriftungkarten`): the title,
/// the date and time, the place name, and on the horizon chart the eight
/// directions around the rim.
void draw_chart_labelling(Zeichenflaeche& surface, const tsky_scene& scene);

/// Where the label of direction i (0 north … 7 north-west, every 45°) of the
/// horizon chart goes: its box lies outside the point of the rim at radius
/// d / 2 (10 pixels more beyond 1980 pixels) and within the chart square.
PixelRect cardinal_label_box(const tsky_scene& scene, int i, int width, int height);

/// The zoom chart's scale bar: from (10, 10) a bar of L degrees at the chart's
/// scale with ticks at both ends, and its label.
struct tscale_bar {
  int x_end = 10;
  std::string label;
};
tscale_bar scale_bar(const tsky_scene& scene);
void draw_scale_bar(Zeichenflaeche& surface, const tsky_scene& scene);

/// The enabled Telrad circles around the marker, with diameters in pixels of
/// the chart's scale; on the polar charts only with the marker inside the rim.
void draw_telrad(Zeichenflaeche& surface, const tsky_scene& scene);

}  // namespace sdro
