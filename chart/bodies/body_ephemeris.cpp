// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/bodies/body_ephemeris.h"

#include "astro/topocentric.h"
#include "ephem/body_positions.h"
#include "ephem/planet_theory.h"
#include "ephem/sun_moon.h"

namespace sdro {
namespace {

/// The precision the chart passes to the theories.
constexpr int kChartPrecision = -1;

void set_topocentric(const tzeitort& z, double earth_radius, tkoerperdaten& d) {
  const ttopocentric top = topocentric_place(d.geo_ra, d.geo_dec, d.distance, z.geocentric_latitude,
                                             z.sidereal_time, z.geocentric_distance, earth_radius);
  d.ra = top.ra;
  d.dec = top.dec;
}

/// The Sun's apparent place and its physical ephemeris.
tkoerperdaten sun_record(const tzeitort& z, const tbodyposition& geometry, const tapparentplace& place,
                         const tplanetposition& sun) {
  tkoerperdaten d;
  d.valid = true;
  d.geo_ra = place.ra;
  d.geo_dec = place.dec;
  d.distance = place.distance;
  set_topocentric(z, kEarthRadiusAu, d);
  tbodyplace b;
  b.body = sonne;
  b.t = z.t;
  b.lambda = sun.l;
  b.beta = sun.b;
  b.ra = place.ra;
  b.dec = place.dec;
  b.distance = place.distance;
  b.geocentric_equatorial = geometry.geocentric_equatorial;
  b.sun_lambda = sun.l;
  b.sun_ra = place.ra;
  b.sun_dec = place.dec;
  d.phys = planet_physical(b);
  d.magnitude = d.phys.magnitude;
  return d;
}

tkoerperdaten planet_record(const tzeitort& z, const tbodyposition& p, const tkoerperdaten& sun,
                            double sun_lambda) {
  tkoerperdaten d;
  d.valid = true;
  d.geo_ra = p.ra;
  d.geo_dec = p.dec;
  d.distance = p.distance;
  set_topocentric(z, kEarthRadiusAu, d);
  tbodyplace b;
  b.body = p.body;
  b.t = z.t;
  b.lambda = p.lambda;
  b.beta = p.beta;
  b.ra = p.ra;
  b.dec = p.dec;
  b.distance = p.distance;
  b.helio_l = p.heliocentric.l;
  b.helio_b = p.heliocentric.b;
  b.helio_r = p.heliocentric.r;
  b.geocentric_equatorial = p.geocentric_equatorial;
  b.heliocentric_equatorial = p.heliocentric_equatorial;
  b.sun_lambda = sun_lambda;
  b.sun_ra = sun.geo_ra;
  b.sun_dec = sun.geo_dec;
  d.phys = planet_physical(b);
  d.magnitude = d.phys.magnitude;
  return d;
}

tkoerperdaten moon_record(const tzeitort& z, const tbodyposition& p, const tkoerperdaten& sun,
                          double sun_lambda) {
  tkoerperdaten d;
  d.valid = true;
  d.geo_ra = p.ra;
  d.geo_dec = p.dec;
  d.distance = p.distance;
  const ttopocentric top = topocentric_place(p.ra, p.dec, p.distance, z.geocentric_latitude,
                                             z.sidereal_time, z.geocentric_distance, 1.0);
  d.ra = top.ra;
  d.dec = top.dec;
  tmoonplace m;
  m.t = z.t;
  m.lambda = p.lambda;
  m.beta = p.beta;
  m.distance = p.distance;
  m.topocentric_distance = top.distance;
  m.ra = p.ra;
  m.dec = p.dec;
  m.sun_lambda = sun_lambda;
  m.sun_distance = sun.distance;
  m.sun_ra = sun.geo_ra;
  m.sun_dec = sun.geo_dec;
  d.phys = moon_physical(m);
  d.magnitude = d.phys.magnitude;
  return d;
}

}  // namespace

bool pluto_in_range(const ttheoriewahl& theorie, double t) { return pluto_valid(theorie, t); }

tkoerpertabelle compute_bodies(const tzeitort& z, const ttheoriewahl& theorie, bool useaberrat) {
  tkoerpertabelle bodies{};
  const double t = z.t;
  const tplanetposition sun = sun_geocentric(theorie, kChartPrecision, t);
  const tapparentplace sun_place = sun_apparent(theorie, kChartPrecision, t);
  const tbodyposition sun_geometry = body_apparent(sonne, theorie, kChartPrecision, t, sun, useaberrat);
  bodies[sonne] = sun_record(z, sun_geometry, sun_place, sun);
  for (int body = merkur; body <= pluto; ++body) {
    if (body == pluto && !pluto_in_range(theorie, t)) continue;
    const tbodyposition p = body_apparent(body, theorie, kChartPrecision, t, sun, useaberrat);
    bodies[body] = planet_record(z, p, bodies[sonne], sun.l);
  }
  const tbodyposition moon = body_apparent(mond, theorie, kChartPrecision, t, sun, useaberrat);
  bodies[mond] = moon_record(z, moon, bodies[sonne], sun.l);
  return bodies;
}

}  // namespace sdro
