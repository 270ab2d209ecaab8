// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/planet_geocentric.h"

#include <cmath>

#include "astro/calendar.h"
#include "ephem/approximate_rates.h"

namespace sdro {
namespace {

/// Light time iterated with the planet recomputed at the retarded time
/// (theories that supply velocities).
tgeocentric with_light_time_iteration(int n, const ttheoriewahl& sel, int precision, double t,
                                      bool with_aberration, const tplanetposition& planet,
                                      const tplanetposition& sun) {
  tgeocentric g;
  tplanetposition p = n == 3 ? tplanetposition{} : planet;
  tvektor geo = p.position + sun.position;
  double delta = length(geo);
  double previous = t;
  for (int k = 0; k < kMaxLightTimeIterations; ++k) {
    const double retarded = t - delta / kLightSpeedAuPerDay / kDaysPerCentury;
    if (n != 3) p = planet_heliocentric(n, sel, precision, retarded);
    geo = p.position + sun.position;
    delta = length(geo);
    g.iterations = k + 1;
    if (std::abs(retarded - previous) < kLightTimeTolerance) break;
    previous = retarded;
  }
  g.astrometric = geo;
  g.heliocentric_retarded = p.position;
  g.planet_velocity = p.velocity;
  g.distance = delta;
  g.apparent = with_aberration ? geo - (delta * kLightDaysPerAu) * sun.velocity : geo;
  return g;
}

/// Light time and aberration from the approximate rates.
tgeocentric with_rates(int n, double t, bool with_aberration, const tplanetposition& planet,
                       const tplanetposition& sun) {
  tgeocentric g;
  const tvektor v_sun = sun.has_velocity
                            ? sun.velocity
                            : velocity_from_rates(sun.r, sun.b, sun.l, approximate_rates(3, t));
  const tvektor helio = n == 3 ? tvektor{} : planet.position;
  const tvektor v_planet = n == 3 ? tvektor{}
                                  : velocity_from_rates(planet.r, planet.b, planet.l,
                                                        approximate_rates(n, t));
  const tvektor geo = helio + sun.position;
  const double delta = length(geo);
  const double tau = kLightDaysPerAu * delta;
  g.astrometric = geo - tau * v_planet;
  g.apparent = with_aberration ? geo - tau * (v_planet + v_sun) : g.astrometric;
  g.heliocentric_retarded = helio - tau * v_planet;
  g.planet_velocity = v_planet;
  g.distance = delta;
  return g;
}

}  // namespace

tgeocentric planet_geocentric(int n, const ttheoriewahl& sel, int precision, double t,
                              bool with_aberration, const tplanetposition& planet,
                              const tplanetposition& sun) {
  if (sel.planet_theory == theorie_vsop87c && sun.has_velocity)
    return with_light_time_iteration(n, sel, precision, t, with_aberration, planet, sun);
  return with_rates(n, t, with_aberration, planet, sun);
}

}  // namespace sdro
