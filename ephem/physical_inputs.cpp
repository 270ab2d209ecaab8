// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/physical_inputs.h"

namespace sdro {

tbodyplace physical_place(const tbodyposition& body, const tbodyposition& sun, double t) {
  tbodyplace b;
  b.body = body.body;
  b.t = t;
  b.lambda = body.lambda;
  b.beta = body.beta;
  b.ra = body.ra;
  b.dec = body.dec;
  b.distance = body.distance;
  b.helio_l = body.heliocentric.l;
  b.helio_b = body.heliocentric.b;
  b.helio_r = body.heliocentric.r;
  b.geocentric_equatorial = body.geocentric_equatorial;
  b.heliocentric_equatorial = body.heliocentric_equatorial;
  b.sun_lambda = sun.lambda;
  b.sun_ra = sun.ra;
  b.sun_dec = sun.dec;
  return b;
}

tmoonplace moon_physical_place(const tbodyposition& moon, const tbodyposition& sun, double t,
                               double topocentric_distance) {
  tmoonplace m;
  m.t = t;
  m.lambda = moon.lambda;
  m.beta = moon.beta;
  m.distance = moon.distance;
  m.topocentric_distance = topocentric_distance;
  m.ra = moon.ra;
  m.dec = moon.dec;
  m.sun_lambda = sun.lambda;
  m.sun_distance = sun.distance;
  m.sun_ra = sun.ra;
  m.sun_dec = sun.dec;
  return m;
}

}  // namespace sdro
