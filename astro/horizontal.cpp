// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/horizontal.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/refraction.h"
#include "astro/zeitort.h"

namespace sdro {

double azimuth_offset(tazimutzaehlung origin) { return origin == azimutNord ? 180.0 : 0.0; }

thorizontal equatorial_to_horizontal(double azimuth_offset, bool with_refraction, double alpha,
                                     double delta, double sidereal_time, double sin_latitude,
                                     double cos_latitude, double temperature, double pressure) {
  const double tau = 15.0 * sidereal_time - alpha;
  double cos_tau, cos_delta;
  const double sin_tau = sincos_deg(tau, cos_tau);
  const double sin_delta = sincos_deg(delta, cos_delta);
  const double x = cos_delta * cos_tau * sin_latitude - sin_delta * cos_latitude;
  const double y = cos_delta * sin_tau;
  const double z = cos_delta * cos_tau * cos_latitude + sin_delta * sin_latitude;
  thorizontal h;
  h.altitude = atan2_deg(std::sqrt(x * x + y * y), z);
  if (with_refraction) h.altitude = refraction(temperature, pressure, h.altitude);
  h.azimuth = normalize_degrees(azimuth_offset + atan2_deg(x, y));
  h.hour_angle = normalize_hours(tau / 15.0);
  return h;
}

thorizontal equatorial_to_horizontal(const tzeitort& z, tazimutzaehlung origin, double alpha,
                                     double delta) {
  return equatorial_to_horizontal(azimuth_offset(origin), z.use_refraction, alpha, delta,
                                  z.sidereal_time, z.sin_latitude, z.cos_latitude, z.temperature,
                                  z.pressure);
}

tequatorial horizontal_to_equatorial(double altitude, double azimuth, double sin_latitude,
                                     double cos_latitude, double sidereal_time,
                                     double azimuth_offset) {
  double cos_az, cos_h;
  const double sin_az = sincos_deg(azimuth - azimuth_offset, cos_az);
  const double sin_h = sincos_deg(altitude, cos_h);
  const double x = cos_h * cos_az;
  const double y = cos_h * sin_az;
  // The inverse rotation about the east–west axis by 90° − φ.
  const double cos_dec_cos_tau = x * sin_latitude + sin_h * cos_latitude;
  const double sin_dec = -x * cos_latitude + sin_h * sin_latitude;
  tequatorial e;
  e.dec = atan2_deg(std::sqrt(cos_dec_cos_tau * cos_dec_cos_tau + y * y), sin_dec);
  const double tau = atan2_deg(cos_dec_cos_tau, y);
  e.ra = normalize_degrees(15.0 * sidereal_time - tau);
  return e;
}

}  // namespace sdro
