// The projections of the sky charts: sky coordinates to chart pixels and
// back, one routine per chart kind, used alike by the drawing, the mouse and
// the tests.
//
// The circular charts (horizon chart, zoom chart, northern and southern sky)
// turn a place into an elevation-like value e (degrees, 90 at the chart
// centre) and a position angle q (degrees, rotation included), then into
// pixels with the rim parameter Z (degrees of e from the centre to the rim):
//
//   r = (90 − e) / Z · R,  x = c + rnd(r · sin q) · s,  y = c + rnd(r · cos q)
//
//   horizon chart   e = altitude, q = azimuth from south through west + v, Z = 90
//   zoom chart      the horizon formulas for an observer with sidereal time α0
//                   and latitude δ0 (no refraction), Z = ρ
//   northern sky    e = δ,  q = 360 − α + v, Z = L = 90 + polkartengrenze
//   southern sky    e = −δ, q = α + v,       Z = L
//
// The equatorial overview is an equirectangular map d wide and d / 2 high:
// u = (s · α + uebersichtzentrum) mod 360, x = d − u · k, y = k · (90 − δ).
//
// Angles are degrees, right ascension included; pixel coordinates are those
// of the chart bitmap (window coordinates plus the scroll position).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <utility>

#include "astro/enums.h"
#include "chart/surface/geometry.h"
#include "chart/viewport.h"

namespace sdro {

/// The sky charts.
enum class tsky_chart { horizon, zoom, north, south, overview };

/// The sky chart of a chart kind and sub-kind (200/0 horizon, 200/1
/// overview, 204 zoom, 206 northern and 207 southern sky); none for the
/// other kinds.
std::optional<tsky_chart> sky_chart_of(int kartenart, int kartenunterart);

/// The zoom radius used for drawing: 0.5..60 degrees (a value outside, or not
/// a number, is brought into that range).
double usable_zoom_radius(double radius);
/// The polar distance of the rim of the polar charts, L = 90 + the limit,
/// with the limit kept within −40..40.
double polar_rim(int polkartengrenze);

/// A place on a circular chart.
struct tchart_place {
  double e = -90.0;    ///< elevation-like value, degrees; 90 at the chart centre
  double sin_q = 0.0;  ///< position angle q, rotation included
  double cos_q = 1.0;
};

/// What lies under a chart pixel.
struct tsky_point {
  double ra = 0.0;        ///< right ascension of date, degrees [0, 360)
  double dec = 0.0;       ///< declination, degrees
  double altitude = 0.0;  ///< horizon chart: the altitude the chart shows (refraction included)
  double azimuth = 0.0;   ///< horizon chart: azimuth from south through west, degrees [0, 360)
};

/// The observer of the horizon chart, or the fictitious observer of the zoom
/// chart (sidereal time α0 / 15, latitude δ0, no refraction).
struct tobserver {
  double sidereal_time = 0.0;  ///< local sidereal time, hours
  double sin_latitude = 0.0;
  double cos_latitude = 1.0;
  bool refraction = false;
  double temperature = 10.0;   ///< °C
  double pressure = 1010.0;    ///< hPa
};
/// The observer of an up-to-date instant record.
struct tzeitort;
tobserver observer_of(const tzeitort& z);

class tprojektion {
 public:
  /// The horizon chart of an observer. `stored_origin` is the azimuth origin
  /// of the horizontal places the catalogue stores: places counted from north
  /// are turned back, so the chart always has south at the bottom for v = 0.
  static tprojektion horizon(const tviewport& vp, const tobserver& observer,
                             tazimutzaehlung stored_origin = azimutSued);
  /// The zoom chart centred on (α0, δ0) with radius ρ.
  static tprojektion zoom(const tviewport& vp, double ra0, double dec0, double radius);
  static tprojektion north(const tviewport& vp, int polkartengrenze);
  static tprojektion south(const tviewport& vp, int polkartengrenze);
  static tprojektion overview(const tviewport& vp, int uebersichtzentrum);

  tsky_chart kind() const { return kind_; }
  const tviewport& viewport() const { return vp_; }
  bool circular() const { return kind_ != tsky_chart::overview; }
  /// Z: 90 on the horizon chart, ρ on the zoom chart, L on the polar charts.
  double rim() const { return rim_; }
  /// The zoom chart's centre and the overview's central offset.
  double centre_ra() const { return ra0_; }
  double centre_dec() const { return dec0_; }
  int overview_offset() const { return offset_; }

  // --- circular charts -------------------------------------------------------
  /// The place of (α, δ) on this chart, rotation included.
  tchart_place place(double ra, double dec) const;
  /// The place of a stored horizontal place (altitude, sine and cosine of the
  /// azimuth, as the catalogue keeps them): the observer's on the horizon
  /// chart, the centred frame's (azimuth from south) on the zoom chart.
  tchart_place place_from_horizontal(double altitude, double sin_azimuth, double cos_azimuth) const;
  /// toPixel: the pixel of a place; stars on the zoom chart use R + 1.
  PixelPoint pixel(const tchart_place& p, bool star = false) const;
  /// r in pixels of a place (before rounding).
  double radius_of(const tchart_place& p, bool star = false) const;
  /// The pixel of a place before rounding (x, y).
  std::pair<double, double> exact_pixel(const tchart_place& p) const;
  /// Whether an object (star, deep-sky object, label) at this place is drawn:
  /// above the horizon, inside the rim of a polar chart, within one and a
  /// half radii of the zoom chart's centre.
  bool shows(const tchart_place& p) const;
  /// The pixel of an object at a place, or nothing when it is not drawn (on
  /// the zoom chart the pixel must also lie strictly inside (0, 3c)).
  std::optional<PixelPoint> object_pixel(const tchart_place& p, bool star = false) const;

  // --- equatorial overview ---------------------------------------------------
  /// u = (s · α + uebersichtzentrum) mod 360.
  double overview_u(double ra) const;
  /// x = d − u · k, y = k · (90 − δ), rounded.
  PixelPoint overview_pixel(double ra, double dec) const;
  /// The pixel of an object, or nothing when |x| or |y| reaches 3000.
  std::optional<PixelPoint> overview_object_pixel(double ra, double dec) const;

  // --- every sky chart ---------------------------------------------------------
  /// The pixel of an object at (α, δ), or nothing when it is not drawn.
  std::optional<PixelPoint> object_pixel(double ra, double dec, bool star = false) const;
  /// screenToSky: the sky under the chart pixel (x, y), or nothing outside
  /// the chart (below the horizon, beyond the rim of a polar chart, below
  /// the overview).
  std::optional<tsky_point> sky_at(double x, double y) const;

 private:
  tprojektion(tsky_chart kind, const tviewport& vp, double rim);
  tchart_place turned(double e, double q) const;
  tchart_place turned(double e, double sin_a, double cos_a) const;

  tsky_chart kind_ = tsky_chart::horizon;
  tviewport vp_;
  double rim_ = 90.0;
  double sin_v_ = 0.0, cos_v_ = 1.0;
  tobserver frame_;              ///< observer (horizon chart) or centre (zoom chart)
  double stored_azimuth_sign_ = 1.0;  ///< −1 when stored azimuths count from north
  double ra0_ = 0.0, dec0_ = 0.0;
  int offset_ = 0;               ///< uebersichtzentrum
};

/// The projection of the current sky chart from the configuration values.
struct tkonfiguration;
std::optional<tprojektion> chart_projection(const tkonfiguration& k, const tviewport& vp,
                                            tazimutzaehlung stored_origin);

}  // namespace sdro
