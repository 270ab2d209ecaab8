// The planetary and lunar theory selection in the main window: four items of
// the settings menu with their ticks, and clicks on the two theory panels of
// the status line (the planetary panel cycles the theory, the lunar panel
// switches the lunar library). The rules themselves are the selection's own
// (ephem/theory_selection.h); a change recomputes the chart.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

class TKyr5Main;

void add_theory_commands(TKyr5Main& window);

}  // namespace sdro
