// The recording surface: what it keeps of each call, fixed text metrics,
// and saving and restoring the settings.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "chart/surface/recording_surface.h"
#include "chart/surface/symbols.h"

namespace sdro {
namespace {

TEST(Recording, KeepsCallsWithTheirSettings) {
  RecordingSurface r;
  r.set_pen(Pen::dotted(farbe::rot));
  r.set_brush(stock::null_brush);
  r.ellipse(12, 12, -12, -12);  // normalised before recording
  r.set_pen(Pen::solid(farbe::gelb, 2));
  r.move_to(1, 2);
  r.line_to(3, 4);
  const PixelPoint track[] = {{0, 0}, {5, 5}, {9, 1}};
  r.polyline(track);
  r.draw_bitmap(20, 30, symbol_bitmap(233), RasterOp::bit_or);
  r.fill_region(Region::ellipse(0, 0, 10, 10) - Region::rectangle(5, 0, 10, 10),
                stock::gray_brush);

  ASSERT_EQ(r.calls().size(), 5u);
  EXPECT_EQ(describe(r.calls()[0]), "ellipse -12 -12 12 12");
  EXPECT_EQ(r.calls()[0].state.pen, Pen::dotted(farbe::rot));
  EXPECT_EQ(describe(r.calls()[1]), "line 1 2 3 4");
  EXPECT_EQ(r.calls()[1].state.pen.width, 2);
  EXPECT_EQ(describe(r.calls()[2]), "polyline 0 0 5 5 9 1");
  const DrawCall& blit = r.calls()[3];
  EXPECT_EQ(describe(blit), "bit_blt 20 30 7 7 0 0");
  EXPECT_EQ(blit.raster_op, RasterOp::bit_or);
  EXPECT_EQ(symbol_id_of(blit.image), 233);
  const DrawCall& fill = r.calls()[4];
  EXPECT_EQ(fill.brush, stock::gray_brush);
  ASSERT_TRUE(fill.region.has_value());
  EXPECT_EQ(fill.region->spans({0, 0, 10, 10}).bounds().right, 5);
  EXPECT_EQ(r.calls_of(DrawOp::line).size(), 1u);
}

TEST(Recording, TextCellsUseFixedMetrics) {
  RecordingSurface r;
  FontSpec f;
  f.height = -10;  // p = 10: ascent 8, descent 2, characters 5 wide
  r.set_font(f);
  r.set_text_colour(farbe::grau);
  const struct {
    TextAlign align;
    PixelRect cell;
  } cases[] = {
      {{HAlign::left, VAlign::top}, {100, 50, 120, 60}},
      {{HAlign::centre, VAlign::baseline}, {90, 42, 110, 52}},
      {{HAlign::right, VAlign::bottom}, {80, 40, 100, 50}},
  };
  for (const auto& c : cases) {
    r.clear();
    r.set_text_align(c.align);
    r.text_out(100, 50, "Mars");
    ASSERT_EQ(r.calls().size(), 1u);
    EXPECT_EQ(r.calls()[0].text_cell, c.cell);
    EXPECT_EQ(r.calls()[0].colour, farbe::grau);
  }
  EXPECT_EQ(r.text_extent("Südl.").cx, 25);  // characters, not bytes
  r.clear();
  r.text_out(0, 0, "");
  EXPECT_TRUE(r.calls().empty());
}

TEST(Recording, StateGuardRestoresEverySetting) {
  RecordingSurface r;
  r.set_pen(Pen::solid(farbe::rot));
  r.set_text_align(HAlign::centre, VAlign::bottom);
  {
    StateGuard g(r);
    r.set_pen(stock::null_pen);
    r.set_text_align(HAlign::right, VAlign::top);
    r.set_background_mode(BackgroundMode::transparent);
    r.set_clip(Region::rectangle(0, 0, 4, 4));
    r.move_to(7, 7);
  }
  EXPECT_EQ(r.pen(), Pen::solid(farbe::rot));
  EXPECT_EQ(r.state().text_align, (TextAlign{HAlign::centre, VAlign::bottom}));
  EXPECT_EQ(r.state().background_mode, BackgroundMode::opaque);
  EXPECT_FALSE(r.state().clip.has_value());
  EXPECT_EQ(r.state().position, (PixelPoint{0, 0}));
  r.restore_state();  // unmatched: harmless
  EXPECT_EQ(r.pen(), Pen::solid(farbe::rot));
}

}  // namespace
}  // namespace sdro
