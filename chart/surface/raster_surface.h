// The raster back-end: draws pixel-exact into a QImage (the off-screen chart
// bitmap, symbol bitmaps, test images) without antialiasing, text included.
//
// Lines, shapes, regions, pixels, flood fill, bit-block copies and text are
// rasterised here with the coverage rules of scan_convert.h; QPainter only
// renders each glyph once (glyph_cache.h). The image must outlive the surface; it is converted to
// the 32-bit RGB format when it has another one. A QGuiApplication must exist
// before text is measured or drawn (the offscreen platform serves headless
// runs and tests).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstdint>
#include <optional>
#include <vector>

#include "chart/surface/span_set.h"
#include "chart/surface/zeichenflaeche.h"

namespace sdro {

class GlyphFace;

class RasterSurface final : public Zeichenflaeche {
 public:
  explicit RasterSurface(QImage& image);

  Extent size() const override { return {width_, height_}; }
  std::optional<tfarbe> pixel(int x, int y) const override;
  Extent text_extent(std::string_view text) const override;
  FontMetrics font_metrics() const override;

 protected:
  void do_line(PixelPoint from, PixelPoint to, int& pattern_phase) override;
  void do_polyline(std::span<const PixelPoint> points) override;
  void do_rectangle(const PixelRect& box) override;
  void do_ellipse(const PixelRect& box) override;
  void do_polygon(std::span<const PixelPoint> points, FillMode mode) override;
  void do_fill_rect(const PixelRect& box, const Brush& brush) override;
  void do_fill_region(const Region& region, const Brush& brush) override;
  void do_set_pixel(int x, int y, tfarbe colour) override;
  bool do_flood_fill(int x, int y, tfarbe colour, FloodMode mode) override;
  void do_bit_blt(int x, int y, int w, int h, const QImage& source, int sx, int sy,
                  RasterOp op) override;
  void do_text(int x, int y, std::string_view text) override;

 private:
  // Pixel access for one operation (also detaches a shared image first).
  std::uint32_t* row(int y) { return bits_ + static_cast<std::ptrdiff_t>(y) * stride_; }
  void begin_pixels();
  const SpanSet* clip_spans();
  PixelRect bounds() const { return {0, 0, width_, height_}; }

  // Calls f(x0, x1) for the visible parts of [x0, x1) in row y.
  template <class F>
  void for_visible(int y, int x0, int x1, F&& f);
  void paint_span(int y, int x0, int x1, const Brush& brush);
  void paint_spans(const SpanSet& spans, const Brush& brush);
  void plot(int x, int y, std::uint32_t rgb32);

  // Lines (raster_lines.cpp).
  void segment(PixelPoint a, PixelPoint b, int& phase);
  void stamp(int x, int y, std::uint32_t rgb32);
  void pattern_pixel(int x, int y, int index);

  // Outlined shapes (raster_shapes.cpp).
  void outlined_shape(const PixelRect& box, bool ellipse);
  void dotted_outline(const PixelRect& box, bool ellipse);

  QImage* image_;
  std::uint32_t* bits_ = nullptr;
  std::ptrdiff_t stride_ = 0;
  int width_ = 0;
  int height_ = 0;

  std::optional<Region> clip_region_;  // the region clip_ was built from
  SpanSet clip_;
  std::vector<Span> stamp_rows_;  // the round tip of wide pens
  std::vector<std::uint8_t> flood_mask_;

  const GlyphFace& face() const;
  mutable const GlyphFace* face_ = nullptr;
  mutable FontSpec face_for_;
};

}  // namespace sdro
