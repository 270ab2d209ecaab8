// Bit-block copies and the program's star and body bitmaps.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "chart/surface/raster_surface.h"
#include "chart/surface/symbols.h"
#include "chart/surface/tests/surface_test_support.h"

namespace sdro {
namespace {

using test::at;
using test::count;

TEST(BitBlt, OrShowsTheFigureOnBlackAndBrightensColour) {
  QImage src = test::filled_image(3, 3, farbe::schwarz);
  src.setPixel(1, 1, tfarbe::rgb(0, 0, 200).to_rgb32());
  src.setPixel(0, 0, tfarbe::rgb(255, 255, 255).to_rgb32());

  QImage black = test::filled_image(10, 10, farbe::schwarz);
  RasterSurface b(black);
  b.draw_bitmap(4, 4, src, RasterOp::bit_or);
  EXPECT_EQ(at(black, 5, 5), tfarbe::rgb(0, 0, 200));
  EXPECT_EQ(at(black, 4, 4), farbe::weiss);
  EXPECT_EQ(count(black, farbe::schwarz), 98);

  const tfarbe sky = tfarbe::rgb(58, 48, 80);
  QImage coloured = test::filled_image(10, 10, sky);
  RasterSurface c(coloured);
  c.draw_bitmap(4, 4, src, RasterOp::bit_or);
  EXPECT_EQ(at(coloured, 5, 5), tfarbe::rgb(58, 48, 80 | 200));
  EXPECT_EQ(at(coloured, 6, 6), sky);  // black source pixels leave the sky
  EXPECT_EQ(at(coloured, 4, 4), farbe::weiss);

  c.draw_bitmap(0, 0, src, RasterOp::copy);
  EXPECT_EQ(at(coloured, 2, 2), farbe::schwarz);
  c.draw_bitmap(0, 0, src, RasterOp::inverted_copy);
  EXPECT_EQ(at(coloured, 2, 2), farbe::weiss);
  EXPECT_EQ(at(coloured, 0, 0), farbe::schwarz);
}

TEST(BitBlt, CopiesArePartOfTheSourceAndCutAtTheEdges) {
  QImage src = test::filled_image(4, 4, farbe::rot);
  QImage dst = test::filled_image(10, 10, farbe::schwarz);
  RasterSurface s(dst);
  s.bit_blt(-2, -2, 4, 4, src, 0, 0, RasterOp::copy);  // only 2 × 2 inside
  EXPECT_EQ(count(dst, farbe::rot), 4);
  s.bit_blt(8, 8, 9, 9, src, 0, 0, RasterOp::copy);  // larger than the source
  EXPECT_EQ(count(dst, farbe::rot), 8);
  s.bit_blt(4, 4, 2, 3, src, 3, 0, RasterOp::copy);  // source cut at its right edge
  EXPECT_EQ(count(dst, farbe::rot), 11);
  s.set_clip(Region::rectangle(0, 0, 5, 10));
  s.bit_blt(3, 0, 4, 1, src, 0, 0, RasterOp::copy);
  EXPECT_EQ(count(dst, farbe::rot), 13);
}

TEST(Symbols, StarsAndBodiesHaveTheirSizesAndAreLightOnBlack) {
  const int star_sizes[] = {9, 9, 7, 7, 7, 5, 5, 3, 3, 3, 1, 1, 1};
  for (int k = 0; k < 13; ++k) {
    EXPECT_EQ(symbol_size(194 + k), star_sizes[k]) << 194 + k;
    EXPECT_EQ(symbol_half_size(194 + k), star_sizes[k] / 2);
  }
  const struct {
    int id, size;
  } bodies[] = {{231, 5}, {232, 7}, {233, 7}, {234, 7}, {235, 9},
                {236, 7}, {237, 7}, {238, 5}, {240, 5}, {241, 13}};
  for (const auto& b : bodies) EXPECT_EQ(symbol_size(b.id), b.size) << b.id;
  for (int none : {193, 207, 230, 239, 242}) {
    EXPECT_TRUE(symbol_bitmap(none).isNull()) << none;
    EXPECT_EQ(symbol_id_of(symbol_bitmap(none)), 0);
  }
  for (int id : symbol_ids()) {
    const QImage& img = symbol_bitmap(id);
    ASSERT_EQ(img.width(), img.height());
    int lit = 0;
    int brightest = 0;
    for (int y = 0; y < img.height(); ++y) {
      for (int x = 0; x < img.width(); ++x) {
        const tfarbe c = at(img, x, y);
        lit += c == farbe::schwarz ? 0 : 1;
        brightest = std::max(brightest, std::max({c.red(), c.green(), c.blue()}));
      }
    }
    EXPECT_GT(lit, 0) << id;
    EXPECT_GE(brightest, 150) << id;
    if (img.width() >= 5) {
      EXPECT_LT(lit, img.width() * img.height()) << id << " has no black background";
    }
    EXPECT_EQ(symbol_id_of(img), id);
  }
  // Brighter classes are not smaller or darker than fainter ones.
  EXPECT_GE(qGray(symbol_bitmap(204).pixel(0, 0)), qGray(symbol_bitmap(206).pixel(0, 0)));
}

}  // namespace
}  // namespace sdro
