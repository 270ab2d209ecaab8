// drawBodies: the moving objects of a sky chart in their order — the
// antisolar point, the Sun, the planets and the Moon last (so that it
// covers the Sun in a solar eclipse), the active asteroids and comets, and
// on the horizon chart the Earth satellites with the satellite track. The
// pixel position of every drawn object goes into its record of the
// catalogue container, where the mouse finds it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "chart/bodies/body_ephemeris.h"
#include "chart/bodies/phase_figures.h"
#include "chart/bodies/satellite_track.h"

namespace sdro {

class Zeichenflaeche;
struct tsky_scene;

/// The drawing objects of the discs, made once with the chart.
struct tbody_figures {
  tphasen_d phasen;
  tringe ringe;
  terdschatten schatten;
};

/// What the small-body tables and the satellite subsystem contribute: names
/// for the labels and whether the satellites may be shown at the instant.
/// Without them the objects are drawn unlabelled and satellites not at all.
struct tbody_sources {
  std::function<std::string(std::size_t)> asteroid_name;
  std::function<std::string(std::size_t)> comet_name;
  std::function<bool()> satellites_allowed;  ///< the date lies within `satellitentage` of the epochs
  std::function<std::string(std::size_t)> satellite_name;
  const tspurliste* satellite_track = nullptr;
};

/// Copies the computed places into the body slots of the catalogue
/// container (their screen positions are set by the drawing).
void store_body_places(tsky_scene const& scene, const tkoerpertabelle& bodies);

void draw_bodies(Zeichenflaeche& s, const tsky_scene& scene, const tkoerpertabelle& bodies,
                 tbody_figures& figures, const tbody_sources& sources);

}  // namespace sdro
