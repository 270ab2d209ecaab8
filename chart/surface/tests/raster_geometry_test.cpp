// Pixel geometry of the raster surface: exclusive right and bottom edges,
// outlines inside the box, line end points, dotted pens, wide pens, polygons.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "chart/surface/raster_surface.h"
#include "chart/surface/tests/surface_test_support.h"

namespace sdro {
namespace {

using test::at;
using test::bounds_of;
using test::count;
using test::picture;

constexpr tfarbe kPaper = farbe::weiss;
constexpr tfarbe kInk = farbe::schwarz;
constexpr tfarbe kFill = farbe::rot;

class RasterGeometry : public ::testing::Test {
 protected:
  RasterGeometry() : image(test::filled_image(40, 40, kPaper)), s(image) {
    s.set_pen(Pen::solid(kInk));
    s.set_brush(Brush::solid(kFill));
  }
  // Everything that is not paper.
  PixelRect drawn() const {
    QImage marked = image;
    for (int y = 0; y < marked.height(); ++y) {
      for (int x = 0; x < marked.width(); ++x) {
        if (at(marked, x, y) != kPaper) marked.setPixel(x, y, kInk.to_rgb32());
      }
    }
    return bounds_of(marked, kInk);
  }
  QImage image;
  RasterSurface s;
};

TEST_F(RasterGeometry, BoxesExcludeTheirRightAndBottomEdges) {
  s.rectangle(0, 0, 10, 10);
  EXPECT_EQ(drawn(), (PixelRect{0, 0, 10, 10}));
  EXPECT_EQ(count(image, kInk), 36);  // the one-pixel frame
  EXPECT_EQ(count(image, kFill), 64);

  image.fill(kPaper.to_rgb32());
  s.rectangle(12, 14, 2, 4);  // reversed corners describe the same box
  EXPECT_EQ(drawn(), (PixelRect{2, 4, 12, 14}));

  image.fill(kPaper.to_rgb32());
  s.fill_rect(2, 3, 7, 5, Brush::solid(kFill));
  EXPECT_EQ(drawn(), (PixelRect{2, 3, 7, 5}));
  EXPECT_EQ(count(image, kFill), 10);

  for (int size : {1, 2, 3, 5, 10, 17, 30}) {
    image.fill(kPaper.to_rgb32());
    s.ellipse(4, 5, 4 + size, 5 + size);
    EXPECT_EQ(drawn(), (PixelRect{4, 5, 4 + size, 5 + size})) << "circle of " << size;
  }
  image.fill(kPaper.to_rgb32());
  s.ellipse(5, 5, 5, 9);  // no width, no pixels
  s.rectangle(5, 5, 9, 5);
  EXPECT_TRUE(drawn().empty());
}

TEST_F(RasterGeometry, EllipsesAreSymmetricWithAThinRimAroundTheFill) {
  for (int w = 1; w <= 24; w += 3) {
    for (int h = 1; h <= 24; h += 4) {
      image.fill(kPaper.to_rgb32());
      s.ellipse(3, 3, 3 + w, 3 + h);
      const std::string pic = picture(image, kPaper, {2, 2, 5 + w, 5 + h});
      for (int y = 3; y < 3 + h; ++y) {
        for (int x = 3; x < 3 + w; ++x) {
          const tfarbe c = at(image, x, y);
          ASSERT_EQ(c, at(image, 3 + w - 1 - (x - 3), y)) << w << "x" << h << pic;
          ASSERT_EQ(c, at(image, x, 3 + h - 1 - (y - 3))) << w << "x" << h << pic;
          if (c != kFill) continue;
          // The fill never touches the outside: the rim closes it.
          for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            ASSERT_NE(at(image, x + dx, y + dy), kPaper) << w << "x" << h << pic;
          }
        }
      }
    }
  }
}

TEST_F(RasterGeometry, WithoutPenTheBrushCoversTheWholeFigure) {
  s.ellipse(0, 0, 21, 15);
  const int with_pen = count(image, kInk) + count(image, kFill);
  image.fill(kPaper.to_rgb32());
  s.set_pen(stock::null_pen);
  s.ellipse(0, 0, 21, 15);
  EXPECT_EQ(count(image, kFill), with_pen);
  EXPECT_EQ(count(image, kInk), 0);

  image.fill(kPaper.to_rgb32());
  s.set_pen(Pen::solid(kInk));
  s.set_brush(stock::null_brush);
  s.rectangle(0, 0, 10, 10);
  EXPECT_EQ(count(image, kInk), 36);
  EXPECT_EQ(count(image, kPaper), 40 * 40 - 36);
}

TEST_F(RasterGeometry, WidePensFrameInsideTheBox) {
  s.set_pen(Pen::solid(kInk, 3));
  s.rectangle(0, 0, 20, 20);
  EXPECT_EQ(drawn(), (PixelRect{0, 0, 20, 20}));
  EXPECT_EQ(count(image, kInk), 20 * 20 - 14 * 14);
  image.fill(kPaper.to_rgb32());
  s.ellipse(0, 0, 30, 30);
  EXPECT_EQ(drawn(), (PixelRect{0, 0, 30, 30}));
  EXPECT_EQ(at(image, 1, 15), kInk);  // three pixels of rim on the left
  EXPECT_EQ(at(image, 2, 15), kInk);
  EXPECT_EQ(at(image, 3, 15), kFill);
}

TEST_F(RasterGeometry, LinesLeaveOutTheirLastPixel) {
  const struct {
    PixelPoint from, to;
    int pixels;
  } cases[] = {{{2, 2}, {8, 2}, 6}, {{8, 2}, {2, 2}, 6},   {{3, 1}, {3, 9}, 8},
               {{2, 2}, {7, 7}, 5}, {{1, 1}, {20, 6}, 19}, {{30, 2}, {28, 30}, 28},
               {{5, 5}, {5, 5}, 0}};
  for (const auto& c : cases) {
    image.fill(kPaper.to_rgb32());
    s.move_to(c.from.x, c.from.y);
    s.line_to(c.to.x, c.to.y);
    EXPECT_EQ(count(image, kInk), c.pixels);
    EXPECT_EQ(at(image, c.to.x, c.to.y), kPaper);
    if (c.pixels > 0) {
      EXPECT_EQ(at(image, c.from.x, c.from.y), kInk);
    }
  }
  // A polyline draws its inner vertices once and leaves out only the last point.
  image.fill(kPaper.to_rgb32());
  const PixelPoint zigzag[] = {{2, 2}, {10, 2}, {10, 10}, {2, 10}};
  s.polyline(zigzag);
  EXPECT_EQ(count(image, kInk), 24);
  EXPECT_EQ(at(image, 10, 2), kInk);
  EXPECT_EQ(at(image, 2, 10), kPaper);
}

TEST_F(RasterGeometry, LinesFarOutsideKeepTheirPixelsInside) {
  // The same line drawn on a wide image shifted by 400 pixels: the visible
  // part must be identical, however far the end points lie outside.
  QImage wide = test::filled_image(900, 40, kPaper);
  RasterSurface w(wide);
  w.set_pen(Pen::solid(kInk));
  const PixelPoint a{-380, -3};
  const PixelPoint b{470, 37};
  w.move_to(a.x + 400, a.y);
  w.line_to(b.x + 400, b.y);
  s.move_to(a.x, a.y);
  s.line_to(b.x, b.y);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) ASSERT_EQ(at(image, x, y), at(wide, x + 400, y)) << x << "," << y;
  }
  EXPECT_GT(count(image, kInk), 0);
  image.fill(kPaper.to_rgb32());
  s.move_to(-32000, -500);
  s.line_to(32000, -400);  // entirely above the image
  s.move_to(-31999, -31999);
  s.line_to(31999, 31999);  // crosses the image corner to corner
  EXPECT_EQ(count(image, kInk), 40);
}

TEST_F(RasterGeometry, DottedPensAlternateAndContinueOverLineTo) {
  s.set_pen(Pen::dotted(kInk));
  s.set_background_mode(BackgroundMode::transparent);
  s.move_to(0, 5);
  s.line_to(3, 5);
  s.line_to(20, 5);
  for (int x = 0; x < 20; ++x) {
    const bool dot = x % (kDotOn + kDotOff) < kDotOn;
    EXPECT_EQ(at(image, x, 5), dot ? kInk : kPaper) << x;
  }
  EXPECT_EQ(at(image, 20, 5), kPaper);

  // Opaque mode paints the gaps with the background colour.
  s.set_background_mode(BackgroundMode::opaque);
  s.set_background_colour(farbe::gelb);
  s.move_to(0, 8);
  s.line_to(20, 8);
  EXPECT_EQ(count(image, kInk), 20 * kDotOn / (kDotOn + kDotOff) * 2);
  EXPECT_EQ(at(image, 1, 8), farbe::gelb);

  // A dotted circle sets about the dot share of the solid rim.
  image.fill(kPaper.to_rgb32());
  s.set_pen(Pen::solid(kInk));
  s.set_brush(stock::null_brush);
  s.ellipse(2, 2, 38, 38);
  const int rim = count(image, kInk);
  image.fill(kPaper.to_rgb32());
  s.set_pen(Pen::dotted(kInk));
  s.set_background_mode(BackgroundMode::transparent);
  s.ellipse(2, 2, 38, 38);
  EXPECT_NEAR(count(image, kInk), rim * kDotOn / (kDotOn + kDotOff), 2);
}

TEST_F(RasterGeometry, WideLinesCoverBothEndsWithRoundCaps) {
  s.set_pen(Pen::solid(kInk, 3));
  s.move_to(10, 10);
  s.line_to(30, 10);
  EXPECT_EQ(drawn(), (PixelRect{9, 9, 32, 12}));
  // A dotted pen wider than one pixel draws solid.
  image.fill(kPaper.to_rgb32());
  s.set_pen(Pen{PenStyle::dotted, 3, kInk});
  s.move_to(10, 10);
  s.line_to(30, 10);
  EXPECT_EQ(count(image, kInk), 23 * 3);
}

TEST_F(RasterGeometry, PolygonsFillByRuleAndMatchRectangles) {
  s.set_pen(stock::null_pen);
  const PixelPoint square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  s.polygon(square);
  EXPECT_EQ(drawn(), (PixelRect{0, 0, 10, 10}));
  EXPECT_EQ(count(image, kFill), 100);

  // A pentagram: its inner pentagon is outside by the alternate rule and
  // inside by the winding rule.
  const PixelPoint star[] = {{20, 2}, {31, 36}, {2, 15}, {38, 15}, {9, 36}};
  image.fill(kPaper.to_rgb32());
  s.polygon(star, FillMode::alternate);
  EXPECT_EQ(at(image, 20, 21), kPaper);
  EXPECT_EQ(at(image, 20, 6), kFill);
  s.polygon(star, FillMode::winding);
  EXPECT_EQ(at(image, 20, 21), kFill);

  // The outline runs through every vertex.
  image.fill(kPaper.to_rgb32());
  s.set_pen(Pen::solid(kInk));
  s.polygon(square);
  for (const PixelPoint& p : {PixelPoint{0, 0}, {10, 0}, {10, 10}, {0, 10}}) {
    EXPECT_EQ(at(image, p.x, p.y), kInk) << p.x << "," << p.y;
  }
}

TEST_F(RasterGeometry, PixelsReadBackAndStayInsideTheImage) {
  s.set_pixel(3, 4, farbe::gelb);
  s.set_pixel(-1, 4, farbe::gelb);
  s.set_pixel(40, 4, farbe::gelb);
  EXPECT_EQ(s.pixel(3, 4), farbe::gelb);
  EXPECT_EQ(count(image, farbe::gelb), 1);
  EXPECT_FALSE(s.pixel(40, 0).has_value());
  EXPECT_FALSE(s.pixel(0, -1).has_value());
  EXPECT_EQ(s.size(), (Extent{40, 40}));
}

}  // namespace
}  // namespace sdro
