// The command-line table of rise, transit and set:
//   sdro --riseset BODY|twilight --from DATE --to DATE --place LAT,LON[,HEIGHT] [--zone HOURS]
// It starts the engine without windows (settings, data directory, optional
// --config) so that the theory and the reference altitudes are those the
// dialogs use, and writes the table to standard output.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "app/command_line.h"
#include "events/riseset_table.h"

namespace sdro {

/// The request of the command line, or the message for the first bad value.
/// Longitudes on the command line are east positive; the request holds them
/// west positive, as the program counts.
struct triseset_arguments {
  std::optional<triseset_request> request;
  std::string error;
};
triseset_arguments riseset_arguments(const tcommand_line& cl);

/// --riseset: 0 on success, 2 for bad values, 1 when the start-up fails.
/// Call with a Q(Gui)Application running.
int run_riseset(const tcommand_line& cl, std::ostream& out);

}  // namespace sdro
