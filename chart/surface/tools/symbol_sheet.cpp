// Writes a sheet of every star image and body symbol: enlarged with their
// numbers, and at true size OR-copied onto black and onto a sky colour.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <string>

#include "chart/surface/raster_surface.h"
#include "chart/surface/symbols.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: surface_symbol_sheet <out.png>\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                  : qgetenv("QT_QPA_PLATFORM"));
  QGuiApplication app(argc, argv);
  using namespace sdro;
  constexpr int kZoom = 10;
  constexpr int kCell = 14 * kZoom;
  const auto ids = symbol_ids();
  const int columns = 8;
  const int rows = (static_cast<int>(ids.size()) + columns - 1) / columns;
  QImage sheet(columns * kCell, rows * kCell + 80, QImage::Format_RGB32);
  RasterSurface s(sheet);
  s.fill_rect(0, 0, sheet.width(), sheet.height(), Brush::solid(tfarbe::rgb(40, 40, 40)));
  s.set_background_mode(BackgroundMode::transparent);
  s.set_text_colour(tfarbe::rgb(230, 230, 230));
  s.set_font(FontSpec{"DejaVu Sans", 10, 0});
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const int id = ids[i];
    const QImage& img = symbol_bitmap(id);
    const int cx = static_cast<int>(i % columns) * kCell;
    const int cy = static_cast<int>(i / columns) * kCell;
    const int size = img.width();
    const int ox = cx + (kCell - size * kZoom) / 2;
    const int oy = cy + 20 + (kCell - 20 - size * kZoom) / 2;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const tfarbe c = tfarbe::from_rgb32(img.pixel(x, y));
        s.fill_rect(ox + x * kZoom, oy + y * kZoom, ox + (x + 1) * kZoom - 1,
                    oy + (y + 1) * kZoom - 1, Brush::solid(c));
      }
    }
    s.text_out(cx + 4, cy + 2, std::to_string(id) + " (" + std::to_string(size) + ")");
  }
  // True size: on black and on the twilight sky colour.
  const int y0 = rows * kCell + 10;
  s.fill_rect(0, y0, sheet.width() / 2, y0 + 60, stock::black_brush);
  s.fill_rect(sheet.width() / 2, y0, sheet.width(), y0 + 60,
              Brush::solid(tfarbe::rgb(58, 48, 80)));
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const int x = 10 + static_cast<int>(i) * 22;
    s.draw_bitmap(x, y0 + 20, symbol_bitmap(ids[i]), RasterOp::bit_or);
    s.draw_bitmap(sheet.width() / 2 + x, y0 + 20, symbol_bitmap(ids[i]), RasterOp::bit_or);
  }
  if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
