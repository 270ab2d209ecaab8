// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/derived_fields.h"

#include <cmath>

#include "astro/aberration.h"
#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/delta_t.h"
#include "astro/instant.h"
#include "astro/nutation.h"
#include "astro/obliquity.h"
#include "astro/precession.h"
#include "astro/sidereal.h"
#include "astro/topocentric.h"

namespace sdro {

namespace {

// Julian centuries of the mean equator of J1950.0.
constexpr double kJ1950 = -0.5;

void update_obliquity_and_nutation(tzeitort& z) {
  z.obliquity = mean_obliquity(z.t);
  z.sin_obliquity = sincos_deg(z.obliquity, z.cos_obliquity);
  const tnutation n = nutation(z.t);
  z.nutation_longitude = n.dpsi;
  z.nutation_obliquity = n.deps;
  z.dpsi_cos_obliquity = n.dpsi * z.cos_obliquity;
  z.dpsi_sin_obliquity = n.dpsi * z.sin_obliquity;
}

void update_sidereal_time(tzeitort& z, bool apparent) {
  z.sidereal_time = local_sidereal_time(false, z.longitude, z.mjd);
  if (apparent) {
    // The nutation of the record serves; its time scale (TT instead of UT)
    // changes the equation of the equinoxes by less than 1 µs.
    const tnutation n{z.nutation_longitude, z.nutation_obliquity};
    z.sidereal_time = normalize_hours(z.sidereal_time + equation_of_equinoxes(n, z.obliquity));
  }
}

void update_place(tzeitort& z) {
  const tobserver_place p = observer_geocentric(z.height, z.latitude);
  z.geocentric_latitude = p.geocentric_latitude;
  z.geocentric_distance = p.rho;
  z.sin_latitude = sincos_deg(z.latitude, z.cos_latitude);
}

void update_aberration_sun(tzeitort& z) {
  const tsun_for_aberration sun = sun_longitude_and_eccentricity(z.t);
  z.aberration_sun_longitude = sun.longitude;
  z.earth_eccentricity = sun.eccentricity;
  z.sin_aberration_sun = sincos_deg(sun.longitude, z.cos_aberration_sun);
}

}  // namespace

void update_derived_fields(tzeitort& z, bool apparent_sidereal_time) {
  if (z.automatic_delta_t) z.delta_t = delta_t(jd_from_mjd(z.mjd));
  z.t = dynamical_centuries(z.mjd, z.delta_t);
  update_obliquity_and_nutation(z);
  update_sidereal_time(z, apparent_sidereal_time);
  update_place(z);
  update_aberration_sun(z);
  z.precession_b1950 = precession_matrix_b1950(z.t);
  z.precession_j1950 = precession_matrix_equatorial(z.t, kJ1950);
}

}  // namespace sdro
