// The catalogue commands of the main window's menu "&Info": the star, deep-sky,
// zone-catalogue and constellation choosers.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

class TKyr5Main;

/// Adds "Ste&rne...", "&Nebel...", "SAO&/PPM..." and "Stern&bilder".
void add_catalog_commands(TKyr5Main& window);

/// Shows the zoom chart centred on (α, δ) of date with a radius, degrees.
void show_zoom_chart(TKyr5Main& window, double ra, double dec, double radius);

}  // namespace sdro
