// Light time and the aberration of the observer's orbital motion for bodies
// computed from heliocentric positions.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/vector.h"

namespace sdro {

/// Light time per astronomical unit, days.
inline constexpr double kLightTimePerAu = 0.00578;

/// The observer's motion during the light time of a body at geocentric
/// distance Δ (AU): the Sun's geocentric velocity (its rates Ṙ = 2.87e-4 sin M
/// AU/day, L̇ = (172 + 5.75 cos M)·1e-4 rad/day, Ḃ = 0, with the Earth's mean
/// anomaly M of T) at the Sun's geocentric R (AU), B, L (degrees, ecliptic of
/// date), times the light time. Subtracting the result (AU, ecliptic of date)
/// from a geocentric position adds the aberration of the Earth's motion.
/// The rates are good to about 1% of the Earth's speed (0.2″ in the aberration).
tvektor light_time_aberration(double distance, double sun_distance, double sun_latitude,
                              double sun_longitude, double t);

/// Geocentric position (AU, ecliptic of date) of a body from its heliocentric
/// position and velocity and the Sun's geocentric position: the sum, less the
/// body's motion during the light time, and with `with_aberration` less the
/// observer's motion (light_time_aberration with the Sun's R, B, L and T).
tvektor geocentric_light_time_place(const tvektor& heliocentric_position,
                                    const tvektor& heliocentric_velocity,
                                    const tvektor& sun_geocentric, bool with_aberration,
                                    double sun_distance, double sun_latitude, double sun_longitude,
                                    double t);

}  // namespace sdro
