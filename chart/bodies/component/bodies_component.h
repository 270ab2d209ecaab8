// The solar-system bodies in the recompute-redraw cycle: a component of the
// engine that computes the Sun, the planets and the Moon for each new
// instant, draws them on the sky charts (at the bodies' place in the drawing
// order) together with the asteroids, comets and satellites of the catalogue
// container, and keeps and draws the open orbit track and the satellite
// track. While an animation runs with a track file open, every new instant
// is recorded into the track before the chart is drawn.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "app/engine/component.h"
#include "chart/bodies/body_ephemeris.h"
#include "chart/bodies/draw_bodies.h"
#include "chart/bodies/orbit_track.h"
#include "chart/bodies/satellite_track.h"

namespace sdro {

class tengine;

class tbodies_component final : public tcomponent {
 public:
  static constexpr std::string_view kName = "bodies";
  std::string_view name() const override { return kName; }

  /// Adds the drawing to the hooks of the sky charts.
  void initialise(tengine& engine) override;
  /// The bodies for the instant; records the track while an animation runs.
  void compute_positions(tengine& engine) override;

  const tkoerpertabelle& bodies() const { return bodies_; }
  /// The open orbit track (empty while none is open).
  tbahnliste& track() { return track_; }
  const tbahnliste& track() const { return track_; }
  /// The satellite track.
  tspurliste& satellite_track() { return satellite_track_; }
  /// Names and permissions supplied by the small-body and satellite tables.
  tbody_sources& sources() { return sources_; }
  /// Whether Pluto is computed and drawn at the current instant.
  bool pluto_shown() const { return pluto_shown_; }

  /// Appends the places of the bodies the `bahndatei` block selects at the
  /// current instant (recording order: the bodies 0..9, the active
  /// asteroids, the active comets). Nothing is recorded twice for one instant.
  void record(const tengine& engine);

 private:
  tkoerpertabelle bodies_{};
  tbody_figures figures_;
  tbahnliste track_;
  tspurliste satellite_track_;
  tbody_sources sources_;
  bool pluto_shown_ = true;
};

/// Adds the component to an engine (after the sky chart component, before
/// initialisieren).
void add_bodies_component(tengine& engine);
/// The engine's bodies component, if it has one.
tbodies_component* bodies_component(const tengine& engine);

}  // namespace sdro
