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
/// index). Stars and deep-sky objects join here, with a kind and their
/// catalogue entry.
struct tephemeristarget {
  int body = -1;
};

/// The target named on the command line (English or German, any case);
/// nothing when the name is unknown.
std::optional<tephemeristarget> find_ephemeris_target(std::string_view name);

/// Runs --ephemeris BODY --from DATE --to DATE [--step DAYS] [--place
/// LAT,LON[,HEIGHT]] [--theory own|vsop87d|vsop87c] [--moon brown|elp].
/// Every option is checked before anything is printed: on bad input a message
/// goes to err, nothing to out, and the result is 2. Otherwise out receives
/// the header and the rows, and the result is 0.
int run_ephemeris(const tcommand_line& cl, std::ostream& out, std::ostream& err);

}  // namespace sdro
