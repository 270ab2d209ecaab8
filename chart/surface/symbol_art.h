// The drawn figures of the bitmaps (symbols.cpp turns them into images).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace sdro {

/// A star image of class index k (0 = number 194) with side `size`.
QImage star_image(int k, int size);
/// The body symbol with this number (231..238, 240); null for others.
QImage body_symbol_image(int id);
/// The comet, 13 × 13.
QImage comet_image();

}  // namespace sdro
