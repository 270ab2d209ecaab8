// The commands of the sky charts in the main window: the chart kinds and the
// zoom chart ("&Karte"), diameter, overview centre, map sections, rotation
// and mirror, limits, star display, constellations, markers and night
// dimming ("&Ansicht"), the colours ("&Einstellungen") and the object groups
// ("O&bjekte"); the keys of the chart area and the sky under the mouse.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

class TKyr5Main;

/// Adds the commands (call after the window exists, before it starts; the
/// engine needs the sky chart component).
void add_chart_commands(TKyr5Main& window);

}  // namespace sdro
