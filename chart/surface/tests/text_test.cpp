// Text on the raster surface: alignment of the reference point, colour,
// opaque background and extents.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "chart/surface/glyph_cache.h"
#include "chart/surface/raster_surface.h"
#include "chart/surface/tests/surface_test_support.h"

namespace sdro {
namespace {

using test::bounds_of;
using test::count;

constexpr tfarbe kPaper = farbe::schwarz;
constexpr tfarbe kInk = farbe::gelb;

class RasterText : public ::testing::Test {
 protected:
  RasterText() {
    test::ensure_gui();
    image = test::filled_image(200, 120, kPaper);
    s = std::make_unique<RasterSurface>(image);
    s->set_font(FontSpec{"DejaVu Sans", 0, -16});
    s->set_text_colour(kInk);
    s->set_background_mode(BackgroundMode::transparent);
  }
  PixelRect ink_of(std::string_view text, TextAlign align, PixelPoint at = {100, 60}) {
    image.fill(kPaper.to_rgb32());
    s->set_text_align(align);
    s->text_out(at.x, at.y, text);
    return bounds_of(image, kInk);
  }
  QImage image;
  std::unique_ptr<RasterSurface> s;
};

TEST_F(RasterText, ReferencePointFollowsTheAlignment) {
  const FontMetrics m = s->font_metrics();
  const int w = s->text_extent("HTH").cx;
  ASSERT_GT(w, 10);
  const PixelRect base = ink_of("HTH", {HAlign::left, VAlign::baseline});
  // Capitals stand on the baseline and start at the reference point.
  EXPECT_EQ(base.bottom, 60);
  EXPECT_GE(base.left, 100);
  EXPECT_LE(base.left, 102);
  const struct {
    TextAlign align;
    int dx, dy;
  } cases[] = {
      {{HAlign::left, VAlign::top}, 0, m.ascent},
      {{HAlign::left, VAlign::bottom}, 0, -m.descent},
      {{HAlign::right, VAlign::baseline}, -w, 0},
      {{HAlign::centre, VAlign::baseline}, -(w / 2), 0},
      {{HAlign::centre, VAlign::top}, -(w / 2), m.ascent},
      {{HAlign::right, VAlign::bottom}, -w, -m.descent},
  };
  for (const auto& c : cases) {
    const PixelRect ink = ink_of("HTH", c.align);
    EXPECT_EQ(ink.left, base.left + c.dx) << static_cast<int>(c.align.h) << static_cast<int>(c.align.v);
    EXPECT_EQ(ink.top, base.top + c.dy) << static_cast<int>(c.align.h) << static_cast<int>(c.align.v);
  }
}

TEST_F(RasterText, GlyphsAreAliasedInTheTextColour) {
  ink_of("Sidaro 3.0 Äquator", {});
  const int ink = count(image, kInk);
  EXPECT_GT(ink, 50);
  EXPECT_EQ(ink + count(image, kPaper), 200 * 120);  // no blended pixels
}

TEST_F(RasterText, OpaqueBackgroundFillsTheCell) {
  s->set_background_mode(BackgroundMode::opaque);
  s->set_background_colour(farbe::dunkelblau);
  s->set_text_align(HAlign::left, VAlign::top);
  s->text_out(10, 20, "Mars");
  const Extent e = s->text_extent("Mars");
  EXPECT_EQ(e.cy, s->font_metrics().height());
  EXPECT_EQ(count(image, farbe::dunkelblau) + count(image, kInk), e.cx * e.cy);
  QImage marked = image;
  marked.fill(kPaper.to_rgb32());
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != kPaper.to_rgb32()) marked.setPixel(x, y, kInk.to_rgb32());
    }
  }
  EXPECT_EQ(bounds_of(marked, kInk), (PixelRect{10, 20, 10 + e.cx, 20 + e.cy}));
}

TEST_F(RasterText, FontSizesAndExtents) {
  EXPECT_LT(s->text_extent("M").cx, s->text_extent("MMMM").cx);
  EXPECT_EQ(s->text_extent("").cx, 0);
  s->set_font(FontSpec{"DejaVu Sans", 0, 30});  // a cell height
  EXPECT_NEAR(s->font_metrics().height(), 30, 1);
  s->set_font(FontSpec{"DejaVu Sans", 12, 0});  // points at 96 dots per inch
  EXPECT_NEAR(s->font_metrics().height(), 19, 2);
  const int regular = s->text_extent("Jupiter").cx;
  FontSpec bold{"DejaVu Sans", 12, 0};
  bold.bold = true;
  s->set_font(bold);
  EXPECT_GT(s->text_extent("Jupiter").cx, regular);
}

TEST_F(RasterText, TextIsMeasuredAndDrawnByCharacters) {
  // Extents add up by characters, multi-byte ones included.
  EXPECT_EQ(s->text_extent("Ä").cx + s->text_extent("quator 15°").cx,
            s->text_extent("Äquator 15°").cx);
  const struct {
    std::string_view utf8;
    std::u32string chars;
  } cases[] = {{"Süd", U"Süd"}, {"15°", U"15°"}, {"\xE2\x82\xAC", U"€"},
               {"a\xFF" "b", U"a\uFFFDb"}, {"\xC3", U"\uFFFD"}};
  for (const auto& c : cases) EXPECT_EQ(code_points(c.utf8), c.chars) << c.utf8;
  // Text obeys the clip like every other drawing.
  s->set_clip(Region::rectangle(0, 0, 100, 120));
  ink_of("MMMMMMMMMM", {HAlign::centre, VAlign::baseline});
  EXPECT_LE(bounds_of(image, kInk).right, 100);
  EXPECT_GT(count(image, kInk), 0);
}

}  // namespace
}  // namespace sdro
