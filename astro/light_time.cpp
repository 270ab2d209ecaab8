// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/light_time.h"

#include <cmath>

#include "astro/angles.h"

namespace sdro {

tvektor light_time_aberration(double distance, double sun_distance, double sun_latitude,
                              double sun_longitude, double t) {
  const double m = kTwoPi * frac_positive(0.9931266 + 99.9973604 * t);
  const double r_dot = 2.87e-4 * std::sin(m);                // AU per day
  const double l_dot = (172.0 + 5.75 * std::cos(m)) * 1e-4;  // radians per day
  const double b_dot = 0.0;
  double cb, cl;
  const double sb = sincos_deg(sun_latitude, cb);
  const double sl = sincos_deg(sun_longitude, cl);
  const double r = sun_distance;
  const tvektor velocity{
      r_dot * cb * cl - r * l_dot * cb * sl - r * b_dot * sb * cl,
      r_dot * cb * sl + r * l_dot * cb * cl - r * b_dot * sb * sl,
      r_dot * sb + r * b_dot * cb,
  };
  return (kLightTimePerAu * distance) * velocity;
}

tvektor geocentric_light_time_place(const tvektor& heliocentric_position,
                                    const tvektor& heliocentric_velocity,
                                    const tvektor& sun_geocentric, bool with_aberration,
                                    double sun_distance, double sun_latitude, double sun_longitude,
                                    double t) {
  tvektor g = heliocentric_position + sun_geocentric;
  const double distance = length(g);
  g = g - (kLightTimePerAu * distance) * heliocentric_velocity;
  if (with_aberration) {
    g = g - light_time_aberration(distance, sun_distance, sun_latitude, sun_longitude, t);
  }
  return g;
}

}  // namespace sdro
