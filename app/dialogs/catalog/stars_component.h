// The catalogue container as a part of the engine: it is created at start-up
// over the data directory, takes each new instant and place, and repositions
// stars, lines, deep-sky objects and labels when the cycle asks for positions.
// The chart drawing reads everything through stars() and zone_stars().
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "app/engine/component.h"
#include "astro/zeitort.h"
#include "catalog/stars.h"
#include "catalog/zone_catalogue.h"

namespace sdro {

class tengine;

class tstars_component : public tcomponent {
 public:
  static constexpr std::string_view kName = "stars";
  std::string_view name() const override { return kName; }

  /// Creates the container (the first creation of the run compares the
  /// star file's year with the year of the computer's clock). On failure the
  /// fatal message is shown and failed() is true.
  void initialise(tengine& engine) override;
  void apply(tengine& engine, tapply_step step) override;
  /// A new instant or place: the container takes it; the places of date are
  /// renewed when "Präzession berechnen" asks for it.
  void prepare(tengine& engine) override;
  /// Stars (the magnitude band since the last selection), line points,
  /// deep-sky objects and labels, as the chart flags require.
  void compute_positions(tengine& engine) override;
  /// Recreates the container after a change of the memory settings ("Level")
  /// or a graphic lock recovery: no year check; the next pass positions
  /// everything.
  void recreate(tengine& engine) override;
  bool failed() const override { return failed_; }

  /// The loaded container (null when the files could not be loaded).
  tstars* stars() { return catalogue_.loaded() ? &catalogue_ : nullptr; }
  const tstars* stars() const { return catalogue_.loaded() ? &catalogue_ : nullptr; }
  /// The container itself: it lives as long as the component and keeps its
  /// address when it is loaded again, so the chart can hold a pointer to it
  /// (tsky_chart_component::use_catalogue) from before the start-up on.
  tstars& catalogue() { return catalogue_; }
  /// The zone stars of the current zoom chart, refilled by the drawing
  /// (ReadZoneStars); they live as long as the engine.
  TSAOList& zone_stars() { return zone_stars_; }
  /// Whether the last positions were computed for a zoom chart whose stars
  /// come from the zone catalogues.
  bool zone_catalogue_in_use() const { return zone_catalogue_in_use_; }
  /// What the zoom chart reads from the zone catalogues: the catalogue chosen
  /// by `ppm` (or the one installed), the chart's centre and radius, the limit
  /// `grenzgroessesao` and the apparent places with `useaberrat`. The chart
  /// passes it to ReadZoneStars(zone_stars(), request, engine.zeitort(), draw).
  static tzone_request zone_request(const tengine& engine);
  /// Shown once before the yearly refresh rewrites the data files (the
  /// start-up window shows refresh_notice_text()).
  std::function<void()> on_refresh_notice;

 private:
  bool create(tengine& engine, bool check_year);

  tstars catalogue_;
  TSAOList zone_stars_;
  tzeitort precessed_for_;  ///< instant of the last renewal of the places of date
  bool failed_ = false;
  bool zone_catalogue_in_use_ = false;
};

/// Adds the catalogue component to an engine (before initialisieren).
void add_stars_component(tengine& engine);
/// The engine's catalogue component, if it has one.
tstars_component* stars_component(const tengine& engine);

}  // namespace sdro
