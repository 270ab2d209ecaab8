// The page back-end over a QPaintDevice: the print mapping with y up,
// upright text, regions as paths, OR copies on white paper, PDF output.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "chart/surface/paint_device_surface.h"
#include "chart/surface/symbols.h"
#include "chart/surface/tests/surface_test_support.h"

namespace sdro {
namespace {

using test::at;
using test::bounds_of;
using test::count;

// An image as a page of one logical unit per pixel.
QImage page(int w, int h) {
  QImage img = test::filled_image(w, h, farbe::weiss);
  img.setDotsPerMeterX(3780);
  img.setDotsPerMeterY(3780);
  return img;
}

double units_per_mm(const QImage& img) { return img.logicalDpiX() / 25.4; }

TEST(Page, YUpMappingPutsNegativeYBelowTheTopEdge) {
  QImage img = page(200, 100);
  {
    PaintDeviceSurface s(img, PaintDeviceSurface::page_mapping(img, units_per_mm(img), true));
    EXPECT_NEAR(s.size().cx, 200, 1);
    EXPECT_NEAR(s.size().cy, 100, 1);
    s.set_pen(stock::null_pen);
    s.set_brush(stock::black_brush);
    s.rectangle(10, -20, 50, -60);
    s.fill_region(Region::ellipse(100, -10, 180, -90), stock::gray_brush);
    EXPECT_FALSE(s.flood_fill(5, -5, farbe::weiss, FloodMode::surface));
    EXPECT_FALSE(s.pixel(5, -5).has_value());
  }
  const PixelRect box = bounds_of(img, farbe::schwarz);
  EXPECT_NEAR(box.left, 10, 1);
  EXPECT_NEAR(box.top, 20, 1);
  EXPECT_NEAR(box.right, 50, 1);
  EXPECT_NEAR(box.bottom, 60, 1);
  // The disc as a smooth path covers about the area of its pixel spans.
  const double spans = static_cast<double>(Region::ellipse(0, 0, 80, 80).spans({0, 0, 80, 80}).area());
  int covered = 0;  // antialiased edge pixels count when at least half covered
  for (int y = 0; y < 100; ++y) {
    for (int x = 90; x < 200; ++x) covered += qGray(img.pixel(x, y)) < 192 ? 1 : 0;
  }
  EXPECT_NEAR(covered, spans, spans * 0.02);
}

TEST(Page, TextStaysUprightWhenYPointsUp) {
  test::ensure_gui();
  QImage img = page(200, 100);
  {
    PaintDeviceSurface s(img, PaintDeviceSurface::page_mapping(img, units_per_mm(img), true));
    s.set_font(FontSpec{"DejaVu Sans", 0, -40});
    s.set_text_colour(farbe::schwarz);
    s.set_background_mode(BackgroundMode::transparent);
    s.set_text_align(HAlign::left, VAlign::top);
    s.text_out(20, -10, "T");
  }
  // Gray levels from antialiasing count as ink.
  QImage ink = img.convertToFormat(QImage::Format_Grayscale8);
  int top = -1, widest_row = -1, widest = 0;
  for (int y = 0; y < ink.height(); ++y) {
    int n = 0;
    for (int x = 0; x < ink.width(); ++x) n += qGray(ink.pixel(x, y)) < 128 ? 1 : 0;
    if (n > 0 && top < 0) top = y;
    if (n > widest) {
      widest = n;
      widest_row = y;
    }
  }
  ASSERT_GE(top, 10);  // below the reference point
  EXPECT_LE(widest_row - top, 3);  // the bar of the T is at the top
}

TEST(Page, OrCopiesLeaveThePaperAroundTheFigure) {
  QImage img = page(40, 40);
  {
    PaintDeviceSurface s(img);
    s.draw_bitmap(10, 10, symbol_bitmap(235), RasterOp::bit_or);
  }
  EXPECT_EQ(count(img, farbe::schwarz), 0);
  EXPECT_LT(count(img, farbe::weiss), 40 * 40);
  EXPECT_EQ(at(img, 10, 18), farbe::weiss);  // a black pixel of the symbol
}

TEST(Page, WritesPdf) {
  test::ensure_gui();
  QTemporaryDir dir;
  const QString path = dir.filePath("chart.pdf");
  {
    QPdfWriter pdf(path);
    pdf.setResolution(600);
    PaintDeviceSurface s(pdf, PaintDeviceSurface::page_mapping(pdf, 10, true));
    s.set_pen(Pen::solid(farbe::schwarz));
    s.set_brush(Brush::hatched(Hatch::cross, farbe::schwarz));
    s.ellipse(100, -100, 1100, -1100);
    s.set_pen(Pen::dotted(farbe::schwarz));
    s.move_to(0, -1200);
    s.line_to(1800, -1200);
    s.text_out(100, -1300, "Horizontkarte");
  }
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(4) == "%PDF");
  EXPECT_GT(f.size(), 500);
}

}  // namespace
}  // namespace sdro
