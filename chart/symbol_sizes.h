// Sizes of the symbols of the fixed sky: star circles and bitmaps, zone
// stars, deep-sky ellipses, and the length of the zoom chart's scale bar.
// Magnitudes are in hundredths unless noted.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace sdro {

/// The size settings of star and deep-sky symbols (`sterngroessevariation`,
/// `nebelgroessevariation`): −4 large, −3 medium, −2 small, −1 very small.
inline constexpr int kSizeLarge = -4;
inline constexpr int kSizeMedium = -3;
inline constexpr int kSizeSmall = -2;
inline constexpr int kSizeVerySmall = -1;
/// A size setting outside −4..−1 counts as small.
int usable_size_setting(int b);

/// Magnitude class: magnitude × 100 divided by 100 without remainder,
/// clamped to −1..8.
int magnitude_class(std::int32_t magnitude);
/// The class used for the size with extinction on the horizon chart:
/// rnd(m + 0.3 · (1 / sin h − 1)) for the altitude h, 26 for h ≤ 0.1°,
/// clamped to −1..8.
int extinction_class(int m, double altitude);

/// starRadius: rnd((a − m) / x) with x = 8 / (4 − b), a = 7 for b = −1 and 8
/// otherwise, raised by 1 when it equals 4 − b. A radius ≤ 0 draws one pixel.
int star_radius(int m, int b);
/// The star bitmap of class m and size setting b: m + b + 199 (194..206).
int star_bitmap(int m, int b);

/// Radius of a zone star of magnitude m (magnitudes, brighter than −1 taken
/// as −1) on a zoom chart of radius ρ; never negative.
int zone_star_radius(double m, double radius);
/// The zone star's magnitude from its record (tenths): raised to −1 when brighter.
double zone_star_magnitude(std::int16_t tenths);
/// The label offset of a zone star: the half size of the star bitmap of class
/// rnd(m) (fainter classes take the faintest bitmap) and size setting b.
int zone_star_label_half(double m, int b);

/// Diameter of a deep-sky symbol of that magnitude with size setting b.
int deep_sky_diameter(std::int32_t magnitude, int b);

/// The length in degrees of the zoom chart's scale bar for the zoom radius ρ.
double scale_bar_degrees(double radius);

}  // namespace sdro
