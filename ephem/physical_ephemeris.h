// Physical ephemerides: elongation and phase, apparent diameter, magnitude,
// orientation of the disk (planetocentric latitudes, central meridians,
// position angle of the axis), Saturn's rings, the Moon's librations and the
// Carrington rotation number.
//
// Frames: α, δ and the vectors passed in are geocentric, of the (true)
// equator and equinox of date unless a name says otherwise. T is always in
// Julian centuries of dynamical time (TT) from J2000.0.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "astro/vector.h"

namespace sdro {

/// The physical-ephemeris record of one body.
struct tphysephem {
  double elongation = 0.0;            ///< ψ, degrees
  double elongation_direction = 0.0;  ///< λ − λ☉ in [0, 360)
  bool east = false;                  ///< sin(λ − λ☉) > 0
  double phase_angle = 0.0;           ///< i, degrees
  double illuminated_fraction = 1.0;  ///< k, 0..1
  /// Planets: equatorial diameter ("); Sun and Moon: semi-diameter (degrees).
  double diameter = 0.0;
  double polar_diameter = 0.0;        ///< Jupiter and Saturn, "
  double defect = 0.0;                ///< defect of illumination, "
  double bright_limb_angle = 0.0;     ///< χ, degrees in [0, 360)
  double axis_angle = 0.0;            ///< P, degrees in (−180, 180]
  double earth_latitude = 0.0;        ///< DE (Sun: B0), planetocentric, degrees
  double earth_latitude_graphic = 0.0;///< DE, planetographic, degrees
  double sun_latitude = 0.0;          ///< DS, planetocentric, degrees
  double central_meridian[3] = {};    ///< Systems I, II, III (Sun: L0 in [0]); degrees
  int meridian_systems = 0;           ///< how many of central_meridian are defined
  double ring_major = 0.0;            ///< Saturn, "
  double ring_minor = 0.0;            ///< Saturn, "
  double magnitude = 0.0;
  int magnitude_hundredths = 0;       ///< Trunc(100·m)
  bool rotation_valid = false;        ///< orientation quantities computed
  // Moon only (degrees)
  double libration_longitude = 0.0;   ///< total l, (−180, 180]
  double libration_latitude = 0.0;    ///< total b
  double sun_colongitude = 0.0;       ///< [0, 360)
  double sun_selenographic_latitude = 0.0;
};

/// "Ost" / "East" or "West" (the current language).
std::string_view elongation_side_text(bool east);

/// Rotation elements of the IAU model (1990s) for planet slot 0 Mercury …
/// 8 Pluto; system 0, 1, 2 selects Jupiter's and Saturn's Systems I, II, III.
struct trotationelements {
  double alpha0 = 0.0;  ///< pole, degrees (equator of J2000.0)
  double delta0 = 90.0;
  double w = 0.0;       ///< prime meridian, degrees in [0, 360)
  bool direct = true;   ///< direct rotator
};
/// t: dynamical time of the light emission (Julian centuries TT, light time
/// already subtracted by the caller; no ΔT is added).
trotationelements rotation_elements(int slot, int system, double t);
/// The Sun's elements (W = 84.10 + 518085.21·T).
trotationelements sun_rotation_elements(double t);

/// Planetocentric view of a direction u (from the body's centre towards the
/// observer or the Sun; equator of J2000.0, any length):
struct tplanetocentric {
  double latitude = 0.0;          ///< planetocentric, degrees
  double latitude_graphic = 0.0;  ///< planetographic, degrees
  double longitude = 0.0;         ///< of the sub-point (central meridian), [0, 360)
};
/// For direct rotators the longitude is counted westward (negated),
/// otherwise eastward; f is the flattening.
tplanetocentric planetocentric_view(const trotationelements& e, double flattening,
                                    const tvektor& direction);

/// Position angle (degrees, [0, 360)) of the projected pole of a body whose
/// geocentric direction is given: both vectors in the same equatorial frame.
double axis_position_angle(const tvektor& pole, const tvektor& direction);

/// Elongation, side, phase angle, illuminated fraction and bright-limb angle.
struct tphase {
  double elongation = 0.0;
  double elongation_direction = 0.0;
  bool east = false;
  double phase_angle = 0.0;
  double illuminated_fraction = 1.0;
  double bright_limb_angle = 0.0;
};
/// Body: geocentric λ, β (ecliptic of date), α, δ (apparent), heliocentric
/// L, B; Sun: geocentric λ☉ (ecliptic of date) and apparent α☉, δ☉.
tphase phase_and_elongation(double lambda, double beta, double alpha, double delta,
                            double helio_l, double helio_b, double sun_lambda, double sun_alpha,
                            double sun_delta);

/// Everything the chart knows about a planet or the Sun at one instant.
struct tbodyplace {
  int body = 0;                  ///< tkoerper: 0 Sun, 1 Mercury … 8 Pluto
  double t = 0.0;                ///< Julian centuries TT
  double lambda = 0.0, beta = 0.0;  ///< geocentric ecliptic of date, degrees
  double ra = 0.0, dec = 0.0;    ///< apparent, degrees
  double distance = 0.0;         ///< Δ, AU
  double helio_l = 0.0, helio_b = 0.0, helio_r = 0.0;  ///< heliocentric (Sun: zeros)
  tvektor geocentric_equatorial;    ///< body − Earth, AU, mean equator of date
  tvektor heliocentric_equatorial;  ///< body − Sun, AU, mean equator of date
  double sun_lambda = 0.0, sun_ra = 0.0, sun_dec = 0.0;  ///< the Sun's apparent place
};

/// Physical ephemeris of the Sun or a planet. Arithmetic failures in the
/// orientation leave rotation_valid false and the earlier values in place.
tphysephem planet_physical(const tbodyplace& body);

/// Minor planet: H, G (G = 0: linear phase law 0.023 mag/degree), r and Δ
/// in AU, phase angle i in degrees.
double minor_body_magnitude(double h, double g, double r, double delta, double phase_angle);
/// Comet: absolute magnitude g and index n.
double comet_magnitude(double g, double n, double r, double delta);

/// What the Moon's physical ephemeris needs.
struct tmoonplace {
  double t = 0.0;                   ///< Julian centuries TT
  double lambda = 0.0, beta = 0.0;  ///< geocentric, mean ecliptic of date, degrees
  double distance = 60.0;           ///< geocentric, Earth radii
  double topocentric_distance = 60.0;  ///< for the magnitude, Earth radii
  double ra = 0.0, dec = 0.0;       ///< apparent, degrees
  double sun_lambda = 0.0, sun_distance = 1.0;  ///< the Sun's geocentric λ☉ and R☉ (AU)
  double sun_ra = 0.0, sun_dec = 0.0;           ///< the Sun's apparent place
};
tphysephem moon_physical(const tmoonplace& moon);

/// Carrington rotation number from the JD and the heliographic longitude of
/// the disk centre L0 (degrees).
int carrington_number(double jd, double l0);

/// Polar-to-equatorial axis ratio by tkoerper (for drawing disks).
double axis_ratio(int body);

}  // namespace sdro
