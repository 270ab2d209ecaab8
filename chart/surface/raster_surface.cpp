// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/raster_surface.h"

#include "chart/surface/glyph_cache.h"
#include "chart/surface/raster_clip.h"
#include "chart/surface/scan_convert.h"
#include "chart/surface/text_layout.h"

namespace sdro {

RasterSurface::RasterSurface(QImage& image) : image_(&image) {
  if (image_->format() != QImage::Format_RGB32) image_->convertTo(QImage::Format_RGB32);
  width_ = image_->width();
  height_ = image_->height();
}

void RasterSurface::begin_pixels() {
  bits_ = reinterpret_cast<std::uint32_t*>(image_->bits());
  stride_ = image_->bytesPerLine() / 4;
}

const SpanSet* RasterSurface::clip_spans() {
  const auto& clip = state().clip;
  if (!clip) return nullptr;
  if (!clip_region_ || !clip_region_->same_shape(*clip)) {
    clip_ = clip->spans(bounds());
    clip_region_ = *clip;
  }
  return &clip_;
}

std::optional<tfarbe> RasterSurface::pixel(int x, int y) const {
  if (!bounds().contains(x, y)) return std::nullopt;
  const auto* line = reinterpret_cast<const std::uint32_t*>(image_->constScanLine(y));
  return tfarbe::from_rgb32(line[x]);
}

void RasterSurface::plot(int x, int y, std::uint32_t rgb32) {
  for_visible(y, x, x + 1, [&](int, int) { row(y)[x] = rgb32; });
}

void RasterSurface::paint_span(int y, int x0, int x1, const Brush& brush) {
  if (!brush.fills()) return;
  const std::uint32_t colour = brush.colour.to_rgb32();
  if (brush.style == BrushStyle::solid) {
    for_visible(y, x0, x1, [&](int a, int b) { std::fill(row(y) + a, row(y) + b, colour); });
    return;
  }
  const bool opaque = state().background_mode == BackgroundMode::opaque;
  const std::uint32_t back = state().background_colour.to_rgb32();
  for_visible(y, x0, x1, [&](int a, int b) {
    std::uint32_t* line = row(y);
    for (int x = a; x < b; ++x) {
      if (hatch_covers(brush.hatch, x, y)) {
        line[x] = colour;
      } else if (opaque) {
        line[x] = back;
      }
    }
  });
}

void RasterSurface::paint_spans(const SpanSet& spans, const Brush& brush) {
  for (int y = spans.top(); y < spans.bottom(); ++y) {
    for (const Span& s : spans.row(y)) paint_span(y, s.x0, s.x1, brush);
  }
}

void RasterSurface::do_polygon(std::span<const PixelPoint> points, FillMode mode) {
  begin_pixels();
  paint_spans(polygon_spans(points, mode, bounds()), state().brush);
  int phase = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    segment(points[i], points[(i + 1) % points.size()], phase);
  }
}

void RasterSurface::do_fill_rect(const PixelRect& box, const Brush& brush) {
  begin_pixels();
  for (int y = box.top; y < box.bottom; ++y) paint_span(y, box.left, box.right, brush);
}

void RasterSurface::do_fill_region(const Region& region, const Brush& brush) {
  begin_pixels();
  paint_spans(region.spans(bounds()), brush);
}

void RasterSurface::do_set_pixel(int x, int y, tfarbe colour) {
  begin_pixels();
  plot(x, y, colour.to_rgb32());
}

const GlyphFace& RasterSurface::face() const {
  if (face_ == nullptr || !(face_for_ == state().font)) {
    face_ = &GlyphFace::of(state().font);
    face_for_ = state().font;
  }
  return *face_;
}

Extent RasterSurface::text_extent(std::string_view text) const {
  const GlyphFace& glyphs = face();
  return {glyphs.width(code_points(text)), glyphs.metrics().height()};
}

FontMetrics RasterSurface::font_metrics() const { return face().metrics(); }

void RasterSurface::do_text(int x, int y, std::string_view text) {
  begin_pixels();
  const GlyphFace& glyphs = face();
  const std::u32string chars = code_points(text);
  const TextPlacement at = place_text(x, y, state().text_align, glyphs.width(chars), glyphs.metrics());
  if (state().background_mode == BackgroundMode::opaque) {
    do_fill_rect(at.cell, Brush::solid(state().background_colour));
  }
  const Brush ink = Brush::solid(state().text_colour);
  int pen_x = at.left;
  for (char32_t c : chars) {
    const Glyph& g = glyphs.glyph(c);
    for (int r = g.mask.top(); r < g.mask.bottom(); ++r) {
      for (const Span& s : g.mask.row(r)) {
        paint_span(at.baseline + r, pen_x + s.x0, pen_x + s.x1, ink);
      }
    }
    pen_x += g.advance;
  }
}

}  // namespace sdro
