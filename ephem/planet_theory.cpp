// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/planet_theory.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/obliquity.h"
#include "astro/precession.h"
#include "ephem/planet_series.h"
#include "ephem/pluto_fit.h"
#include "ephem/theory_libraries.h"

namespace sdro {

void set_polar_from_position(tplanetposition& p) {
  const tspherical s = cartesian_to_polar(p.position);
  p.l = s.l;
  p.b = s.b;
  p.r = s.r;
}

void set_position_from_polar(tplanetposition& p) { p.position = polar_to_cartesian(p.l, p.b, p.r); }

void fk5_correction(double& l, double& b, double t) {
  const double lp = l - 1.397 * t - 0.00031 * t * t;
  const double c = cos_deg(lp), s = sin_deg(lp);
  const double dl = (-0.09033 + 0.03916 * (c + s) * tan_deg(b)) / 3600.0;
  const double db = 0.03916 * (c - s) / 3600.0;
  l = normalize_degrees(l + dl);
  b += db;
}

tplanetposition pluto_from_fit(double t) {
  const tplutostate s = pluto_fit_equatorial_j2000(jd_from_centuries(t));
  // Equator of J2000.0 → ecliptic of J2000.0 → ecliptic of date.
  const tdrehmatrix m =
      matrix_product(precession_matrix_ecliptic(t, 0.0), rotation_x(-mean_obliquity(0.0)));
  tplanetposition p;
  p.position = transformed(m, s.position);
  p.velocity = transformed(m, s.velocity);
  p.has_velocity = true;
  set_polar_from_position(p);
  return p;
}

namespace {

tplanetposition from_own_series(int n, double t) {
  const tseriesposition s = own_series_heliocentric(n, t);
  tplanetposition p;
  p.l = s.l;
  p.b = s.b;
  p.r = s.r;
  set_position_from_polar(p);
  return p;
}

}  // namespace

tplanetposition planet_heliocentric(int n, const ttheoriewahl& sel, int precision, double t) {
  if (n < 1 || n > 9 || n == 3) return {};
  if (n == 9) return sel.planet_theory == theorie_eigen ? from_own_series(9, t) : pluto_from_fit(t);
  tplanetposition p;
  if (sel.planet_theory == theorie_vsop87d && library_planet_d(n, t, precision, p.l, p.b, p.r)) {
    set_position_from_polar(p);
    return p;
  }
  if (sel.planet_theory == theorie_vsop87c &&
      library_planet_c(n, t, precision, p.position, p.velocity)) {
    p.has_velocity = true;
    set_polar_from_position(p);
    fk5_correction(p.l, p.b, t);
    set_position_from_polar(p);
    return p;
  }
  return from_own_series(n, t);
}

bool pluto_valid(const ttheoriewahl& sel, double t) {
  if (sel.planet_theory == theorie_eigen) return t > -1.1 && t < 1.0;
  return t > -2.999931554 && t < 1.000616016;
}

}  // namespace sdro
