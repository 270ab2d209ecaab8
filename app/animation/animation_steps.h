// The arithmetic of animation steps and date steps: the step of an
// animation in days, the packed h.mmss times of the settings, the range of
// Julian dates the program computes for, and the date steps of the menu
// "&Ändern" (years, days, hours), each checked before it is committed.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "app/state/animation_settings.h"
#include "astro/zeitort.h"

namespace sdro {

/// One sidereal day in days.
inline constexpr double kSiderealDay = 0.9972695663796;
/// The Julian dates an animation may reach.
inline constexpr double kFirstAnimationJd = 5.0;
inline constexpr double kLastAnimationJd = 5373484.4583;
/// The Julian dates the day and hour steps may reach.
inline constexpr double kFirstStepJd = 5.0;
inline constexpr double kLastStepJd = 5373484.0;

/// h.mmss → decimal hours (hours + minutes / 60 + seconds / 3600), rounded
/// to 1e-8 hours.
double packed_to_hours(double packed);
/// Decimal hours → h.mmss, to the whole second.
double hours_to_packed(double hours);

/// The step b of an animation in days: sidereal days × 0.9972695663796 in
/// the sidereal mode, else days + the packed time part in hours / 24.
double animation_step_days(const tanimation& a);

/// The timer interval in milliseconds: units of 10 ms, 0 counting as 40.
int animation_interval_ms(const tanimation& a);

/// The MJD one step of b days away (backwards when asked), or nothing when
/// its Julian date leaves the range an animation may reach.
std::optional<double> animation_step(double mjd, double days, bool backwards);

/// The date steps of the menu: the instant with the step applied (civil
/// fields completed), or nothing (the command beeps and changes nothing).
/// Years: back while the year is −4711 or later, forward while 9998 or
/// earlier; days and hours: when the resulting Julian date lies within
/// 5 … 5373484.
std::optional<tzeitort> year_step(const tzeitort& z, int direction);
std::optional<tzeitort> mjd_step(const tzeitort& z, double days);

/// Moves the instant to an MJD and completes its calendar date and local time.
void set_instant_mjd(tzeitort& z, double mjd);

}  // namespace sdro
