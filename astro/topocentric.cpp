// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/topocentric.h"

#include "astro/angles.h"
#include "astro/vector.h"

namespace sdro {

tobserver_place observer_geocentric(double height, double latitude) {
  // Series in the flattening: 692.73″ sin 2φ − 1.16″ sin 4φ, and ρ with the
  // height added along the radius.
  tobserver_place p;
  p.geocentric_latitude =
      latitude - 0.192425 * sin_deg(2.0 * latitude) + 0.000322222 * sin_deg(4.0 * latitude);
  p.rho = 0.9983271 + 0.0016764 * cos_deg(2.0 * latitude) - 0.0000035 * cos_deg(4.0 * latitude) +
          height / 6378140.0;
  return p;
}

ttopocentric topocentric_place(double alpha, double delta, double distance,
                               double geocentric_latitude, double sidereal_time, double rho,
                               double earth_radius) {
  const tvektor body = polar_to_cartesian(alpha, delta, distance);
  const tvektor observer =
      polar_to_cartesian(15.0 * sidereal_time, geocentric_latitude, rho * earth_radius);
  const tspherical s = cartesian_to_polar(body - observer);
  return {s.r, s.b, s.l};
}

}  // namespace sdro
