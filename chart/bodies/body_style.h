// The rules that decide how a body appears on a sky chart: symbol or disc,
// symbol sizes, disc radii at the chart's scale, body colours, and which
// bodies the chart shows at all.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "chart/projection.h"
#include "chart/surface/colour.h"

namespace sdro {

/// The bitmap of a body slot: 230 + k for the planets, 240 asteroid, 241
/// comet; 0 for the Sun and the Moon, which are always discs.
int body_symbol_id(int slot);
/// Side of the slot's symbol in pixels (0 for the Sun and the Moon).
int body_symbol_size(int slot);

/// Whether body 0..9 is drawn as a disc: with `planetenscheiben`, always
/// for the Sun and the Moon and in night dimming, and on the zoom chart
/// always for Mercury, Venus, Mars and Saturn.
bool drawn_as_disc(int body, bool planetenscheiben, bool night, tsky_chart chart);

/// Pixels per degree of a chart: d / 360 on the overview and the circular
/// charts, times 180 / ρ on the zoom chart (ρ its radius).
double chart_scale(const tprojektion& projection);

/// The disc radius in pixels. `apparent` is the physical-ephemeris value:
/// the semi-diameter in degrees for the Sun and the Moon, the equatorial
/// diameter in arcseconds for the planets. The overview and the zoom chart
/// show the true size, at least 6 pixels for the Sun and the Moon and 4 for
/// the planets; the other charts draw those minima.
double disc_radius(int body, double apparent, const tprojektion& projection);
/// The radius the apparent size alone gives (no minimum).
double apparent_radius(int body, double apparent, const tprojektion& projection);

/// A planet behind the Sun: at 1 AU or farther (Saturn always) and closer to
/// the Sun's centre than its semi-diameter less one arcminute. Planets
/// nearer than 1 AU stay visible in front of the disc.
bool hidden_by_sun(int body, double distance, double elongation, double sun_semi_diameter);

/// The colour of a body's disc: white; Mercury, Mars and the Sun in their
/// own colours; everything red in night dimming.
tfarbe body_colour(int body, bool night);

/// The colour index (26..36) of orbit-track points of a body name.
int track_colour_index(std::string_view name);

/// Where a symbol or disc goes: the upper left corner may lie within
/// −19 ≤ x < 3c and −9 ≤ y < 3c on the circular charts.
bool corner_on_chart(int x, int y, const tviewport& vp);

}  // namespace sdro
