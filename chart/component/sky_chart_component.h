// The sky charts in the recompute-redraw cycle: a component of the engine
// that positions the catalogues for the instant, works out the light of the
// sky, and draws the horizon chart, the zoom chart, both polar charts and the
// equatorial overview.
//
// Other drawing code (grids, the horizon, bodies, labels, meteors) adds its
// parts to hooks() at their places in the drawing order (chart/draw_sky.h);
// each hook receives the scene of the drawing with the projection, the tools
// and the catalogues.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "app/engine/component.h"
#include "catalog/stars.h"
#include "catalog/zone_catalogue.h"
#include "chart/draw_sky.h"
#include "chart/sky_scene.h"

namespace sdro {

class tsky_chart_component final : public tcomponent {
 public:
  static constexpr std::string_view kName = "sky chart";

  /// `may_refresh_files`: the catalogue may rewrite its data files once a
  /// year (the interactive program); headless runs and tests leave them alone.
  explicit tsky_chart_component(bool may_refresh_files = false);
  ~tsky_chart_component() override;

  std::string_view name() const override { return kName; }
  void initialise(tengine& engine) override;
  void recreate(tengine& engine) override;
  void prepare(tengine& engine) override;
  void compute_positions(tengine& engine) override;
  bool draws(int kartenart, int kartenunterart) const override;
  void draw(tengine& engine, Zeichenflaeche& chart) override;
  void status(const tengine& engine, tstatuszeile& s) const override;

  // --- what the chart offers the rest of the program ---------------------------
  /// The catalogues (null when they could not be loaded).
  tstars* catalogue() { return stars_.get(); }
  /// Uses catalogues owned elsewhere instead of loading its own.
  void use_catalogue(tstars* external) { external_ = external; }
  tsky_hooks& hooks() { return hooks_; }
  /// The projection of the current chart kind (for the mouse and for code
  /// that projects between drawings); nothing for other chart kinds.
  std::optional<tprojektion> projection(const tengine& engine) const;
  /// The light of the sky at the last recompute, and the background chosen.
  const tsky_light& light() const { return light_; }
  const tsky_background& background() const { return background_; }
  /// The display's colour depth, bits per pixel (chooses the automatic colour mode).
  void set_colour_depth(int bits) { colour_depth_ = bits; }
  /// The Telrad marker; cleared by "Markierung/&Telrad® aus".
  std::optional<ttelrad_marker>& marker() { return marker_; }
  /// Texts written at zone stars, and the zone stars of the last zoom chart.
  twritten_labels& written_labels() { return written_; }
  TSAOList& zone_stars() { return zone_list_; }
  /// Whether the last zoom chart drew the zone catalogues.
  bool zone_catalogue_in_use() const { return zone_in_use_; }
  /// The progress gauge while zone files are read (0..100).
  std::function<void(int)> on_zone_progress;

  /// The scene the next drawing of the engine's state uses (the tools are
  /// made anew from the active colour table).
  tsky_scene scene(const tengine& engine);

 private:
  tstars* stars() const { return external_ ? external_ : stars_.get(); }
  void load_catalogue(tengine& engine);
  bool zone_catalogue_wanted(tengine& engine) const;

  bool may_refresh_files_ = false;
  bool first_load_ = true;
  std::unique_ptr<tstars> stars_;
  tstars* external_ = nullptr;
  tsky_hooks hooks_;
  tsky_light light_;
  tsky_background background_;
  tzeichenwerkzeuge tools_;
  int colour_depth_ = 32;
  std::optional<ttelrad_marker> marker_;
  twritten_labels written_;
  TSAOList zone_list_;
  tzone_source zone_;
  bool zone_in_use_ = false;
};

/// The sky chart component of an engine (null when it has none).
tsky_chart_component* sky_chart(tengine& engine);
const tsky_chart_component* sky_chart(const tengine& engine);

/// The text of the coordinates panel for the mouse at chart pixel (x, y):
/// "RA: " hours and minutes, " Dk: " the declination, on the horizon chart
/// also the altitude and the azimuth; empty where the chart shows no sky.
std::string mouse_coordinates_text(const tprojektion& projection, double x, double y,
                                   tazimutzaehlung origin);

/// The central right ascension of the equatorial overview in whole hours,
/// as its status panel shows it.
int overview_centre_hours(int uebersichtzentrum);

}  // namespace sdro
