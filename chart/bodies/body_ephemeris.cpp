// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/bodies/body_ephemeris.h"

#include "astro/topocentric.h"
#include "ephem/body_positions.h"
#include "ephem/physical_inputs.h"
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

/// The Sun as the chart's physical ephemerides see it: λ, β of the
/// geometric theory, the apparent place and distance, the apparent vector.
tbodyposition sun_for_physics(const tbodyposition& geometry, const tapparentplace& place,
                              const tplanetposition& sun) {
  tbodyposition s;
  s.body = sonne;
  s.lambda = sun.l;
  s.beta = sun.b;
  s.ra = place.ra;
  s.dec = place.dec;
  s.distance = place.distance;
  s.geocentric_equatorial = geometry.geocentric_equatorial;
  return s;
}

/// The geocentric and topocentric place of the Sun or a planet (p) and its
/// physical ephemeris with the Sun's place `sun`.
tkoerperdaten planet_record(const tzeitort& z, const tbodyposition& p, const tbodyposition& sun) {
  tkoerperdaten d;
  d.valid = true;
  d.geo_ra = p.ra;
  d.geo_dec = p.dec;
  d.distance = p.distance;
  set_topocentric(z, kEarthRadiusAu, d);
  d.phys = planet_physical(physical_place(p, sun, z.t));
  d.magnitude = d.phys.magnitude;
  return d;
}

tkoerperdaten moon_record(const tzeitort& z, const tbodyposition& p, const tbodyposition& sun) {
  tkoerperdaten d;
  d.valid = true;
  d.geo_ra = p.ra;
  d.geo_dec = p.dec;
  d.distance = p.distance;
  const ttopocentric top = topocentric_place(p.ra, p.dec, p.distance, z.geocentric_latitude,
                                             z.sidereal_time, z.geocentric_distance, 1.0);
  d.ra = top.ra;
  d.dec = top.dec;
  d.phys = moon_physical(moon_physical_place(p, sun, z.t, top.distance));
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
  const tbodyposition sun_place_of_date = sun_for_physics(sun_geometry, sun_place, sun);
  bodies[sonne] = planet_record(z, sun_place_of_date, sun_place_of_date);
  for (int body = merkur; body <= pluto; ++body) {
    if (body == pluto && !pluto_in_range(theorie, t)) continue;
    const tbodyposition p = body_apparent(body, theorie, kChartPrecision, t, sun, useaberrat);
    bodies[body] = planet_record(z, p, sun_place_of_date);
  }
  const tbodyposition moon = body_apparent(mond, theorie, kChartPrecision, t, sun, useaberrat);
  bodies[mond] = moon_record(z, moon, sun_place_of_date);
  return bodies;
}

}  // namespace sdro
