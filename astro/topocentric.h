// The observer's place on the rotating Earth and the topocentric reduction.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// The Earth's equatorial radius in AU (6378.14 km), for Δ in AU.
inline constexpr double kEarthRadiusAu = 0.000042635;

struct tobserver_place {
  double geocentric_latitude = 0.0;  ///< φ′, degrees
  double rho = 1.0;                  ///< distance from the Earth's centre, equatorial radii
};

/// Geocentric latitude φ′ and distance ρ of an observer at height H (metres
/// above sea level) and geographic latitude φ (degrees), for the IAU 1976
/// ellipsoid (a = 6378.14 km, f = 1/298.257). Accuracy: about 30 m in ρ·cos φ′
/// and ρ·sin φ′ up to heights of a few kilometres.
tobserver_place observer_geocentric(double height, double latitude);

struct ttopocentric {
  double distance = 0.0;  ///< Δ′, in the unit of Δ
  double dec = 0.0;       ///< δ′, degrees
  double ra = 0.0;        ///< α′, degrees in [0, 360)
};

/// Topocentric place of a body at geocentric α, δ (degrees) and distance Δ:
/// the observer's vector ρ·R·(cos φ′ cos θ, cos φ′ sin θ, sin φ′), θ = 15·LST,
/// is subtracted from the body's. φ′ in degrees, LST the local sidereal time
/// in hours, ρ from observer_geocentric, R the Earth's radius in the unit of
/// Δ (kEarthRadiusAu for AU, 1 for Earth radii). Rigorous for any distance.
ttopocentric topocentric_place(double alpha, double delta, double distance,
                               double geocentric_latitude, double sidereal_time, double rho,
                               double earth_radius);

}  // namespace sdro
