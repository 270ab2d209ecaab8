// --ephemeris: apparent places of a body as CSV, one row per instant, from
// the same computation as the chart (ephem/ephemeris_row.h).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string_view>

#include "app/command_line.h"

namespace sdro {

/// What --ephemeris computes: the Sun, the Moon or a planet (a tkoerper
/// index), else an object of the catalogues (a star by its name in the star
/// file, a zone-catalogue star, a deep-sky object), looked up only when the
/// name is none of the ten bodies (app/catalogue_ephemeris.h).
struct tephemeristarget {
  int body = -1;  ///< tkoerper; −1 for an object of the catalogues
};

/// The body named on the command line (English or German, any case);
/// nothing when the name is none of the ten bodies.
std::optional<tephemeristarget> find_ephemeris_target(std::string_view name);

/// Runs --ephemeris BODY --from DATE --to DATE [--step DAYS] [--place
/// LAT,LON[,HEIGHT]] [--theory own|vsop87d|vsop87c] [--moon brown|elp].
/// BODY is one of the ten bodies, else a star, zone star or deep-sky object
/// of the catalogues (the engine is started for them, with --datadir and
/// --ini). Every option and the name are checked before anything is printed:
/// on bad input a message goes to err, nothing to out, and the result is 2
/// (1 when the catalogues cannot be loaded). Otherwise out receives the
/// header and the rows, and the result is 0.
int run_ephemeris(const tcommand_line& cl, std::ostream& out, std::ostream& err);

}  // namespace sdro
