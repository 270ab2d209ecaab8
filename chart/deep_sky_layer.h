// The deep-sky objects of a sky chart: a filled ellipse in the brush of the
// object's type, its label, and on the zoom chart its outline at the scale of
// the chart. Hidden object groups are neither drawn nor hit-tested; every
// drawn object keeps the top-left corner of its symbol, others (−10, −10).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "chart/surface/geometry.h"

namespace sdro {

class Zeichenflaeche;
struct tsky_scene;
struct tkonfiguration;
struct tnebelrecord;

/// Whether the object group of a deep-sky type is switched on.
bool deep_sky_group_shown(const tkonfiguration& k, int type);

/// The 61 points (every 6°) of the outline of an object on the zoom chart:
/// the catalogue's axes (arcminutes) at the chart's scale R / ρ pixels per
/// degree, turned by the position angle from the chart's north at the object
/// towards its east (which carries the rotation and the mirror). A size that
/// is not known gives a circle; an outline of less than 3 pixels a circle of
/// radius 2.125.
struct tdeep_sky_outline {
  std::vector<PixelPoint> points;
  bool size_known = true;
};
tdeep_sky_outline deep_sky_outline(const tsky_scene& scene, const tnebelrecord& o);

/// The deep-sky objects.
void draw_deep_sky(Zeichenflaeche& surface, const tsky_scene& scene);

}  // namespace sdro
