// The theory selection ttheoriewahl, its acceptance rules, and the texts and
// click rules of its menu items and status panels (the shell wires them).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "astro/language.h"
#include "ephem/theory_libraries.h"

namespace sdro {

/// Planetary theories (byte 0 of the selection).
enum tplanettheorie : std::uint8_t {
  theorie_eigen = 0,    ///< own series ("Newcomb")
  theorie_vsop87d = 1,  ///< VSOP87 D through plantheod
  theorie_vsop87c = 2,  ///< VSOP87 C through plantheoc
};

/// The theory selection, 12 bytes, held by the main window and copied into
/// every computation.
struct ttheoriewahl {
  std::uint8_t planet_theory = theorie_eigen;  ///< 0 own, 1 VSOP87 D, 2 VSOP87 C
  std::uint8_t lunar_library = 0;              ///< 1: ELP-2000/82 through lunatheo
  std::uint8_t reserved = 0;                   ///< not used by the theories; carried along
  /// Per planet slot 0 Mercury … 8 Pluto (2 the Earth): 1 when the planet
  /// perturbs in the numerical integration.
  std::array<std::uint8_t, 9> perturbers{1, 1, 1, 1, 1, 1, 1, 1, 1};
};
static_assert(sizeof(ttheoriewahl) == 12);

bool operator==(const ttheoriewahl& a, const ttheoriewahl& b);

/// The selection as it may be stored: theory 1 only with plantheod usable,
/// 2 only with plantheoc usable, otherwise 0; the lunar flag only when the
/// lunar library is usable and requested. Other bytes are kept.
ttheoriewahl accepted_theory(const ttheoriewahl& requested, const tlibraryusability& usable);

/// Stores the accepted selection in `stored`. Returns true when the planetary
/// theory or the lunar flag changed: the chart must then be recomputed
/// (positionenneu) and redrawn.
bool set_theory(ttheoriewahl& stored, const ttheoriewahl& requested,
                const tlibraryusability& usable);

/// Selection after the identification at start-up: theory 0, all nine planet
/// bytes 1; theory 1 when plantheod is usable.
ttheoriewahl startup_theory(const tlibraryusability& usable);

/// True when the Moon comes from the lunar library.
bool lunar_library_in_effect(const ttheoriewahl& selection, const tlibraryusability& usable);

/// Click on the planetary status panel: from 0 or 1 the next higher usable
/// theory (current + 1, then 2); if none is accepted, and from 2, theory 0.
ttheoriewahl next_theory_on_click(const ttheoriewahl& current, const tlibraryusability& usable);

/// One of the three theory menu items: a checked item is unchecked (back to
/// theory 0), an unchecked one requests its theory (refused silently when
/// its library is not usable).
ttheoriewahl theory_menu_click(const ttheoriewahl& current, tplanettheorie item,
                               const tlibraryusability& usable);
/// Whether the theory menu item shows its check mark.
bool theory_menu_checked(const ttheoriewahl& current, tplanettheorie item);

/// Lunar menu item and lunar panel click: toggles the lunar flag (effective
/// only when the lunar library is usable).
ttheoriewahl lunar_theory_click(const ttheoriewahl& current, const tlibraryusability& usable);

/// Planetary panel: "VSOP87 D", "VSOP87 C" or "Newcomb".
std::string_view theory_panel_text(const ttheoriewahl& selection);
/// Lunar panel: "ELP-2000/82" when the lunar library is in effect, else "Brown".
std::string_view lunar_panel_text(const ttheoriewahl& selection, const tlibraryusability& usable);

/// Menu texts in the current language.
std::string_view theory_menu_text(tplanettheorie item);
std::string_view lunar_menu_text();

}  // namespace sdro
