// The figures of the star images and body symbols. Symbols are small pixel
// drawings: '#' full, '+' half brightness of the body's tint, '.' black.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/symbol_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "chart/surface/colour.h"

namespace sdro {

namespace {

struct Art {
  int id;
  tfarbe tint;
  std::array<std::string_view, 9> rows;  // only the first `size` rows are used
};

// clang-format off
constexpr Art kArt[] = {
    {231, tfarbe::rgb(235, 235, 175), {"#...#",
                                       ".###.",
                                       ".#.#.",
                                       ".###.",
                                       "..#.."}},
    {232, tfarbe::rgb(255, 255, 215), {"..###..",
                                       ".#...#.",
                                       ".#...#.",
                                       "..###..",
                                       "...#...",
                                       ".#####.",
                                       "...#..."}},
    {233, tfarbe::rgb(255, 150, 120), {"...####",
                                       ".....##",
                                       "....#.#",
                                       ".###...",
                                       "#...#..",
                                       "#...#..",
                                       ".###..."}},
    {234, tfarbe::rgb(255, 215, 160), {".##..#.",
                                       "#..#.#.",
                                       "...#.#.",
                                       "..#..#.",
                                       ".######",
                                       ".....#.",
                                       ".....#."}},
    {235, tfarbe::rgb(255, 235, 160), {".#.......",
                                       "###......",
                                       ".#.......",
                                       ".#.###...",
                                       ".##...#..",
                                       ".#....#..",
                                       ".#...#...",
                                       ".....#...",
                                       "......##."}},
    {236, tfarbe::rgb(165, 240, 240), {"#..#..#",
                                       "#######",
                                       "#..#..#",
                                       "...#...",
                                       "..###..",
                                       "..#.#..",
                                       "..###.."}},
    {237, tfarbe::rgb(160, 190, 255), {"#..#..#",
                                       "#..#..#",
                                       "#..#..#",
                                       ".#####.",
                                       "...#...",
                                       "..###..",
                                       "...#..."}},
    {238, tfarbe::rgb(225, 200, 180), {"###..",
                                       "#..#.",
                                       "###..",
                                       "#....",
                                       "####."}},
    {240, tfarbe::rgb(215, 215, 215), {"..#..",
                                       ".#+#.",
                                       "#+++#",
                                       ".#+#.",
                                       "..#.."}},
};
// clang-format on

QImage black_image(int size) {
  QImage img(size, size, QImage::Format_RGB32);
  img.fill(0xff000000u);
  return img;
}

QRgb scaled(tfarbe c, double f) {
  f = std::clamp(f, 0.0, 1.0);
  return qRgb(static_cast<int>(c.red() * f + 0.5), static_cast<int>(c.green() * f + 0.5),
              static_cast<int>(c.blue() * f + 0.5));
}

}  // namespace

QImage star_image(int k, int size) {
  // Brighter classes keep more light towards the rim; the one-pixel stars
  // differ by brightness alone.
  static constexpr double kPeak[] = {1.0, 1.0, 1.0, 0.97, 0.94, 0.95, 0.9,
                                     1.0, 0.88, 0.78, 0.95, 0.78, 0.62};
  static constexpr double kRim[] = {0.6, 0.45, 0.6, 0.45, 0.35, 0.5, 0.35,
                                    0.45, 0.35, 0.3, 1.0, 1.0, 1.0};
  QImage img = black_image(size);
  const double c = size / 2.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double d = std::hypot(x + 0.5 - c, y + 0.5 - c) / c;  // 0 centre, 1 rim
      if (d >= 1.0 && size > 1) continue;
      const double f = kPeak[k] * (1.0 - (1.0 - kRim[k]) * std::min(d * d * 1.25, 1.0));
      img.setPixel(x, y, scaled(farbe::weiss, f));
    }
  }
  return img;
}

QImage body_symbol_image(int id) {
  for (const Art& art : kArt) {
    if (art.id != id) continue;
    const int size = static_cast<int>(art.rows[0].size());
    QImage img = black_image(size);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const char ch = art.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
        if (ch == '#') img.setPixel(x, y, scaled(art.tint, 1.0));
        if (ch == '+') img.setPixel(x, y, scaled(art.tint, 0.5));
      }
    }
    return img;
  }
  return {};
}

QImage comet_image() {
  // A bright head low on the left and a widening tail fading to the upper right.
  constexpr int kSize = 13;
  const tfarbe head = farbe::weiss;
  const tfarbe tail = tfarbe::rgb(175, 220, 255);
  QImage img = black_image(kSize);
  const double hx = 3.0;
  const double hy = 10.0;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double px = x + 0.5 - hx;
      const double py = y + 0.5 - hy;
      const double along = (px - py) / std::sqrt(2.0);
      const double across = std::abs(px + py) / std::sqrt(2.0);
      const double r = std::hypot(px, py);
      if (r < 1.6) {
        img.setPixel(x, y, scaled(head, 1.0 - 0.25 * r / 1.6));
        continue;
      }
      const double width = 0.9 + 0.32 * along;
      if (along <= 0 || along > 13.0 || across > width) continue;
      const double f = (1.0 - along / 14.0) * (1.0 - 0.6 * across / width);
      img.setPixel(x, y, scaled(tail, 0.25 + 0.75 * f));
    }
  }
  return img;
}

}  // namespace sdro
