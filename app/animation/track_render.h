// The orbit tracks of a headless chart: "--record STEPS,DAYS" records a new
// track at STEPS instants DAYS apart, beginning with the chart's instant
// (the chart returns to it); "--track FILE" opens a track file, or, with
// --record, saves the recorded track to it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sdro {

class tengine;

struct ttrack_render_options {
  std::string record;  ///< STEPS,DAYS: 2..30000 instants of more than 0 and at most 36525 days
  std::string track;   ///< FILE.orb or FILE.sor
};

/// "" when the options are well formed, else the message.
std::string check_track_options(const ttrack_render_options& o);

/// Records, opens or saves as asked, before the chart is drawn. False when a
/// file could not be read or written (the message was given).
bool apply_track_options(tengine& engine, const ttrack_render_options& o);

}  // namespace sdro
