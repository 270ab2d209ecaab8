// Small enumerations shared across the program. The numeric values are
// stored in configuration files; keep their order.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// Azimuth origin: counted from south (0) or from north (1).
enum tazimutzaehlung : int { azimutSued = 0, azimutNord = 1 };

/// Density of the horizon drawing.
enum tdichteHorizont : int { g10 = 0, g15 = 1, g20 = 2 };

/// Day/night boundary style of the Earth map.
enum tTagnacht : int { nicht = 0, grob = 1, fein = 2, crosshair = 3, solid = 4, line = 5 };

/// Print quality.
enum tdruckmode : int { dr_high = 0, dr_low = 1 };

}  // namespace sdro
