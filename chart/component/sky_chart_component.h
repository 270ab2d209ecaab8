// The sky charts in the recompute-redraw cycle: a component of the engine
// that works out the light of the sky for the instant and draws the horizon
// chart, the zoom chart, both polar charts and the equatorial overview from
// the catalogues of the engine's catalogue component ("stars", added before
// this one), which positions them in the same cycle.
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

  tsky_chart_component();
  ~tsky_chart_component() override;

  std::string_view name() const override { return kName; }
  void prepare(tengine& engine) override;
  void compute_positions(tengine& engine) override;
  bool draws(int kartenart, int kartenunterart) const override;
  void draw(tengine& engine, Zeichenflaeche& chart) override;
  void status(const tengine& engine, tstatuszeile& s) const override;

  // --- what the chart offers the rest of the program ---------------------------
  /// The catalogues of the engine (null without a catalogue component or
  /// when they could not be loaded).
  static tstars* catalogue(const tengine& engine);
  /// The zone stars of the zoom chart (kept by the catalogue component; null without one).
  static TSAOList* zone_stars(const tengine& engine);
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
  /// Texts written at zone stars ("Helligkeit eintragen", "&Beschriften").
  twritten_labels& written_labels() { return written_; }
  /// Whether the last zoom chart drew the zone catalogues.
  bool zone_catalogue_in_use() const { return zone_in_use_; }
  /// The progress gauge while zone files are read (0..100).
  std::function<void(int)> on_zone_progress;

  /// The scene the next drawing of the engine's state uses (the tools are
  /// made anew from the active colour table).
  tsky_scene scene(const tengine& engine);

 private:
  tsky_hooks hooks_;
  tsky_light light_;
  tsky_background background_;
  tzeichenwerkzeuge tools_;
  int colour_depth_ = 32;
  std::optional<ttelrad_marker> marker_;
  twritten_labels written_;
  tzone_source zone_;
  bool zone_in_use_ = false;
};

/// Adds the sky chart component to an engine (before initialisieren, after
/// the catalogue component).
void add_sky_chart_component(tengine& engine);
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
