// The viewport of the sky charts: chart diameter, centre, rim radius, the
// overview scale, mirror factor and rotation, and the commands that change
// the diameter and the visible section of the bitmap.
//
// Every quantity is in pixels (integers) unless noted. The chart is drawn
// into a square bitmap of M + 22 pixels; the window shows it from the scroll
// position (sx, sy) onwards.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace sdro {

/// The smallest chart diameter the drawing accepts (a smaller request, from
/// a file, a dialog or a window that is too small, is raised to it).
inline constexpr int kMinChartDiameter = 100;
/// The smallest diameter the zoom-out command gives.
inline constexpr int kZoomOutLimit = 180;
/// Extra pixels of the off-screen bitmap beyond the maximum chart diameter.
inline constexpr int kBitmapMargin = 22;

struct tviewport {
  int M = 1200;      ///< maximum chart diameter ("Grafikgroesse")
  int d = 1170;      ///< chart diameter, kMinChartDiameter ≤ d ≤ M
  int c = 585;       ///< chart centre, both coordinates: ⌊(d − 1) / 2⌋ + 1
  int R = 584;       ///< rim radius of the circular charts: c − 1
  double k = 3.25;   ///< overview scale, pixels per degree: d / 360
  int s = 1;         ///< mirror factor, +1 or −1
  int v = 0;         ///< rotation, whole degrees 0..359
};

/// The chart centre of a diameter.
constexpr int chart_centre(int d) { return (d - 1) / 2 + 1; }

/// The chart diameter actually used for a request: min(request, M), and
/// never below kMinChartDiameter (nor above M when M is that small).
int usable_chart_diameter(int requested, int M);

/// The viewport of a chart. Any mirror factor other than −1 counts as +1 and
/// the rotation is reduced into 0..359, so stored values outside their range
/// cannot turn the chart upside down or divide by zero.
tviewport make_viewport(int requested_diameter, int M, int spiegelung, int drehwinkel);

// --- chart diameter commands -----------------------------------------------

/// "&Größer": min(M, rnd(d · 1.03)); nothing (a beep) when d is already M.
std::optional<int> larger_diameter(int d, int M);
/// "&Kleiner": max(180, rnd(d / 1.03)).
int smaller_diameter(int d);
/// "&Bildschirmgröße", "Bildschirmh&öhe", "&Fenstergröße", "Fensterhöhe":
/// the target extent − 16; nothing when d + 16 already equals the target.
/// The result is a usable diameter (see usable_chart_diameter).
std::optional<int> fitted_diameter(int d, int target_extent, int M);

// --- scrolling ---------------------------------------------------------------

/// The range of one scroll bar: how far the chart extent exceeds the visible
/// extent (at least 1), with its small and large steps.
struct tscroll_range {
  int maximum = 1;
  int small_step = 1;
  int large_step = 1;
};
/// `chart_extent` includes what the axis adds (the title font height on the
/// vertical axis); `visible` is the window's extent on that axis.
tscroll_range scroll_range(int chart_extent, int visible);

/// The nine map sections ("Ka&rtenausschnitt"), numbered by their keys on
/// the numeric pad: 1 bottom left … 5 centre … 9 top right.
struct tsection_fraction {
  double horizontal = 0.5;
  double vertical = 0.5;
};
/// Fractions of the scroll maxima for section key 1..9; the vertical
/// fraction is halved on the equatorial overview. Keys outside give the
/// centre.
tsection_fraction map_section(int key, bool overview);

}  // namespace sdro
