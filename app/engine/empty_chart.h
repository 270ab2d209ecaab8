// The chart background and the frame drawn when no drawing component claims
// the chart kind: the rim of the circular charts with the cardinal points of
// the horizon chart, and the chart title.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

class Zeichenflaeche;
struct tkonfiguration;

/// Clears the whole surface with the background brush.
void clear_chart(Zeichenflaeche& chart);

/// Draws the empty chart of the current kind with diameter `d`.
void draw_empty_chart(Zeichenflaeche& chart, const tkonfiguration& k, int d);

}  // namespace sdro
