// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/sidereal.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/obliquity.h"

namespace sdro {

namespace {

// Local mean sidereal time in hours [0, 24).
double local_mean_sidereal_time(double longitude, double mjd) {
  return normalize_hours(greenwich_mean_sidereal_time(mjd) - longitude / 15.0);
}

}  // namespace

double greenwich_mean_sidereal_time(double mjd) {
  const double mjd0 = std::floor(mjd);
  const double ut = (mjd - mjd0) * 24.0;
  const double t0 = (mjd0 - 51544.5) / kDaysPerCentury;
  const double gmst = 6.697374558 + 1.0027379093 * ut +
                      (8640184.812866 + (0.093104 - 6.2e-6 * t0) * t0) * t0 / 3600.0;
  return 24.0 * frac_positive(gmst / 24.0);
}

double equation_of_equinoxes(const tnutation& n, double mean_obliquity_deg) {
  return n.dpsi * kRadToDeg * std::cos(mean_obliquity_deg * kDegToRad + n.deps) / 15.0;
}

double local_sidereal_time(bool apparent, double longitude, double mjd) {
  const double mean = local_mean_sidereal_time(longitude, mjd);
  if (!apparent) return mean;
  const double t = centuries_from_j2000(jd_from_mjd(mjd));
  return normalize_hours(mean + equation_of_equinoxes(nutation(t), mean_obliquity(t)));
}

}  // namespace sdro
