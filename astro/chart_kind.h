// Chart-kind codes and their captions.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sdro {

/// Chart kinds are integer codes; these are the ones with a meaning of their own.
enum tkartenart : int {
  ka_horizont = 200,          // horizon chart (equatorial sub-kind by a flag)
  ka_zoom = 204,              // zoomed star chart
  ka_uebersicht = 205,        // equatorial overview
  ka_nordhimmel = 206,        // northern sky
  ka_suedhimmel = 207,        // southern sky
  ka_jupitermonde = 210,
  ka_saturnmonde = 211,
  ka_sonnensystem = 212,
  ka_sonnenfinsternis = 214,
  ka_planetenscheibchen = 216,
  ka_anblick = 218,           // view from a body
  ka_erdkarte = 220,
};

/// Caption of a chart kind in the current language; `viewpoint` indexes the
/// viewpoint names for the view from a body (218). Unknown kinds give "".
std::string chart_kind_caption(bool equatorial, int viewpoint, int kind);

}  // namespace sdro
