// From the command line to the engine: where the program, its settings file
// and its data are, and the instant, place and size the command line asks for.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/command_line.h"
#include "app/engine/engine.h"
#include "app/state/messages.h"

namespace sdro {

/// The start options of this process (call with a Q(Gui)Application running).
tstart_options start_options(const tcommand_line& cl, bool interactive);

/// The messages of a headless run whose start-up failed, and whose --config
/// file was not found (nothing was reported) or not loaded.
std::string start_up_failed();
std::string configuration_failure(const tscripted_messages& messages, const std::string& file);

/// Checks --date, --place and --size; returns a message for the first bad one.
std::string check_command_values(const tcommand_line& cl);

/// Applies --date, --place and --size to the engine (values already checked)
/// and marks the chart for recomputation.
void apply_command_values(tengine& engine, const tcommand_line& cl);

}  // namespace sdro
