// Flood fill and bit-block copies on the raster surface.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>

#include "chart/surface/flood_fill.h"
#include "chart/surface/raster_clip.h"
#include "chart/surface/raster_surface.h"

namespace sdro {

namespace {

constexpr std::uint32_t kRgbMask = 0x00ffffffu;

std::uint32_t combine(std::uint32_t dst, std::uint32_t src, RasterOp op) {
  switch (op) {
    case RasterOp::copy: return src;
    case RasterOp::bit_or: return dst | src;
    case RasterOp::bit_and: return dst & src;
    case RasterOp::bit_xor: return dst ^ src;
    case RasterOp::inverted_copy: return ~src;
  }
  return src;
}

}  // namespace

bool RasterSurface::do_flood_fill(int x, int y, tfarbe colour, FloodMode mode) {
  begin_pixels();
  const std::uint32_t target = colour.to_rgb32() & kRgbMask;
  const SpanSet* clip = clip_spans();
  const auto fillable = [&](int px, int py) {
    if (clip != nullptr && !clip->contains(px, py)) return false;
    const bool same = (row(py)[px] & kRgbMask) == target;
    return mode == FloodMode::surface ? same : !same;
  };
  const SpanSet area = flood_area(width_, height_, x, y, fillable, flood_mask_);
  if (area.empty()) return false;
  paint_spans(area, state().brush);
  return true;
}

void RasterSurface::do_bit_blt(int x, int y, int w, int h, const QImage& source_in, int sx,
                               int sy, RasterOp op) {
  begin_pixels();
  const QImage source = source_in.format() == QImage::Format_RGB32 ||
                                source_in.format() == QImage::Format_ARGB32
                            ? source_in
                            : source_in.convertToFormat(QImage::Format_RGB32);
  // Limit to the source image.
  if (sx < 0) {
    x -= sx;
    w += sx;
    sx = 0;
  }
  if (sy < 0) {
    y -= sy;
    h += sy;
    sy = 0;
  }
  w = std::min(w, source.width() - sx);
  h = std::min(h, source.height() - sy);
  for (int r = 0; r < h; ++r) {
    const int dy = y + r;
    const auto* src = reinterpret_cast<const std::uint32_t*>(source.constScanLine(sy + r));
    for_visible(dy, x, x + w, [&](int a, int b) {
      std::uint32_t* dst = row(dy);
      for (int dx = a; dx < b; ++dx) {
        dst[dx] = 0xff000000u | (combine(dst[dx], src[sx + dx - x], op) & kRgbMask);
      }
    });
  }
}

}  // namespace sdro
