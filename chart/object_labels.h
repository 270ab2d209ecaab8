// The label texts of stars, zone stars and deep-sky objects, by the label
// option `saobeschriftungsart`: 0 the name, 1 the magnitude, 2 both.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "chart/surface/geometry.h"

namespace sdro {

class Zeichenflaeche;
struct tkonfiguration;

/// " " + magnitude with one decimal + " mag".
std::string magnitude_text(double magnitude);
/// The label: the name (0), the magnitude text (1) or both (2); an empty
/// name gives the magnitude text for 2 and nothing for 0.
std::string object_label(std::string_view name, double magnitude, int saobeschriftungsart);

/// Selects the text settings of object labels: the "Objekte" font and its
/// colour, baseline alignment, transparent background.
void select_object_label_font(Zeichenflaeche& surface, const tkonfiguration& k);

/// Labels begin this many pixels right of their symbol's lower right corner.
inline constexpr int kLabelGap = 3;
/// Writes a label (nothing when empty) at its symbol's lower right corner:
/// the baseline through the corner, the text kLabelGap pixels right of it
/// (label font selected). Stars: (x + half, y + half); deep-sky objects the
/// corner of the symbol's box (left + D, top + D).
void write_object_label(Zeichenflaeche& surface, PixelPoint corner, const std::string& text);

}  // namespace sdro
