// The layers of the line table and the constellation names: the Milky Way
// levels, the deep-sky outline lines, the constellation figures and
// boundaries, each with its pen, and the 89 constellation names.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

class Zeichenflaeche;
struct tsky_scene;

/// The Milky Way at the level `milchstrasse`: level ≥ 1 the coarse points,
/// ≥ 2 the medium ones, ≥ 4 the very fine ones, ≥ 3 the fine ones (in that
/// order), each with its pen. Not at all when the Sun's limit hides it.
void draw_milky_way(Zeichenflaeche& surface, const tsky_scene& scene);
/// The deep-sky outline lines (points 8922 to the last) when `nebelumrisse`
/// is on and the Sun's limit allows.
void draw_outline_lines(Zeichenflaeche& surface, const tsky_scene& scene);
/// Constellation figures when `sternbilder` is on: the zodiac (1..118, in the
/// zodiac pen when highlighted), the others (119..577) with `allesternbilder`.
void draw_figures(Zeichenflaeche& surface, const tsky_scene& scene);
/// Constellation boundaries when `sternbildgrenzen` is on.
void draw_boundaries(Zeichenflaeche& surface, const tsky_scene& scene);
/// Constellation names when `beschriftungsternbilder` is on; the label's
/// pixel is stored with it ((−10, −10) when not drawn).
void draw_constellation_names(Zeichenflaeche& surface, const tsky_scene& scene);

}  // namespace sdro
