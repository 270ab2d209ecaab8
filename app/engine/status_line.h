// The texts of the status-line panels, as data the window shows.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace sdro {

class tengine;

struct tstatus_panel {
  std::string name;  ///< what the panel is for (stable, not shown)
  std::string text;
};

struct tstatuszeile {
  std::string datum;            ///< date, time, zone, UT, JD, place, sidereal time
  std::string koordinaten;      ///< centre of the zoom and view-from charts
  std::string fortschritt;      ///< animation step or real-time clock
  std::string aequatorzentrum;  ///< centre of the equatorial overview
  std::string katalog;          ///< "SAO", "PPM" or empty
  std::string planetentheorie;  ///< "VSOP87 D", "VSOP87 C" or "Newcomb"
  std::string mondtheorie;      ///< "ELP-2000/82" or "Brown"
  std::string grenzgroesse;     ///< the limiting magnitude label, e.g. "5.0 mag"
  std::vector<tstatus_panel> weitere;  ///< panels added by components

  /// Every non-empty text in panel order (for headless output).
  std::vector<std::string> texts() const;
};

/// Rebuilds every panel from the engine's state (components add theirs).
tstatuszeile statuszeile(const tengine& engine);

/// The magnitude label: magnitude × 100 → "5.0 mag" (truncated to tenths).
std::string magnitude_label(int magnitude_hundredths);

}  // namespace sdro
