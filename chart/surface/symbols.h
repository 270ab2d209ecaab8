// The program's bitmaps: the thirteen star images 194..206 (brightest first;
// 9, 9, 7, 7, 7, 5, 5, 3, 3, 3, 1, 1, 1 pixels square) and the symbols of the
// bodies, 231 Mercury (5), 232 Venus (7), 233 Mars (7), 234 Jupiter (7),
// 235 Saturn (9), 236 Uranus (7), 237 Neptune (7), 238 Pluto (5),
// 240 asteroid (5) and 241 comet (13). The Sun (230) and the Moon (239) have
// none; they are drawn as discs.
//
// All are drawn in code, light figures on black, so that a bit-block copy
// with RasterOp::bit_or shows the figure and leaves the background around it.
// The images are built once and shared; the references stay valid for the
// whole run.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <span>

namespace sdro {

inline constexpr int kFirstStarBitmap = 194;
inline constexpr int kLastStarBitmap = 206;
inline constexpr int kFirstBodySymbol = 231;  ///< Mercury; body k uses 230 + k
inline constexpr int kAsteroidSymbol = 240;
inline constexpr int kCometSymbol = 241;

/// The bitmap with this number; a null image for numbers without one.
const QImage& symbol_bitmap(int id);
/// Side of the square bitmap in pixels; 0 for numbers without one.
int symbol_size(int id);
/// The offset from a position to the bitmap's corner: size / 2.
inline int symbol_half_size(int id) { return symbol_size(id) / 2; }
/// The number of one of these bitmaps (the same shared image), else 0.
int symbol_id_of(const QImage& image);
/// Every number that has a bitmap, stars first.
std::span<const int> symbol_ids();

}  // namespace sdro
