// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/body_positions.h"

#include "astro/nutation.h"
#include "astro/obliquity.h"
#include "ephem/sun_moon.h"

namespace sdro {

tbodyposition body_apparent(int body, const ttheoriewahl& sel, int precision, double t,
                            const tplanetposition& sun, bool with_nutation) {
  tbodyposition p;
  p.body = body;
  if (body == mond) {
    const tmoonposition m = moon_geocentric(sel, precision, t);
    p.lambda = m.lambda;
    p.beta = m.beta;
    tvektor v = polar_to_cartesian(m.lambda, m.beta, m.distance);
    ecliptic_to_equatorial_vector(v, t);
    p.geocentric_equatorial = v;
    nutate_equatorial_vector(v, t);
    const tspherical s = cartesian_to_polar(v);
    p.ra = s.l;
    p.dec = s.b;
    p.distance = s.r;
    return p;
  }
  if (body < sonne || body > pluto) return p;
  const int n = planet_number_of_body(static_cast<tkoerper>(body));
  if (n != 3) p.heliocentric = planet_heliocentric(n, sel, precision, t);
  const tgeocentric g = planet_geocentric(n, sel, precision, t, with_nutation, p.heliocentric, sun);
  const tspherical ecl = cartesian_to_polar(g.apparent);
  p.lambda = ecl.l;
  p.beta = ecl.b;
  tvektor v = g.apparent;
  ecliptic_to_equatorial_vector(v, t);
  p.geocentric_equatorial = v;
  tvektor h = p.heliocentric.position;
  ecliptic_to_equatorial_vector(h, t);
  p.heliocentric_equatorial = h;
  if (with_nutation) nutate_equatorial_vector(v, t);
  const tspherical s = cartesian_to_polar(v);
  p.ra = s.l;
  p.dec = s.b;
  // The distance the light travelled: the aberration turns the direction
  // only, so the length of the apparent vector is no distance (for Jupiter
  // it is off by up to 5e-4 AU).
  p.distance = length(g.astrometric);
  return p;
}

}  // namespace sdro
