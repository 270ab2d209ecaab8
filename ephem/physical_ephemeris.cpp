// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/physical_ephemeris.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/language.h"
#include "astro/orbits.h"
#include "astro/precession.h"

namespace sdro {
namespace {

/// Semi-diameters at unit distance by tkoerper index 0 Sun … 8 Pluto (the
/// Sun in degrees, the planets in arcseconds); the Moon separately. The Sun's
/// is 961.18″ (16′01″): its disc, not half of it, must cover the planets
/// behind it and the Moon at a total eclipse.
constexpr double kSemiDiameter[9] = {0.26699444, 3.36, 8.34, 4.68, 98.47,
                                     83.33,      35.02, 33.50, 3.45};
constexpr double kMoonSemiDiameter = 15.61247778;  // degrees × Earth radii
constexpr double kJupiterPolarSemiDiameter = 91.91;
constexpr double kSaturnPolarSemiDiameter = 74.57;
constexpr double kAxisRatio[10] = {1.0, 1.0, 1.0, 0.9941520467836257, 0.9371069182389937,
                                   0.8913043478260869, 0.98, 0.9767441860465116, 1.0, 1.0};
/// The Sun's apparent visual magnitude (one figure wherever it is used).
constexpr double kSunMagnitude = -26.74;

double wrap180(double a) {
  a = normalize_degrees(a);
  return a > 180.0 ? a - 360.0 : a;
}

bool finite(double x) { return std::isfinite(x); }

tvektor unit_from(double alpha, double delta) { return polar_to_cartesian(alpha, delta, 1.0); }

/// Planet slot (0 Mercury … 8 Pluto) of a tkoerper body 1..8 (the Earth skipped).
int slot_of_body(int body) { return body <= 2 ? body - 1 : body; }

}  // namespace

std::string_view elongation_side_text(bool east) { return east ? tr("Ost", "East") : "West"; }

double axis_ratio(int body) { return body >= 0 && body < 10 ? kAxisRatio[body] : 1.0; }

trotationelements rotation_elements(int slot, int system, double t) {
  const double d = 36525.0 * t;
  trotationelements e;
  switch (slot) {
    case 0: e = {281.01 - 0.033 * t, 61.45 - 0.005 * t, 329.71 + 6.1385025 * d, true}; break;
    case 1: e = {272.72, 67.15, 160.26 - 1.4813596 * d, false}; break;
    case 2: e = {-0.641 * t, 90.0 - 0.557 * t, 100.21 + 360.9856123 * d, true}; break;
    case 3: e = {317.681 - 0.108 * t, 52.886 - 0.061 * t, 176.868 + 350.891983 * d, true}; break;
    case 4: {
      const double w = system == 0 ? 67.1 + 877.90 * d
                                   : (system == 1 ? 43.3 + 870.27 * d : 284.95 + 870.536 * d);
      e = {268.05 - 0.009 * t, 64.49 + 0.003 * t, w, true};
      break;
    }
    case 5: {
      const double w = system == 2 ? 38.9 + 810.7939024 * d : 227.2037 + 844.3 * d;
      e = {40.58 - 0.036 * t, 83.54 - 0.004 * t, w, true};
      break;
    }
    case 6: e = {257.43, -15.10, 203.81 - 501.1600928 * d, false}; break;
    case 7: e = {295.33, 40.65, 107.21 + 468.75 * d, true}; break;
    case 8: e = {313.02, 9.09, 236.77 - 56.3623195 * d, false}; break;
    default: return e;
  }
  e.w = normalize_degrees(e.w);
  return e;
}

trotationelements sun_rotation_elements(double t) {
  // The Sun's longitudes are counted in the sense of rotation (not negated).
  return {286.13, 63.87, normalize_degrees(84.10 + 518085.21 * t), false};
}

tplanetocentric planetocentric_view(const trotationelements& e, double f, const tvektor& u) {
  // Body frame: columns P (prime meridian), Q (90° ahead), W (pole).
  const tdrehmatrix g = gauss_vectors(e.w, 90.0 - e.delta0, e.alpha0 + 90.0);
  const double x = g.m[0][0] * u.x + g.m[1][0] * u.y + g.m[2][0] * u.z;
  const double y = g.m[0][1] * u.x + g.m[1][1] * u.y + g.m[2][1] * u.z;
  const double z = g.m[0][2] * u.x + g.m[1][2] * u.y + g.m[2][2] * u.z;
  tplanetocentric v;
  v.latitude = atan2_deg(std::sqrt(x * x + y * y), z);
  const double k = (1.0 - f) * (1.0 - f);
  v.latitude_graphic = atan2_deg(k * std::sqrt(x * x + y * y), z);
  const double east = atan2_deg(x, y);
  v.longitude = normalize_degrees(e.direct ? -east : east);
  return v;
}

double axis_position_angle(const tvektor& pole, const tvektor& direction) {
  const tspherical s = cartesian_to_polar(direction);
  double ca, cd;
  const double sa = sincos_deg(s.l, ca);
  const double sd = sincos_deg(s.b, cd);
  // Unit vectors towards the celestial north and east at the body's place.
  const tvektor north{-sd * ca, -sd * sa, cd};
  const tvektor east{-sa, ca, 0.0};
  return normalize_degrees(atan2_deg(dot(pole, north), dot(pole, east)));
}

tphase phase_and_elongation(double lambda, double beta, double alpha, double delta,
                            double helio_l, double helio_b, double sun_lambda, double sun_alpha,
                            double sun_delta) {
  tphase p;
  const double da = sun_alpha - alpha;
  p.bright_limb_angle = normalize_degrees(
      atan2_deg(sin_deg(sun_delta) * cos_deg(delta) - cos_deg(sun_delta) * sin_deg(delta) * cos_deg(da),
                cos_deg(sun_delta) * sin_deg(da)));
  p.elongation = acos_deg(cos_deg(beta) * cos_deg(sun_lambda - lambda));
  p.elongation_direction = normalize_degrees(lambda - sun_lambda);
  p.east = sin_deg(lambda - sun_lambda) > 0.0;
  const double theta = acos_deg(-cos_deg(sun_lambda - helio_l) * cos_deg(helio_b));
  p.phase_angle = std::fmax(0.0, 180.0 - p.elongation - theta);
  p.illuminated_fraction = (1.0 + cos_deg(p.phase_angle)) / 2.0;
  return p;
}

namespace {

double planet_magnitude_term(int body, double i, double ring_b, double du) {
  switch (body) {
    case 1: return -0.42 + i * (0.038 + i * (-0.000273 + i * 0.000002));
    case 2: return -4.40 + i * (0.0009 + i * (0.000239 - i * 0.00000065));
    case 3: return -1.52 + 0.016 * i;
    case 4: return -9.40 + 0.005 * i;
    case 5: {
      const double sb = std::abs(sin_deg(ring_b));
      return -8.88 - 2.60 * sb + 1.25 * sb * sb + 0.044 * std::abs(du);
    }
    case 6: return -7.19;
    case 7: return -6.87;
    default: return -1.0;
  }
}

void set_magnitude(tphysephem& p, double m) {
  p.magnitude = m;
  p.magnitude_hundredths = static_cast<int>(std::trunc(100.0 * m));
}

/// Central meridians, latitudes of the Earth and the Sun and the position
/// angle of the axis. The time is that of the light emission.
void add_orientation(const tbodyplace& b, tphysephem& p, double& saturn_du) {
  const bool is_sun = b.body == 0;
  const int slot = is_sun ? -1 : slot_of_body(b.body);
  const double t = b.t - b.distance / 173.14 / 36525.0;
  const tdrehmatrix to_date = precession_matrix_equatorial(t, 0.0);
  const tdrehmatrix to_j2000 = transposed(to_date);
  const tvektor towards_earth = transformed(to_j2000, -1.0 * b.geocentric_equatorial);
  const tvektor towards_sun = transformed(to_j2000, -1.0 * b.heliocentric_equatorial);
  if (length(towards_earth) == 0.0) return;
  const double f = 1.0 - axis_ratio(b.body);
  const int systems = is_sun ? 1 : (slot == 4 || slot == 5 ? 3 : 1);
  trotationelements e = is_sun ? sun_rotation_elements(t) : rotation_elements(slot, 0, t);
  const tplanetocentric earth = planetocentric_view(e, f, towards_earth);
  p.earth_latitude = earth.latitude;
  p.earth_latitude_graphic = earth.latitude_graphic;
  p.central_meridian[0] = earth.longitude;
  for (int s = 1; s < systems; ++s)
    p.central_meridian[s] = planetocentric_view(rotation_elements(slot, s, t), f, towards_earth).longitude;
  p.meridian_systems = systems;
  if (!is_sun && length(towards_sun) > 0.0) {
    const tplanetocentric sun = planetocentric_view(e, f, towards_sun);
    p.sun_latitude = sun.latitude;
    saturn_du = wrap180(sun.longitude - earth.longitude);
  }
  const tvektor pole = transformed(to_date, unit_from(e.alpha0, e.delta0));
  p.axis_angle = wrap180(axis_position_angle(pole, b.geocentric_equatorial));
  p.rotation_valid = finite(p.axis_angle) && finite(p.central_meridian[0]) &&
                     finite(p.earth_latitude);
}

}  // namespace

tphysephem planet_physical(const tbodyplace& b) {
  tphysephem p;
  if (b.body < 0 || b.body > 8 || !(b.distance > 0.0)) return p;
  const tphase ph = phase_and_elongation(b.lambda, b.beta, b.ra, b.dec, b.helio_l, b.helio_b,
                                         b.sun_lambda, b.sun_ra, b.sun_dec);
  if (b.body != 0) {
    p.elongation = ph.elongation;
    p.elongation_direction = ph.elongation_direction;
    p.east = ph.east;
    p.phase_angle = ph.phase_angle;
    p.illuminated_fraction = ph.illuminated_fraction;
    p.bright_limb_angle = ph.bright_limb_angle;
  }
  double saturn_du = 0.0;
  add_orientation(b, p, saturn_du);
  if (b.body == 0) {
    p.diameter = kSemiDiameter[0] / b.distance;  // semi-diameter, degrees
    set_magnitude(p, kSunMagnitude);
    return p;
  }
  p.diameter = 2.0 * kSemiDiameter[b.body] / b.distance;
  if (b.body == 4) p.polar_diameter = 2.0 * kJupiterPolarSemiDiameter / b.distance;
  if (b.body == 5) {
    p.polar_diameter = 2.0 * kSaturnPolarSemiDiameter / b.distance;
    p.ring_major = 375.4 / b.distance;
    p.ring_minor = p.ring_major * std::abs(sin_deg(p.earth_latitude));
  }
  p.defect = (1.0 - cos_deg(p.phase_angle)) * p.diameter / 2.0;
  set_magnitude(p, 5.0 * log10_of(b.helio_r * b.distance) +
                       planet_magnitude_term(b.body, p.phase_angle, p.earth_latitude, saturn_du));
  return p;
}

double minor_body_magnitude(double h, double g, double r, double delta, double i) {
  if (!(r > 0.0) || !(delta > 0.0)) return h;
  const double distance_term = 5.0 * log10_of(r * delta);
  if (g == 0.0) return h + distance_term + 0.023 * i;
  const double tan_half = std::abs(tan_deg(i / 2.0));
  const double phi1 = std::exp(-3.33 * std::pow(tan_half, 0.63));
  const double phi2 = std::exp(-1.87 * std::pow(tan_half, 1.22));
  const double mix = (1.0 - g) * phi1 + g * phi2;
  return h + distance_term - (mix > 0.0 ? 2.5 * log10_of(mix) : 0.0);
}

double comet_magnitude(double g, double n, double r, double delta) {
  if (!(r > 0.0) || !(delta > 0.0)) return g;
  return g + 5.0 * log10_of(delta) + 2.5 * n * log10_of(r);
}

int carrington_number(double jd, double l0) {
  const double c = (jd - 2398140.227) / 27.2752316;
  double n = std::floor(c);
  const double frac = c - n;
  if (frac > 0.98 && l0 > 300.0) n += 1.0;
  if (frac < 0.02 && l0 < 30.0) n -= 1.0;
  return static_cast<int>(n);
}

}  // namespace sdro
