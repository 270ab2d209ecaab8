// The headless modes: the same start-up and cycle as the window, on Qt's
// offscreen platform, without a lock, a splash or a dialog.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/command_line.h"

namespace sdro {

/// --render: draws the chart and writes it as PNG; prints the status texts
/// and the path. Returns the process exit code (0 on success).
int run_render(const tcommand_line& cl);

}  // namespace sdro
