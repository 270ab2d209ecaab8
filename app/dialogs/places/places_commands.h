// The commands of the date, time and place entry in the main window's menu
// "&Zeit und Ort", and taking a dialog's result into the chart's instant.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "places/earth_map.h"

namespace sdro {

class TKyr5Main;
class tengine;
struct tzeitort;

/// Adds "&Datum und Ort eingeben...", "&Julianisches Datum...", "&Tagesbruchteil...",
/// "UT Eingeben...", "&Ort wählen...", "&Zurück zu Heimatort" and
/// "Aktueller Ort als &Heimatort".
void add_places_commands(TKyr5Main& window);

/// A dialog's copy becomes the chart's instant and place: the instant is
/// completed from the civil fields, and when instant or place changed the
/// positions are recomputed and the chart redrawn. True when something changed.
bool take_instant(TKyr5Main& window, const tzeitort& z);

/// A click on the Earth map chart at a point (and city, "" for none): the
/// confirmation dialog, and on its OK the place becomes the chart's place
/// ("Weltzeit beibehalten" decides whether UT or the clock time stays).
void confirm_map_place(TKyr5Main& window, const tmap_point& point, const std::string& city);

}  // namespace sdro
