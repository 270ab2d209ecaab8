// The points of an open orbit-track file as the sky charts draw them
// (drawTrackPoints), their labels (trackLabel), and the recording of the
// bodies' places at each step of an animation.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/state/animation_settings.h"
#include "astro/owning_list.h"

namespace sdro {

class Zeichenflaeche;
struct tsky_scene;
struct tzeitort;

/// One point of an orbit track.
struct tplanetenbahnsatz {
  std::string name;        ///< body name
  double ra = 0.0;         ///< right ascension, degrees
  double dec = 0.0;        ///< declination, degrees
  std::int32_t year = 2000;  ///< the year whose equinox the coordinates refer to
  double jd = 0.0;         ///< Julian date (UT) of the point
};

/// The orbit track: the points in recording order, each owned by the list.
using tbahnliste = tbahndaten_stringlist<tplanetenbahnsatz>;

/// Appends a point (the list's entry is named after the body).
void add_track_point(tbahnliste& track, tplanetenbahnsatz point);

/// trackLabel: the label of a point. `first_instant` marks the points of
/// the track's first instant; `zone_offset` (hours, east positive) turns
/// the point's Julian date into the local date and time.
std::string track_label(std::string_view name, bool first_instant, const tbahndatei& options, double jd,
                        double zone_offset);

/// drawTrackPoints: the points on the scene's chart, labelled every n-th
/// instant. `pluto_shown` says whether points named "Pluto" are drawn.
void draw_track_points(Zeichenflaeche& s, const tsky_scene& scene, const tbahnliste& track,
                       const tzeitort& z, bool pluto_shown);

/// The name without trailing blanks.
std::string_view trimmed_right(std::string_view name);

}  // namespace sdro
