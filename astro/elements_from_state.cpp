// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/elements_from_state.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/orbits.h"

namespace sdro {

namespace {

// Mean anomaly (degrees), daily motion (degrees per day) and time since
// perihelion (days) of one orbit form, from the true anomaly ν (degrees).
struct tanomalies {
  double mean_anomaly = 0.0;
  double daily_motion = 0.0;
  double since_perihelion = 0.0;
};

tanomalies elliptic_anomalies(double e, double a, double nu, double gm) {
  double cos_nu;
  const double sin_nu = sincos_deg(nu, cos_nu);
  const double big_e = atan2_deg(e + cos_nu, std::sqrt((1.0 - e) * (1.0 + e)) * sin_nu) * kDegToRad;
  tanomalies an;
  an.mean_anomaly = (big_e - e * std::sin(big_e)) * kRadToDeg;
  an.daily_motion = std::sqrt(gm / (a * a * a)) * kRadToDeg;
  an.since_perihelion = an.mean_anomaly / an.daily_motion;
  return an;
}

tanomalies parabolic_anomalies(double q, double nu, double gm) {
  const double d = tan_deg(nu / 2.0);
  tanomalies an;
  an.since_perihelion = std::sqrt(2.0 * q * q * q / gm) * (d + d * d * d / 3.0);
  return an;
}

tanomalies hyperbolic_anomalies(double e, double abs_a, double nu, double gm) {
  double cos_nu;
  const double sin_nu = sincos_deg(nu, cos_nu);
  const double sinh_h = std::sqrt((e - 1.0) * (e + 1.0)) * sin_nu / (1.0 + e * cos_nu);
  const double mh = e * sinh_h - std::asinh(sinh_h);
  const double n = std::sqrt(gm / (abs_a * abs_a * abs_a));
  tanomalies an;
  an.mean_anomaly = mh * kRadToDeg;
  an.daily_motion = n * kRadToDeg;
  an.since_perihelion = mh / n;
  return an;
}

bool all_finite(const tosculating_elements& el) {
  const double v[] = {el.a,
                      el.q,
                      el.e,
                      el.inclination,
                      el.node,
                      el.perihelion,
                      el.longitude_of_perihelion,
                      el.mean_anomaly,
                      el.daily_motion,
                      el.perihelion_time,
                      el.semi_latus_rectum};
  for (double x : v) {
    if (!std::isfinite(x)) return false;
  }
  return true;
}

bool finite_vector(const tvektor& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

}  // namespace

telements_status elements_from_state(const tvektor& position, const tvektor& velocity, double mass,
                                     double epoch_jd, tosculating_elements& elements) {
  const double gm = kGaussSquared * (1.0 + mass);
  const double r = length(position);
  const double v = length(velocity);
  if (!finite_vector(position) || !finite_vector(velocity) || !(r > 0.0) || !(gm > 0.0) ||
      !std::isfinite(epoch_jd)) {
    return telements_status::no_state;
  }
  const tvektor h = cross(position, velocity);
  const double h_len = length(h);
  if (!(h_len > 1e-14 * r * v)) return telements_status::rectilinear;

  tosculating_elements el;
  const double h_horizontal = std::hypot(h.x, h.y);
  el.inclination = atan2_deg(h.z, h_horizontal);
  // The pole lies at longitude Ω − 90°.
  el.node = h_horizontal > 1e-14 * h_len ? normalize_degrees(atan2_deg(h.x, h.y) + 90.0) : 0.0;

  // Argument of latitude: the position in the orbit plane, counted from the
  // node (valid for every inclination, 0 and 180° included).
  double cn, ci;
  const double sn = sincos_deg(el.node, cn);
  const double si = sincos_deg(el.inclination, ci);
  const tvektor to_node{cn, sn, 0.0};
  const tvektor ahead{-sn * ci, cn * ci, si};
  const double u = atan2_deg(dot(position, to_node), dot(position, ahead));

  const double inv_a = 2.0 / r - v * v / gm;
  el.semi_latus_rectum = h_len * h_len / gm;
  // The eccentricity vector v × h/GM − r/|r| points to perihelion; its
  // length keeps full precision for nearly circular and nearly parabolic
  // orbits alike, and the true anomaly is its angle to the position.
  const tvektor e_vector = (1.0 / gm) * cross(velocity, h) - (1.0 / r) * position;
  el.e = length(e_vector);
  el.q = el.semi_latus_rectum / (1.0 + el.e);
  const double nu = atan2_deg(dot(e_vector, position), dot(cross(h, e_vector), position) / h_len);

  tanomalies an;
  if (inv_a > 0.0) {
    el.type = torbit_type::ellipse;
    el.a = 1.0 / inv_a;
    an = elliptic_anomalies(el.e, el.a, nu, gm);
  } else if (inv_a == 0.0) {
    el.type = torbit_type::parabola;
    el.a = 0.0;
    an = parabolic_anomalies(el.q, nu, gm);
  } else {
    el.type = torbit_type::hyperbola;
    el.a = 1.0 / inv_a;
    an = hyperbolic_anomalies(el.e, -el.a, nu, gm);
  }
  el.perihelion = normalize_degrees(u - nu);
  el.longitude_of_perihelion = normalize_degrees(el.perihelion + el.node);
  el.mean_anomaly = an.mean_anomaly;
  el.daily_motion = an.daily_motion;
  el.perihelion_time = epoch_jd - an.since_perihelion;

  if (!all_finite(el)) return telements_status::degenerate;
  elements = el;
  return telements_status::ok;
}

}  // namespace sdro
