// Rise, upper transit and set of the Sun, the Moon, the planets and fixed
// places, and the Sun's crossings of the three twilight altitudes, for the
// local calendar day of the observing place.
//
// The altitude is sampled every hour of the local day (0 h … 24 h local
// clock time) and scanned in two-hour windows with a parabola through three
// samples; each crossing the parabola finds is then refined on the altitude
// itself, and each transit on the hour angle, to well below a second.
// Times are local clock hours after local midnight; each event carries a
// found flag, so an event at exactly 0 h is an event.
//
// Units and frames: degrees; longitude WEST positive as everywhere in the
// program (the sidereal time takes it so); hour angles in (−180°, 180°];
// mean sidereal time; apparent places of the true equator of date.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "ephem/theory_selection.h"

namespace sdro {

struct tzeitort;

/// The observing context of every routine.
struct triseset_context {
  double jd = 0.0;           ///< the current moment, Julian date (UT)
  double delta_t = 0.0;      ///< ΔT, seconds
  double latitude = 0.0;     ///< φ, degrees, north positive
  double longitude = 0.0;    ///< λ, degrees, WEST positive
  double zone_offset = 0.0;  ///< Z, hours: zone + additional minutes/60 + daylight saving
};
/// The context of an instant and place record.
triseset_context riseset_context(const tzeitort& z);

/// UT Julian date of the local midnight that begins the local calendar day
/// of the context's moment: Int(JD + Z/24 − 0.5) + 0.5 − Z/24 (floor, so
/// also right before JD 0).
double local_day_start(const triseset_context& c);

/// Reference altitudes (`referenzhoehen`): 0 stars and planets (arc minutes),
/// 1 the Moon (not used here), 2 the Sun (arc minutes), 3 civil, 4 nautical
/// and 5 astronomical twilight (degrees).
using treference_altitudes = std::array<double, 6>;
inline constexpr treference_altitudes kDefaultReferenceAltitudes{-34, 8, -50, -6, -12, -18};

/// The Moon's rise and set use this altitude of its upper limb (degrees).
inline constexpr double kMoonRiseAltitude = -34.0 / 60.0;

/// Event kinds of RiseSetSunMoon (array index = kind − 1).
enum triseset_kind : int { rs_moon = 1, rs_sun = 2, rs_civil = 3, rs_nautical = 4, rs_astronomical = 5 };

/// What was found for one kind of event in the local day.
struct RiseSetResult {
  bool rise_found = false;        ///< rise (begin of twilight) found
  double rise = 0.0;              ///< local clock hours in [0, 24]
  bool set_found = false;         ///< set (end of twilight) found
  double set = 0.0;
  std::string rise_text = " ---- ";  ///< " ---- " when not found, else " "
  std::string set_text = " ---- ";
  /// When neither crossing occurs: "sichtbar"/"visible" or "unsichtbar"/
  /// "invisible" for a body, "hell    "/"bright  " or "dunkel  "/"dark    "
  /// for a twilight (current language); otherwise " ".
  std::string state_text = " ";
  bool transit_found = false;     ///< upper transit above the reference altitude found
  double transit = 0.0;           ///< local clock hours in [0, 24)
  double culmination_altitude = 0.0;  ///< degrees, 90° − |φ − δ| at the transit
  bool polar = false;             ///< fixed place at or next to a pole: nothing computed (" --- ")
};

/// Sun, Moon and twilights: kinds first..last (clamped to 1..5) into the
/// entries kind − 1 of the result; the others stay empty. The Moon (kind 1)
/// uses its topocentric altitude with its semidiameter against −34′; the
/// Sun kind 2 the reference altitude 2, the twilights 3..5 theirs. Transits
/// are found for kinds 1 and 2 only.
std::array<RiseSetResult, 5> RiseSetSunMoon(const ttheoriewahl& selection, const treference_altitudes& reference,
                                             int first, int last, const triseset_context& c);

/// A major planet (1 Mercury, 2 Venus, 4 Mars … 9 Pluto), its apparent place
/// at the start and the end of the local day interpolated linearly, against
/// the reference altitude 0. Any other number gives an empty result.
RiseSetResult RiseSetPlanet(const treference_altitudes& reference, const ttheoriewahl& selection, int planet,
                            const triseset_context& c);

/// A fixed place (right ascension and declination in degrees, of date)
/// against the reference altitude 0. At a pole, or for a place at a pole,
/// or both within 2′ of one, nothing is computed (texts " --- ", `polar`).
RiseSetResult RiseSetFixed(const treference_altitudes& reference, double ra, double dec,
                           const triseset_context& c);

}  // namespace sdro
