// The chart frame drawn when no drawing component claims the chart kind:
// the background, the rim of the circular charts with the cardinal points,
// and the chart title.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;

namespace sdro {

struct tkonfiguration;

/// Draws the empty chart of the current kind with diameter `d` into the bitmap.
void draw_empty_chart(QImage& bitmap, const tkonfiguration& k, int d);

}  // namespace sdro
