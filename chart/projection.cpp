// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/projection.h"

#include <algorithm>
#include <cmath>

#include "app/state/konfiguration.h"
#include "astro/angles.h"
#include "astro/chart_kind.h"
#include "astro/horizontal.h"
#include "astro/refraction.h"
#include "astro/zeitort.h"
#include "chart/surface/rnd.h"

namespace sdro {
namespace {

constexpr double kMinZoomRadius = 0.5;
constexpr double kMaxZoomRadius = 60.0;
/// Objects farther than this from the zoom chart's centre, in radii, are not drawn.
constexpr double kZoomObjectReach = 1.5;
/// Overview points at or beyond this pixel distance are skipped.
constexpr int kOverviewLimit = 3000;

}  // namespace

std::optional<tsky_chart> sky_chart_of(int kartenart, int kartenunterart) {
  switch (kartenart) {
    case ka_horizont:
      return kartenunterart == 1 ? tsky_chart::overview : tsky_chart::horizon;
    case ka_zoom:
      return tsky_chart::zoom;
    case ka_nordhimmel:
      return tsky_chart::north;
    case ka_suedhimmel:
      return tsky_chart::south;
    default:
      return std::nullopt;
  }
}

double usable_zoom_radius(double radius) {
  if (!std::isfinite(radius)) return kMaxZoomRadius;
  return std::clamp(radius, kMinZoomRadius, kMaxZoomRadius);
}

double polar_rim(int polkartengrenze) { return 90.0 + std::clamp(polkartengrenze, -40, 40); }

tprojektion::tprojektion(tsky_chart kind, const tviewport& vp, double rim)
    : kind_(kind), vp_(vp), rim_(rim) {
  sin_v_ = sincos_deg(vp.v, cos_v_);
}

tobserver observer_of(const tzeitort& z) {
  tobserver o;
  o.sidereal_time = z.sidereal_time;
  o.sin_latitude = z.sin_latitude;
  o.cos_latitude = z.cos_latitude;
  o.refraction = z.use_refraction;
  o.temperature = z.temperature;
  o.pressure = z.pressure;
  return o;
}

tprojektion tprojektion::horizon(const tviewport& vp, const tobserver& observer,
                                 tazimutzaehlung stored_origin) {
  tprojektion p(tsky_chart::horizon, vp, 90.0);
  p.frame_ = observer;
  p.stored_azimuth_sign_ = stored_origin == azimutNord ? -1.0 : 1.0;
  return p;
}

tprojektion tprojektion::zoom(const tviewport& vp, double ra0, double dec0, double radius) {
  tprojektion p(tsky_chart::zoom, vp, usable_zoom_radius(radius));
  p.ra0_ = std::isfinite(ra0) ? normalize_degrees(ra0) : 0.0;
  p.dec0_ = std::isfinite(dec0) ? std::clamp(dec0, -90.0, 90.0) : 0.0;
  p.frame_.sidereal_time = p.ra0_ / 15.0;
  p.frame_.sin_latitude = sincos_deg(p.dec0_, p.frame_.cos_latitude);
  return p;
}

tprojektion tprojektion::north(const tviewport& vp, int polkartengrenze) {
  return tprojektion(tsky_chart::north, vp, polar_rim(polkartengrenze));
}

tprojektion tprojektion::south(const tviewport& vp, int polkartengrenze) {
  return tprojektion(tsky_chart::south, vp, polar_rim(polkartengrenze));
}

tprojektion tprojektion::overview(const tviewport& vp, int uebersichtzentrum) {
  tprojektion p(tsky_chart::overview, vp, 0.0);
  p.offset_ = uebersichtzentrum;
  return p;
}

tchart_place tprojektion::turned(double e, double q) const {
  tchart_place p;
  p.e = e;
  p.sin_q = sincos_deg(q + vp_.v, p.cos_q);
  return p;
}

tchart_place tprojektion::turned(double e, double sin_a, double cos_a) const {
  return {e, sin_a * cos_v_ + cos_a * sin_v_, cos_a * cos_v_ - sin_a * sin_v_};
}

tchart_place tprojektion::place(double ra, double dec) const {
  switch (kind_) {
    case tsky_chart::horizon:
    case tsky_chart::zoom: {
      const thorizontal h = equatorial_to_horizontal(
          0.0, frame_.refraction, ra, dec, frame_.sidereal_time, frame_.sin_latitude,
          frame_.cos_latitude, frame_.temperature, frame_.pressure);
      return turned(h.altitude, h.azimuth);
    }
    case tsky_chart::north:
      return turned(dec, 360.0 - ra);
    case tsky_chart::south:
      return turned(-dec, ra);
    case tsky_chart::overview:
      break;
  }
  return {};
}

tchart_place tprojektion::place_from_horizontal(double altitude, double sin_azimuth,
                                                double cos_azimuth) const {
  return turned(altitude, stored_azimuth_sign_ * sin_azimuth, stored_azimuth_sign_ * cos_azimuth);
}

double tprojektion::radius_of(const tchart_place& p, bool star) const {
  const int R = star && kind_ == tsky_chart::zoom ? vp_.R + 1 : vp_.R;
  return (90.0 - p.e) / rim_ * R;
}

std::pair<double, double> tprojektion::exact_pixel(const tchart_place& p) const {
  const double r = radius_of(p);
  return {vp_.c + r * p.sin_q * vp_.s, vp_.c + r * p.cos_q};
}

PixelPoint tprojektion::pixel(const tchart_place& p, bool star) const {
  const double r = radius_of(p, star);
  return {vp_.c + rnd(r * p.sin_q) * vp_.s, vp_.c + rnd(r * p.cos_q)};
}

bool tprojektion::shows(const tchart_place& p) const {
  if (kind_ == tsky_chart::zoom) return p.e > 90.0 - kZoomObjectReach * rim_;
  return p.e >= 90.0 - rim_;
}

std::optional<PixelPoint> tprojektion::object_pixel(const tchart_place& p, bool star) const {
  if (!shows(p)) return std::nullopt;
  const PixelPoint px = pixel(p, star);
  if (kind_ == tsky_chart::zoom) {
    const int limit = 3 * vp_.c;
    if (px.x <= 0 || px.x >= limit || px.y <= 0 || px.y >= limit) return std::nullopt;
  }
  return px;
}

double tprojektion::overview_u(double ra) const {
  return normalize_degrees(vp_.s * ra + offset_);
}

PixelPoint tprojektion::overview_pixel(double ra, double dec) const {
  return {rnd(vp_.d - overview_u(ra) * vp_.k), rnd(vp_.k * (90.0 - dec))};
}

std::optional<PixelPoint> tprojektion::overview_object_pixel(double ra, double dec) const {
  const PixelPoint px = overview_pixel(ra, dec);
  if (std::abs(px.x) >= kOverviewLimit || std::abs(px.y) >= kOverviewLimit) return std::nullopt;
  return px;
}

std::optional<PixelPoint> tprojektion::object_pixel(double ra, double dec, bool star) const {
  if (kind_ == tsky_chart::overview) return overview_object_pixel(ra, dec);
  return object_pixel(place(ra, dec), star);
}

std::optional<tsky_point> tprojektion::sky_at(double x, double y) const {
  tsky_point out;
  if (kind_ == tsky_chart::overview) {
    if (y > vp_.d / 2.0 || y < 0.0) return std::nullopt;
    out.dec = 90.0 - y / vp_.k;
    out.ra = normalize_degrees(vp_.s * ((vp_.d - x) / vp_.k - offset_));
    return out;
  }
  const double dx = (x - vp_.c) * vp_.s;
  const double dy = y - vp_.c;
  const double r = std::sqrt(dx * dx + dy * dy);
  const double theta = atan2_deg(dx, dy);
  const double distance = r / vp_.R * rim_;  // 90 − e
  switch (kind_) {
    case tsky_chart::horizon: {
      const double h = 90.0 - distance;
      if (h < 0.0) return std::nullopt;
      const double true_h = frame_.refraction ? unrefract(frame_.temperature, frame_.pressure, h) : h;
      out.altitude = h;
      out.azimuth = normalize_degrees(90.0 - theta - vp_.v);
      const tequatorial eq = horizontal_to_equatorial(true_h, out.azimuth, frame_.sin_latitude,
                                                      frame_.cos_latitude, frame_.sidereal_time);
      out.ra = eq.ra;
      out.dec = eq.dec;
      return out;
    }
    case tsky_chart::zoom: {
      if (distance > 180.0) return std::nullopt;
      const tequatorial eq = horizontal_to_equatorial(90.0 - distance, 90.0 - theta - vp_.v,
                                                      frame_.sin_latitude, frame_.cos_latitude,
                                                      frame_.sidereal_time);
      out.ra = eq.ra;
      out.dec = eq.dec;
      return out;
    }
    case tsky_chart::north:
      if (r > vp_.c) return std::nullopt;
      out.dec = 90.0 - distance;
      out.ra = normalize_degrees(theta - 90.0 + vp_.v);
      return out;
    case tsky_chart::south:
      if (r > vp_.c) return std::nullopt;
      out.dec = -(90.0 - distance);
      out.ra = normalize_degrees(90.0 - theta - vp_.v);
      return out;
    case tsky_chart::overview:
      break;
  }
  return std::nullopt;
}

std::optional<tprojektion> chart_projection(const tkonfiguration& k, const tviewport& vp,
                                            tazimutzaehlung stored_origin) {
  const auto chart = sky_chart_of(k.kartenart, k.kartenunterart);
  if (!chart) return std::nullopt;
  switch (*chart) {
    case tsky_chart::horizon:
      return tprojektion::horizon(vp, observer_of(k.zeitort), stored_origin);
    case tsky_chart::zoom:
      return tprojektion::zoom(vp, k.zoomkarte[0], k.zoomkarte[1], k.zoomkarte[2]);
    case tsky_chart::north:
      return tprojektion::north(vp, k.polkartengrenze);
    case tsky_chart::south:
      return tprojektion::south(vp, k.polkartengrenze);
    case tsky_chart::overview:
      return tprojektion::overview(vp, k.uebersichtzentrum);
  }
  return std::nullopt;
}

}  // namespace sdro
