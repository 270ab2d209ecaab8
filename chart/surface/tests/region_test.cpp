// Regions: span arithmetic, coverage equal to the drawn figures, the
// half-lit disc of the phase figures, and clipping.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "chart/surface/raster_surface.h"
#include "chart/surface/region.h"
#include "chart/surface/tests/surface_test_support.h"

namespace sdro {
namespace {

using test::count;

std::vector<Span> row_of(const SpanSet& s, int y) { return {s.row(y).begin(), s.row(y).end()}; }

TEST(SpanSet, RowsCombineByEachOperation) {
  SpanSet a(0);
  a.append_row({Span{0, 10}});
  a.append_row({Span{0, 5}});
  SpanSet b(0);
  b.append_row({Span{5, 15}});
  b.append_row({Span{5, 8}});
  b.append_row({Span{1, 2}});
  const struct {
    RegionOp op;
    std::vector<Span> row0, row1, row2;
  } cases[] = {
      {RegionOp::unite, {{0, 15}}, {{0, 8}}, {{1, 2}}},  // touching spans merge
      {RegionOp::intersect, {{5, 10}}, {}, {}},
      {RegionOp::subtract, {{0, 5}}, {{0, 5}}, {}},
      {RegionOp::exclusive, {{0, 5}, {10, 15}}, {{0, 8}}, {{1, 2}}},
  };
  for (const auto& c : cases) {
    const SpanSet r = combine(a, b, c.op);
    EXPECT_EQ(row_of(r, 0), c.row0) << static_cast<int>(c.op);
    EXPECT_EQ(row_of(r, 1), c.row1) << static_cast<int>(c.op);
    EXPECT_EQ(row_of(r, 2), c.row2) << static_cast<int>(c.op);
  }
}

bool apply(RegionOp op, bool a, bool b) {
  switch (op) {
    case RegionOp::unite: return a || b;
    case RegionOp::intersect: return a && b;
    case RegionOp::subtract: return a && !b;
    case RegionOp::exclusive: return a != b;
  }
  return false;
}

TEST(Region, CombinationsHoldPixelByPixel) {
  const PixelRect area{0, 0, 64, 64};
  std::vector<PixelPoint> profile;  // a wavy closed line like a local horizon
  for (int i = 0; i < 360; i += 5) {
    const double r = 20 + 6 * std::sin(i * 3.14159265 / 30);
    profile.push_back({32 + static_cast<int>(r * std::sin(i * 3.14159265 / 180)),
                       32 + static_cast<int>(r * std::cos(i * 3.14159265 / 180))});
  }
  const Region shapes[] = {Region::ellipse(1, 1, 63, 63), Region::polygon(profile),
                           Region::rectangle(20, -5, 70, 40), Region::ellipse(10, 20, 50, 30)};
  for (const Region& a : shapes) {
    for (const Region& b : shapes) {
      for (RegionOp op : {RegionOp::unite, RegionOp::intersect, RegionOp::subtract,
                          RegionOp::exclusive}) {
        const SpanSet sa = a.spans(area);
        const SpanSet sb = b.spans(area);
        const SpanSet r = a.combined(b, op).spans(area);
        for (int y = 0; y < 64; ++y) {
          for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(r.contains(x, y), apply(op, sa.contains(x, y), sb.contains(x, y)))
                << "op " << static_cast<int>(op) << " at " << x << "," << y;
          }
        }
      }
    }
  }
}

TEST(Region, EllipticRegionCoversThePixelsOfTheDrawnEllipse) {
  QImage drawn = test::filled_image(40, 40, farbe::schwarz);
  QImage filled = drawn;
  RasterSurface a(drawn);
  a.set_pen(stock::null_pen);
  a.set_brush(stock::white_brush);
  RasterSurface b(filled);
  for (const PixelRect box : {PixelRect{3, 4, 31, 25}, PixelRect{0, 0, 7, 7}, PixelRect{5, 5, 6, 20}}) {
    drawn.fill(0);
    filled.fill(0);
    a.ellipse(box.left, box.top, box.right, box.bottom);
    b.fill_region(Region::ellipse(box.left, box.top, box.right, box.bottom), stock::white_brush);
    EXPECT_EQ(drawn, filled);
  }
}

TEST(Region, HalfLitDiscHasHalfThePixels) {
  // Disc minus one half, the removed half of the phase figure.
  const PixelRect all{0, 0, 100, 100};
  for (int d : {10, 11, 30, 57}) {
    const Region disc = Region::ellipse(0, 0, d, d);
    const long long whole = disc.spans(all).area();
    const Region left = disc - Region::rectangle(d / 2, 0, d, d);
    const Region right = disc & Region::rectangle(d / 2, 0, d, d);
    if (d % 2 == 0) {
      EXPECT_EQ(2 * left.spans(all).area(), whole) << d;
    }
    EXPECT_EQ(left.spans(all).area() + right.spans(all).area(), whole) << d;
    EXPECT_EQ(combine(left.spans(all), right.spans(all), RegionOp::intersect).area(), 0);
  }
  // Crescent: the lit part of a disc minus the terminator ellipse on one side.
  const Region disc = Region::ellipse(0, 0, 40, 40);
  const Region terminator = Region::ellipse(12, 0, 28, 40);
  const Region lit = (disc - terminator) - Region::rectangle(20, 0, 40, 40);
  const SpanSet s = lit.spans(all);
  EXPECT_TRUE(s.contains(2, 20));
  EXPECT_FALSE(s.contains(15, 20));  // inside the terminator
  EXPECT_FALSE(s.contains(35, 20));  // the removed half
  // An empty terminator (width 0) removes nothing.
  EXPECT_EQ((disc - Region::rectangle(20, 0, 20, 40)).spans(all).area(), disc.spans(all).area());
}

TEST(Region, ClipLimitsEveryPrimitiveAndIsRestored) {
  QImage img = test::filled_image(40, 40, farbe::schwarz);
  RasterSurface s(img);
  const Region clip = Region::ellipse(10, 10, 30, 30);
  const long long clip_area = clip.spans({0, 0, 40, 40}).area();
  {
    StateGuard guard(s);
    s.set_clip(clip);
    s.fill_rect(0, 0, 40, 40, stock::white_brush);
    EXPECT_EQ(count(img, farbe::weiss), clip_area);
    s.set_pen(Pen::solid(farbe::rot));
    s.move_to(0, 20);
    s.line_to(40, 20);
    EXPECT_EQ(count(img, farbe::rot), 20);
    s.set_pixel(1, 1, farbe::rot);
    EXPECT_EQ(count(img, farbe::rot), 20);
  }
  EXPECT_FALSE(s.state().clip.has_value());
  s.fill_rect(0, 0, 40, 40, stock::white_brush);
  EXPECT_EQ(count(img, farbe::weiss), 1600);
}

}  // namespace
}  // namespace sdro
