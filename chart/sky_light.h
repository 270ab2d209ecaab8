// The light of the sky at an instant: the altitudes of the Sun and the Moon
// and the Moon's illuminated fraction, which choose the background colour
// (twilight, moonlight) and the limiting magnitude by the Sun's altitude.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/colour_tables.h"

namespace sdro {

struct tzeitort;
struct ttheoriewahl;

/// The Sun and the Moon by the selected theories for an up-to-date instant
/// record: geometric altitudes (degrees) and the Moon's illuminated fraction
/// from its phase angle.
tsky_light compute_sky_light(const tzeitort& z, const ttheoriewahl& theorie);

/// The illuminated fraction of the Moon from its elongation ψ (degrees), the
/// Sun's distance (AU) and the Moon's (Earth radii).
double moon_illuminated_fraction(double elongation, double sun_distance, double moon_distance);

}  // namespace sdro
