// What one drawing pass of a sky chart reads: the configuration, the
// projection, the tools, the light of the sky and the catalogues. It is
// built once per drawing (make_sky_scene) and handed to every drawing step,
// the hooks of the other drawing parts included.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/state/konfiguration.h"
#include "catalog/zone_catalogue.h"
#include "chart/colour_tables.h"
#include "chart/drawing_tools.h"
#include "chart/projection.h"
#include "chart/surface/font_spec.h"

namespace sdro {

class tstars;
struct tsternrecord;
struct tnebelrecord;
struct tlinienpunkt;
struct tsternbildlabel;

/// Texts written into the zoom chart at clicked zone stars: magnitudes and
/// names at their places of date (degrees), kept until the marks are cleared.
struct twritten_magnitude {
  float ra = 0.0f;
  float dec = 0.0f;
  float magnitude = 0.0f;  ///< magnitude × 100
};
struct twritten_name {
  float ra = 0.0f;
  float dec = 0.0f;
  std::string text;
};
struct twritten_labels {
  std::vector<twritten_magnitude> magnitudes;
  std::vector<twritten_name> names;
  void clear() {
    magnitudes.clear();
    names.clear();
  }
};

/// The zone stars of a zoom chart drawn from the SAO or PPM catalogue.
struct tzone_source {
  TSAOList* list = nullptr;        ///< receives the zone stars of the map
  tzone_request request;           ///< catalogue, map, limit (`grenzgroessesao`)
  const tzeitort* zeitort = nullptr;
  const twritten_labels* written = nullptr;
  std::function<void(int)> progress;  ///< the progress gauge while the files are read
  tzone_read_result result;        ///< what the last drawing read
};

/// The Telrad marker: the sky point the circles are drawn around.
struct ttelrad_marker {
  double ra = 0.0;   ///< degrees of date
  double dec = 0.0;
};

struct tsky_scene {
  const tkonfiguration* konfig = nullptr;
  tprojektion projection = tprojektion::overview(tviewport{}, 0);
  const tzeichenwerkzeuge* tools = nullptr;
  tsky_light light;
  tsky_background background;
  bool night = false;              ///< night dimming
  bool sixteen_colours = false;    ///< the sky colours of the 16-colour mode are in use
  /// Limits by the Sun's altitude (`sonnenhoehegrenze`): m_lim in magnitudes.
  bool sun_limit = false;
  double m_lim = 26.0;
  int star_size = -2;              ///< effective size setting b (automatic size applied)
  bool star_bitmaps = true;        ///< stars as bitmaps (never in night dimming)
  bool show_scale = true;          ///< "ShowScale"
  tstars* stars = nullptr;         ///< the catalogues (nothing of them is drawn without)
  /// With the zone catalogues in use on the zoom chart, their stars take the
  /// place of the catalogue stars.
  tzone_source* zone = nullptr;
  std::optional<ttelrad_marker> marker;

  const tkonfiguration& k() const { return *konfig; }
  const tzeichenwerkzeuge& t() const { return *tools; }
  tsky_chart chart() const { return projection.kind(); }
  const tviewport& viewport() const { return projection.viewport(); }

  /// Whether the Milky Way and the deep-sky outline lines are drawn at this
  /// Sun altitude (the zoom chart draws them whatever the Sun does).
  bool faint_light_visible() const;
  /// Star and deep-sky limit in hundredths, the Sun's limit included.
  bool star_bright_enough(int magnitude) const;
  bool nebula_bright_enough(int magnitude) const;

  // Places of catalogue objects. Stars, deep-sky objects and line points on
  // the horizon chart: the horizontal place the catalogue stored (for line
  // points computed on demand where its recompute left them out, so a layer
  // switched on later never meets stale places); everything else: the
  // chart's projection of the place of date.
  tchart_place place_of(const tsternrecord& s) const;
  tchart_place place_of(const tnebelrecord& o) const;
  /// Line point `number` (1-based) of the catalogue.
  tchart_place line_place(std::size_t number) const;
  tchart_place place_of(const tsternbildlabel& l) const;
  /// The pixel of an object at a place of date with its stored horizontal
  /// place, or nothing when the chart does not draw it.
  template <class Record>
  std::optional<PixelPoint> object_pixel(const Record& r, double ra, double dec, bool star = false) const {
    if (chart() == tsky_chart::overview) return projection.overview_object_pixel(ra, dec);
    return projection.object_pixel(place_of(r), star);
  }
};

/// A font of the configuration as the surface selects it.
FontSpec chart_font(const tkonfiguration& k, int schrift);
/// The text colour of a font of the configuration.
tfarbe chart_font_colour(const tkonfiguration& k, int schrift);

}  // namespace sdro
