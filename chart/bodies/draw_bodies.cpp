// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/bodies/draw_bodies.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "astro/angles.h"
#include "astro/horizontal.h"
#include "catalog/sky_places.h"
#include "catalog/stars.h"
#include "chart/bodies/body_style.h"
#include "chart/bodies/north_direction.h"
#include "chart/object_labels.h"
#include "chart/sky_scene.h"
#include "chart/surface/symbols.h"
#include "chart/surface/zeichenflaeche.h"

namespace sdro {
namespace {

constexpr int kLabelDx = 11;
constexpr int kLabelDy = 8;
constexpr int kAntisolarRadius = 7;
/// A lunar eclipse is drawn on discs larger than this radius (pixels).
constexpr double kMinShadowRadius = 6.0;
/// Colour indices of the phase figure's edges.
constexpr int kLitEdgeColour = 37;
constexpr int kDarkEdgeColour = 38;
/// Sun altitudes below which satellites are shown, by `satellitensonnenhoehe`.
constexpr double kSatelliteSunLimit[] = {90.0, -6.0, -12.0, -18.0};

struct tpass {
  Zeichenflaeche& s;
  const tsky_scene& sc;
  const tkonfiguration& k;
  const tprojektion& p;
  bool labels;
};

/// The centre of a sky place on the chart, or nothing where the chart does
/// not show it: below the horizon, beyond a polar chart's rim, farther than
/// one and a half radii from the zoom chart's centre.
std::optional<PixelPoint> centre_of(const tprojektion& p, double ra, double dec) {
  if (p.kind() == tsky_chart::overview) return p.overview_pixel(ra, dec);
  const tchart_place place = p.place(ra, dec);
  if (!p.shows(place)) return std::nullopt;
  return p.pixel(place);
}

/// The symbol's upper left corner for a centre, or nothing when it falls off
/// a circular chart.
std::optional<PixelPoint> corner_of(const tprojektion& p, PixelPoint centre, int size) {
  const PixelPoint corner{centre.x - size / 2, centre.y - size / 2};
  if (p.kind() != tsky_chart::overview && !corner_on_chart(corner.x, corner.y, p.viewport())) return std::nullopt;
  return corner;
}

void label(const tpass& b, PixelPoint corner, std::string_view name, double magnitude) {
  if (!b.labels) return;
  const std::string text = object_label(name, magnitude, b.k.saobeschriftungsart);
  if (!text.empty()) b.s.text_out(corner.x + kLabelDx, corner.y + kLabelDy, text);
}

void draw_antisolar_point(const tpass& b, const tkoerperdaten& sun) {
  if (!b.k.gegenpunkt || !sun.valid) return;
  const auto c = centre_of(b.p, normalize_degrees(sun.geo_ra + 180.0), -sun.geo_dec);
  if (!c) return;
  StateGuard guard(b.s);
  b.s.set_pen(b.sc.t().ecliptic);
  b.s.set_brush(Brush::none());
  b.s.ellipse(c->x - kAntisolarRadius, c->y - kAntisolarRadius, c->x + kAntisolarRadius + 1,
              c->y + kAntisolarRadius + 1);
  if (b.labels) b.s.text_out(c->x + kLabelDx, c->y + kLabelDy, "Antisolar");
}

double wrapped(double degrees) {
  const double d = normalize_degrees(degrees);
  return d > 180.0 ? d - 360.0 : d;
}

/// The centre of the Earth's shadow at the Moon's distance, seen from the
/// observer: the antisolar point moved by the Moon's parallax.
std::pair<double, double> shadow_centre(const tprojektion& p, const tkoerperdaten& moon, const tkoerperdaten& sun) {
  const double ra = normalize_degrees(sun.geo_ra + 180.0 + wrapped(moon.ra - moon.geo_ra));
  const double dec = -sun.geo_dec + (moon.dec - moon.geo_dec);
  if (p.kind() == tsky_chart::overview) {
    const PixelPoint px = p.overview_pixel(ra, dec);
    return {px.x, px.y};
  }
  return p.exact_pixel(p.place(ra, dec));
}

void draw_disc(const tpass& b, tbody_figures& figures, int body, const tkoerpertabelle& all, PixelPoint c) {
  const tkoerperdaten& d = all[body];
  StateGuard guard(b.s);
  b.s.set_brush(Brush::solid(b.sc.background.sky));
  tfigur f;
  f.x = c.x;
  f.y = c.y;
  f.rho = disc_radius(body, d.phys.diameter, b.p);
  f.body = body;
  f.colour = body_colour(body, b.sc.night);
  f.phase_angle = d.phys.phase_angle;
  f.elongation_direction = d.phys.elongation_direction;
  const auto phase = [&] {
    const double turn = phase_turn(d.phys.bright_limb_angle, north_direction(b.p, d.ra, d.dec));
    figures.phasen.drawPhase(b.s, tphasenmodus::bildschirm, b.p.viewport().s == -1, turn, f);
  };
  const tzeitort& z = b.k.zeitort;
  switch (body) {
    case sonne:
      f.phase_angle = 0.0;
      figures.phasen.drawDisc(b.s, f);
      break;
    case saturn: {
      const double ring = chart_scale(b.p) * d.phys.ring_major / 3600.0 / 2.0;
      const bool enlarged = f.rho > apparent_radius(body, d.phys.diameter, b.p);
      figures.ringe.drawSaturn(b.s, f, ring, d.phys.earth_latitude, enlarged);
      break;
    }
    case mond:
      if (z.lunar_eclipse_now && f.rho > kMinShadowRadius) {
        const auto [sx, sy] = shadow_centre(b.p, d, all[sonne]);
        figures.schatten.drawEclipsedMoon(b.s, f, sx, sy, z.penumbral_radius, z.umbral_radius);
      } else {
        phase();
      }
      break;
    default:
      phase();
      break;
  }
}

bool faint_at_dusk(const tpass& b, double magnitude) { return b.sc.sun_limit && magnitude > b.sc.m_lim; }

/// One of the bodies 0..9; returns the corner it was drawn at.
std::optional<PixelPoint> draw_body(const tpass& b, tbody_figures& figures, int body, const tkoerpertabelle& all) {
  const tkoerperdaten& d = all[body];
  if (!d.valid) return std::nullopt;
  if (body != sonne && body != mond && b.p.kind() == tsky_chart::horizon && faint_at_dusk(b, d.magnitude)) {
    return std::nullopt;
  }
  if (hidden_by_sun(body, d.distance, d.phys.elongation, all[sonne].phys.diameter)) return std::nullopt;
  const auto centre = centre_of(b.p, d.ra, d.dec);
  if (!centre) return std::nullopt;
  const bool disc = drawn_as_disc(body, b.k.planetenscheiben, b.sc.night, b.p.kind());
  const int size = disc ? 0 : body_symbol_size(body);
  const auto corner = corner_of(b.p, *centre, size);
  if (!corner) return std::nullopt;
  if (disc) {
    draw_disc(b, figures, body, all, *centre);
  } else {
    b.s.draw_bitmap(corner->x, corner->y, symbol_bitmap(body_symbol_id(body)), RasterOp::bit_or);
  }
  label(b, *corner, body_name(body), d.magnitude);
  return corner;
}

void draw_small_bodies(const tpass& b, std::vector<tkoerperposition>& list, int slot,
                       const std::function<std::string(std::size_t)>& name) {
  const double limit = b.k.grenzgroessekleinkoerper / 100.0;
  const int size = body_symbol_size(slot);
  for (std::size_t i = 0; i < list.size(); ++i) {
    tkoerperposition& r = list[i];
    r.x = r.y = -10;
    if (!r.valid || r.magnitude > limit || faint_at_dusk(b, r.magnitude)) continue;
    const auto centre = centre_of(b.p, r.ra, r.dec);
    if (!centre) continue;
    const auto corner = corner_of(b.p, *centre, size);
    if (!corner) continue;
    b.s.draw_bitmap(corner->x, corner->y, symbol_bitmap(body_symbol_id(slot)), RasterOp::bit_or);
    r.x = corner->x;
    r.y = corner->y;
    label(b, *corner, name ? name(i) : std::string(), r.magnitude);
  }
}

void satellite_circle(const tpass& b, PixelPoint c, int radius, bool sunlit) {
  b.s.set_brush(sunlit ? b.sc.t().satellite_lit : b.sc.t().satellite_shadow);
  b.s.ellipse(c.x - radius, c.y - radius, c.x + radius, c.y + radius);
}

void draw_satellite_track(const tpass& b, const tspurliste& track) {
  const tzeitort& z = b.k.zeitort;
  for (const tspurpunkt& pt : track) {
    if (!pt.valid) continue;
    tchart_place place;
    if (b.k.satbahnradec) {  // among the stars: the stored place for the current sidereal time
      place = b.p.place(pt.ra, pt.dec);
    } else {
      const tequatorial eq =
          horizontal_to_equatorial(pt.altitude, pt.azimuth, z.sin_latitude, z.cos_latitude, z.sidereal_time);
      place = b.p.place(eq.ra, eq.dec);
    }
    if (place.e < 0.0) continue;
    satellite_circle(b, b.p.pixel(place), satellite_radius(pt.range), pt.sunlit);
  }
}

void draw_satellites(const tpass& b, const tbody_sources& sources) {
  const tkonfiguration& k = b.k;
  if (!b.sc.stars || !k.satellitenein || !sources.satellites_allowed || !sources.satellites_allowed()) return;
  const double sun_limit = kSatelliteSunLimit[std::min<int>(k.satellitensonnenhoehe, 3)];
  if (b.sc.light.sun_altitude >= sun_limit) return;
  StateGuard guard(b.s);
  select_object_label_font(b.s, k);
  std::vector<tsatellitenposition>& sats = b.sc.stars->satellites();
  for (std::size_t i = 0; i < sats.size(); ++i) {
    tsatellitenposition& r = sats[i];
    r.x = r.y = -10;
    if (!satellite_selected(k, static_cast<long>(i)) || !r.valid || r.elevation <= 0.0) continue;
    const PixelPoint c = b.p.pixel(b.p.place(r.ra, r.dec));
    const int radius = satellite_radius(r.range);
    satellite_circle(b, c, radius, r.illuminated);
    r.x = c.x;
    r.y = c.y;
    if (k.satellitenbeschriftung < radius && sources.satellite_name) {
      b.s.text_out(c.x + radius + 3, c.y, sources.satellite_name(i));
    }
  }
  if (sources.satellite_track) draw_satellite_track(b, *sources.satellite_track);
}

}  // namespace

int satellite_radius(double range_km) {
  if (range_km > 23000.0) return 1;
  if (range_km > 10000.0) return 2;
  if (range_km > 1800.0) return 3;
  if (range_km > 800.0) return 4;
  if (range_km > 500.0) return 5;
  return 6;
}

void store_body_places(const tsky_scene& scene, const tkoerpertabelle& bodies) {
  if (!scene.stars) return;
  tkoerperslots& records = scene.stars->bodies();
  const thorizon_frame& frame = scene.stars->horizon();
  for (int i = 0; i < kBodyCount; ++i) {
    tkoerperposition& r = records[i];
    const tkoerperdaten& d = bodies[i];
    r.valid = d.valid;
    r.ra = d.ra;
    r.dec = d.dec;
    r.distance = d.distance;
    r.magnitude = d.magnitude;
    const thorizontal_place h = horizontal_place(polar_to_cartesian(d.ra, d.dec, 1.0), frame);
    r.altitude = h.altitude;
    r.sin_azimuth = h.sin_azimuth;
    r.cos_azimuth = h.cos_azimuth;
    r.x = r.y = -10;
  }
}

void draw_bodies(Zeichenflaeche& s, const tsky_scene& scene, const tkoerpertabelle& bodies,
                 tbody_figures& figures, const tbody_sources& sources) {
  const tkonfiguration& k = scene.k();
  const tphasenstil style{k.mondphasenfuellen, scene.t().colour(kLitEdgeColour),
                          scene.t().colour(kDarkEdgeColour), scene.night};
  figures.phasen.set_style(style);
  figures.ringe.set_style(style);
  figures.schatten.set_style(style);
  StateGuard guard(s);
  const tpass b{s, scene, k, scene.projection, k.beschriftungsonnensystem};
  if (b.labels) select_object_label_font(s, k);

  draw_antisolar_point(b, bodies[sonne]);
  if (k.planeten) {
    for (int body = sonne; body <= mond; ++body) {
      const auto corner = draw_body(b, figures, body, bodies);
      if (corner && scene.stars) {
        scene.stars->bodies()[body].x = corner->x;
        scene.stars->bodies()[body].y = corner->y;
      }
    }
  }
  if (scene.stars) {
    if (k.planetoiden) draw_small_bodies(b, scene.stars->asteroids(), kAsteroidSlot, sources.asteroid_name);
    if (k.kometen) draw_small_bodies(b, scene.stars->comets(), kCometSlot, sources.comet_name);
  }
  if (scene.projection.kind() == tsky_chart::horizon) draw_satellites(b, sources);
}

}  // namespace sdro
