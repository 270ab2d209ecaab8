// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/sky_places.h"

#include <cmath>

#include "astro/aberration.h"
#include "astro/angles.h"
#include "astro/nutation.h"
#include "astro/refraction.h"

namespace sdro {
namespace {

constexpr tvektor kBasis[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

void set_column(tdrehmatrix& m, int column, const tvektor& v) {
  m.m[0][column] = v.x;
  m.m[1][column] = v.y;
  m.m[2][column] = v.z;
}

// The aberrated direction of a basis place, by astro's routine.
tvektor aberrated(double ra, const tzeitort& z) {
  double alpha = ra;
  double delta = 0.0;
  annual_aberration_prepared(alpha, delta, z.cos_aberration_sun, z.sin_aberration_sun, z.cos_obliquity,
                             z.sin_obliquity);
  return polar_to_cartesian(alpha, delta, 1.0);
}

// The horizontal direction (south, west, zenith) of a place, by astro's routine.
tvektor horizon_direction(double ra, double dec, double sidereal_time, double sin_lat, double cos_lat) {
  const thorizontal h = equatorial_to_horizontal(0.0, false, ra, dec, sidereal_time, sin_lat, cos_lat, 10.0, 0.0);
  return polar_to_cartesian(h.azimuth, h.altitude, 1.0);
}

tdrehmatrix horizon_matrix(double sidereal_time, double sin_lat, double cos_lat) {
  tdrehmatrix m;
  set_column(m, 0, horizon_direction(0.0, 0.0, sidereal_time, sin_lat, cos_lat));
  set_column(m, 1, horizon_direction(90.0, 0.0, sidereal_time, sin_lat, cos_lat));
  set_column(m, 2, horizon_direction(0.0, 90.0, sidereal_time, sin_lat, cos_lat));
  return m;
}

}  // namespace

tvektor moved_and_precessed(double ra0, double dec0, double pm_ra, double pm_dec, double years,
                            const tdrehmatrix& precession) {
  return transformed(precession, polar_to_cartesian(ra0 + years * pm_ra, dec0 + years * pm_dec, 1.0));
}

tequatorial place_of(const tvektor& d) {
  // As cartesian_to_angles, with the right ascension brought from (−180, 180]
  // into [0, 360) by one addition (the recompute converts every star).
  tequatorial place;
  place.dec = atan2_deg(std::sqrt(d.x * d.x + d.y * d.y), d.z);
  place.ra = atan2_deg(d.x, d.y);
  if (place.ra < 0.0) place.ra += 360.0;
  if (place.ra >= 360.0) place.ra = 0.0;
  return place;
}

float float_ra(double ra) {
  const float f = static_cast<float>(ra >= 0.0 && ra < 360.0 ? ra : normalize_degrees(ra));
  return f >= 360.0f ? 0.0f : f;
}

tapparent_transform apparent_transform(const tzeitort& z, bool useaberrat) {
  tapparent_transform t;
  t.active = useaberrat;
  if (!useaberrat) return t;
  for (int i = 0; i < 3; ++i) {
    tvektor v = kBasis[i];
    nutate_equatorial_vector(v, z.t);
    set_column(t.nutation, i, v);
  }
  // u = x̂ moves to x̂ + (0, Vy, Vz), u = ŷ to ŷ + (Vx, 0, Vz).
  const tvektor at_x = aberrated(0.0, z);
  const tvektor at_y = aberrated(90.0, z);
  t.aberration = {at_y.x / at_y.y, at_x.y / at_x.x, at_x.z / at_x.x};
  return t;
}

tvektor apparent_direction(const tvektor& mean, const tapparent_transform& transform) {
  if (!transform.active) return mean;
  const tvektor u = transformed(transform.nutation, mean);
  const tvektor& v = transform.aberration;
  return u + v - dot(v, u) * u;
}

tequatorial apparent_place(const tequatorial& mean, const tapparent_transform& transform) {
  if (!transform.active) return mean;
  return place_of(apparent_direction(polar_to_cartesian(mean.ra, mean.dec, 1.0), transform));
}

thorizon_frame observer_frame(const tzeitort& z, double azimuth_offset) {
  thorizon_frame f;
  f.to_horizon = horizon_matrix(z.sidereal_time, z.sin_latitude, z.cos_latitude);
  f.sin_offset = sincos_deg(azimuth_offset, f.cos_offset);
  f.refraction = z.use_refraction;
  f.temperature = z.temperature;
  f.pressure = z.pressure;
  return f;
}

thorizon_frame centred_frame(double ra0, double dec0) {
  thorizon_frame f;
  double cos_lat;
  const double sin_lat = sincos_deg(dec0, cos_lat);
  f.to_horizon = horizon_matrix(normalize_degrees(ra0) / 15.0, sin_lat, cos_lat);
  return f;
}

thorizontal_place horizontal_place(const tvektor& direction, const thorizon_frame& frame) {
  const tvektor h = transformed(frame.to_horizon, direction);
  const double rho = std::sqrt(h.x * h.x + h.y * h.y);
  double altitude = atan2_deg(rho, h.z);
  if (frame.refraction) altitude = refraction(frame.temperature, frame.pressure, altitude);
  const double sin_a = rho > 0.0 ? h.y / rho : 0.0;
  const double cos_a = rho > 0.0 ? h.x / rho : 1.0;
  thorizontal_place out;
  out.altitude = static_cast<float>(altitude);
  out.sin_azimuth = static_cast<float>(sin_a * frame.cos_offset + cos_a * frame.sin_offset);
  out.cos_azimuth = static_cast<float>(cos_a * frame.cos_offset - sin_a * frame.sin_offset);
  return out;
}

thorizontal_place horizontal_place(const tequatorial& place, const thorizon_frame& frame) {
  return horizontal_place(polar_to_cartesian(place.ra, place.dec, 1.0), frame);
}

}  // namespace sdro
