// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/symbols.h"

#include <array>
#include <map>

#include "chart/surface/symbol_art.h"

namespace sdro {

namespace {

constexpr std::array<int, 13> kStarSizes = {9, 9, 7, 7, 7, 5, 5, 3, 3, 3, 1, 1, 1};
constexpr std::array<int, 23> kIds = {194, 195, 196, 197, 198, 199, 200, 201, 202, 203, 204, 205,
                                      206, 231, 232, 233, 234, 235, 236, 237, 238, 240, 241};

const std::map<int, QImage>& bitmaps() {
  static const std::map<int, QImage> all = [] {
    std::map<int, QImage> m;
    for (int k = 0; k < static_cast<int>(kStarSizes.size()); ++k) {
      m.emplace(kFirstStarBitmap + k, star_image(k, kStarSizes[static_cast<std::size_t>(k)]));
    }
    for (int id = kFirstBodySymbol; id <= kAsteroidSymbol; ++id) {
      QImage img = body_symbol_image(id);
      if (!img.isNull()) m.emplace(id, std::move(img));
    }
    m.emplace(kCometSymbol, comet_image());
    return m;
  }();
  return all;
}

}  // namespace

const QImage& symbol_bitmap(int id) {
  static const QImage none;
  const auto& all = bitmaps();
  const auto it = all.find(id);
  return it == all.end() ? none : it->second;
}

int symbol_size(int id) { return symbol_bitmap(id).width(); }

int symbol_id_of(const QImage& image) {
  if (image.isNull()) return 0;
  for (const auto& [id, img] : bitmaps()) {
    if (img.cacheKey() == image.cacheKey()) return id;
  }
  return 0;
}

std::span<const int> symbol_ids() { return kIds; }

}  // namespace sdro
