// The stars of a sky chart: the loaded catalogue stars as circles or
// bitmaps with their labels, and on the zoom chart the zone stars of the SAO
// or PPM catalogue with the texts written at clicked ones. Every drawn star
// keeps its pixel position for hit-testing; a star not drawn keeps (−10, −10).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/surface/geometry.h"

namespace sdro {

class Zeichenflaeche;
struct tsky_scene;
struct tzeichenwerkzeuge;

/// A star symbol at (x, y): a bitmap of class m (bit_or) or a filled circle,
/// one pixel when its radius is 0 or less. Returns the label offset (the
/// half size of the star bitmap of class m).
int draw_star_symbol(Zeichenflaeche& surface, const tzeichenwerkzeuge& tools, PixelPoint at, int m,
                     int size_setting, bool bitmap);

/// The catalogue stars (not on a zoom chart that uses the zone catalogues).
void draw_catalogue_stars(Zeichenflaeche& surface, const tsky_scene& scene);

/// The zone stars of a zoom chart: read, positioned and drawn at once, then
/// the written magnitudes and names. Nothing without a zone source.
void draw_zone_stars(Zeichenflaeche& surface, const tsky_scene& scene);

/// Stars of the chart: zone stars where they are in use, else the catalogue's.
void draw_stars(Zeichenflaeche& surface, const tsky_scene& scene);

}  // namespace sdro
