// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/sky_places.h"

#include "astro/aberration.h"
#include "astro/angles.h"
#include "astro/nutation.h"

namespace sdro {

tequatorial moved_and_precessed(double ra0, double dec0, double pm_ra, double pm_dec, double years,
                                const tdrehmatrix& precession) {
  const tvektor v = polar_to_cartesian(ra0 + years * pm_ra, dec0 + years * pm_dec, 1.0);
  return precessed_vector_place(v, precession);
}

tequatorial precessed_vector_place(const tvektor& v, const tdrehmatrix& precession) {
  tequatorial place;
  cartesian_to_angles(transformed(precession, v), place.ra, place.dec);
  return place;
}

tequatorial apparent_place(tequatorial mean, const tzeitort& z) {
  nutate_ra_dec(mean.ra, mean.dec, z.dpsi_cos_obliquity, z.dpsi_sin_obliquity, z.nutation_obliquity);
  annual_aberration_prepared(mean.ra, mean.dec, z.cos_aberration_sun, z.sin_aberration_sun,
                             z.cos_obliquity, z.sin_obliquity);
  return mean;
}

float float_ra(double ra) {
  const float f = static_cast<float>(normalize_degrees(ra));
  return f >= 360.0f ? 0.0f : f;
}

thorizon_frame observer_frame(const tzeitort& z, double azimuth_offset) {
  thorizon_frame f;
  f.sidereal_time = z.sidereal_time;
  f.sin_latitude = z.sin_latitude;
  f.cos_latitude = z.cos_latitude;
  f.azimuth_offset = azimuth_offset;
  f.refraction = z.use_refraction;
  f.temperature = z.temperature;
  f.pressure = z.pressure;
  return f;
}

thorizon_frame centred_frame(double ra0, double dec0) {
  thorizon_frame f;
  f.sidereal_time = normalize_degrees(ra0) / 15.0;
  f.sin_latitude = sincos_deg(dec0, f.cos_latitude);
  return f;
}

thorizontal_place horizontal_place(tequatorial place, const thorizon_frame& frame) {
  const thorizontal h = equatorial_to_horizontal(
      frame.azimuth_offset, frame.refraction, place.ra, place.dec, frame.sidereal_time,
      frame.sin_latitude, frame.cos_latitude, frame.temperature, frame.pressure);
  thorizontal_place out;
  double c = 1.0;
  out.sin_azimuth = static_cast<float>(sincos_deg(h.azimuth, c));
  out.cos_azimuth = static_cast<float>(c);
  out.altitude = static_cast<float>(h.altitude);
  return out;
}

}  // namespace sdro
