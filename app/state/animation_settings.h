// The two configuration blocks of animation and orbit tracks: `animation`
// (the steps, modes and timer of an animation, with the instant it started
// from) and `bahndatei` (which bodies an orbit-track file records and how its
// points are labelled).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "astro/zeitort.h"

namespace sdro {

/// Block `animation` (792 bytes of the record).
struct tanimation {
  double zeitschritt = 0.0;         ///< time part of the step, packed h.mmss
  std::int32_t tage = 1;            ///< days part of the step, 0..36525
  std::int32_t sterntage = 1;       ///< step in sidereal days, 1..36525
  std::int32_t schritte = 300;      ///< steps after which it stops by itself, 2..30000
  bool systemzeit = false;          ///< "S&ystemzeit verwenden": every tick takes the clock's instant
  bool sternzeit = true;            ///< "&Sternzeit konstant halten": steps in sidereal days
  bool rueckwaerts = false;         ///< "Animation r&ückwärts"
  bool automatisch_beenden = true;  ///< "Automatisch beenden nach": stop after `schritte`
  tzeitort startzeit;               ///< the instant the running animation started from
  std::int32_t intervall = 10;      ///< timer interval, units of 10 ms, 1..300 (0 reads as 40)
  bool zurueck = true;              ///< "Z&um Ausgangsdatum zurück": back to the start when it stops
};

/// Block `bahndatei` (24 bytes): what an orbit-track file records and how
/// its points are labelled.
struct tbahndatei {
  /// Recorded objects: 0 Sun … 9 Moon (tkoerper), 10 the active asteroids,
  /// 11 the active comets.
  std::array<bool, 12> objekte{true, true, true, true, true, true, true, true, true, true, true, true};
  bool name_immer = false;        ///< the name at every point
  bool name_einmal = true;        ///< the name once, in capitals, at the first instant
  bool datum = true;              ///< day and month
  bool jahr = true;               ///< the year after the date
  bool jahr_vierstellig = false;  ///< the year in full
  bool uhrzeit = false;           ///< the local time after the date
  std::int32_t intervall = 5;     ///< every n-th instant is labelled, 1..100
};

}  // namespace sdro
