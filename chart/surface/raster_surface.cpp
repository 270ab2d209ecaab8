// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/raster_surface.h"

#include <QPainter>
#include <QPainterPath>

#include "chart/surface/qt_convert.h"
#include "chart/surface/raster_clip.h"
#include "chart/surface/scan_convert.h"
#include "chart/surface/text_layout.h"

namespace sdro {

namespace {
constexpr double kScreenDotsPerInch = 96.0;
}  // namespace

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

const QFont& RasterSurface::qfont() const {
  if (!font_for_ || !(*font_for_ == state().font)) {
    font_ = make_qfont(state().font, font_pixel_size(state().font, kScreenDotsPerInch), true);
    font_for_ = state().font;
  }
  return font_;
}

Extent RasterSurface::text_extent(std::string_view text) const {
  const QFontMetrics m(qfont());
  return {m.horizontalAdvance(to_qstring(text)), m.ascent() + m.descent()};
}

FontMetrics RasterSurface::font_metrics() const {
  const QFontMetrics m(qfont());
  return {m.ascent(), m.descent()};
}

void RasterSurface::do_text(int x, int y, std::string_view text) {
  const QString s = to_qstring(text);
  const QFontMetrics m(qfont());
  const TextPlacement at =
      place_text(x, y, state().text_align, m.horizontalAdvance(s), {m.ascent(), m.descent()});
  if (state().background_mode == BackgroundMode::opaque) {
    do_fill_rect(at.cell, Brush::solid(state().background_colour));
  }
  QPainter p(image_);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  if (state().clip) p.setClipPath(state().clip->path());
  p.setFont(qfont());
  p.setPen(to_qcolor(state().text_colour));
  p.drawText(QPoint(at.left, at.baseline), s);
}

}  // namespace sdro
