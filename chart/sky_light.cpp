// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/sky_light.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/horizontal.h"
#include "astro/zeitort.h"
#include "ephem/sun_moon.h"

namespace sdro {
namespace {

constexpr double kAuKm = 149597870.7;
/// The precision the chart passes to the theories.
constexpr int kChartPrecision = -1;

double geometric_altitude(const tzeitort& z, const tapparentplace& p) {
  return equatorial_to_horizontal(0.0, false, p.ra, p.dec, z.sidereal_time, z.sin_latitude, z.cos_latitude,
                                  z.temperature, z.pressure)
      .altitude;
}

double separation(const tapparentplace& a, const tapparentplace& b) {
  const double c = sin_deg(a.dec) * sin_deg(b.dec) + cos_deg(a.dec) * cos_deg(b.dec) * cos_deg(a.ra - b.ra);
  return acos_deg(c);
}

}  // namespace

double moon_illuminated_fraction(double elongation, double sun_distance, double moon_distance) {
  const double delta = moon_distance * kEarthRadiusKm / kAuKm;
  double c = 1.0;
  const double s = sincos_deg(elongation, c);
  const double phase_angle = atan2_deg(delta - sun_distance * c, sun_distance * s);
  return (1.0 + cos_deg(phase_angle)) / 2.0;
}

tsky_light compute_sky_light(const tzeitort& z, const ttheoriewahl& theorie) {
  const tapparentplace sun = sun_apparent(theorie, kChartPrecision, z.t);
  const tapparentplace moon = moon_apparent(theorie, kChartPrecision, z.t);
  tsky_light light;
  light.sun_altitude = geometric_altitude(z, sun);
  light.moon_altitude = geometric_altitude(z, moon);
  light.moon_fraction = moon_illuminated_fraction(separation(sun, moon), sun.distance, moon.distance);
  return light;
}

}  // namespace sdro
