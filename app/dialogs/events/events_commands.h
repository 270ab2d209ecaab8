// The commands of rise, set and twilight in the main window: the daily
// overview (F3), the information on time and place (Alt+F3) and setting the
// clock to one of the day's events.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

class TKyr5Main;
class tengine;
struct tinfo_settings;

/// Adds "&Zeit und Ort" and "Tagesübersicht Planeten" (menu "&Info") and
/// "A&uf Ereignis setzen..." (menu "&Zeit und Ort"), and the component that
/// refills the overview after every recompute. Call before the window starts.
void add_events_commands(TKyr5Main& window);

/// What the information shows of the engine's settings.
tinfo_settings info_settings(const tengine& engine);

/// Opens the information (full or compact); an event chosen on OK sets the
/// chart's clock to it on the same local date, and the chart is recomputed.
void show_time_place_info(TKyr5Main& window, bool compact);

}  // namespace sdro
