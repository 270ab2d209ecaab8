// The recording back-end: keeps every drawing call with its arguments and the
// settings selected at that moment, and draws nothing. Tests of chart code
// check placement, order, pens and texts on it without comparing images.
//
// Text metrics are fixed so that tests do not depend on installed fonts: the
// cell height is the font's pixel size p (|height| when height is set, else
// points at 96 dots per inch, rounded), the ascent 4/5 of it (integer
// division), every character p / 2 wide (at least 1). pixel() gives no
// value; flood_fill() is recorded and returns true.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <optional>
#include <string>
#include <vector>

#include "chart/surface/zeichenflaeche.h"

namespace sdro {

enum class DrawOp {
  line,         ///< points: from, to (line_to)
  polyline,     ///< points: the vertices
  rectangle,    ///< points: (left, top), (right, bottom)
  ellipse,      ///< points: (left, top), (right, bottom)
  polygon,      ///< points: the vertices; fill_mode
  fill_rect,    ///< points: (left, top), (right, bottom); brush
  fill_region,  ///< region; brush
  set_pixel,    ///< points: the pixel; colour
  flood_fill,   ///< points: the seed; colour, flood_mode
  bit_blt,      ///< points: destination, (w, h), source origin; image, raster_op
  text,         ///< points: the reference point; text, text_cell
};

struct DrawCall {
  DrawOp op = DrawOp::line;
  std::vector<PixelPoint> points;
  std::string text;
  tfarbe colour;
  Brush brush;  ///< the brush the call filled with
  FillMode fill_mode = FillMode::alternate;
  FloodMode flood_mode = FloodMode::surface;
  RasterOp raster_op = RasterOp::copy;
  std::optional<Region> region;
  QImage image;
  PixelRect text_cell;  ///< the character cell by the recording metrics
  DrawState state;      ///< everything selected at the call
};

/// One line such as "ellipse 10 10 21 21" or "text 5 7 \"Mars\"".
std::string describe(const DrawCall& call);

class RecordingSurface final : public Zeichenflaeche {
 public:
  explicit RecordingSurface(Extent size = {1222, 1222}) : size_(size) {}

  const std::vector<DrawCall>& calls() const { return calls_; }
  /// The calls of one kind, in order.
  std::vector<const DrawCall*> calls_of(DrawOp op) const;
  void clear() { calls_.clear(); }

  Extent size() const override { return size_; }
  std::optional<tfarbe> pixel(int, int) const override { return std::nullopt; }
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
  DrawCall& record(DrawOp op, std::vector<PixelPoint> points);
  int pixel_size() const;

  Extent size_;
  std::vector<DrawCall> calls_;
};

}  // namespace sdro
