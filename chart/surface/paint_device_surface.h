// The page back-end: draws with QPainter onto any QPaintDevice — a QPrinter,
// a QPdfWriter, an SVG generator or an image — in logical units mapped to the
// device by an axis-aligned transform (scale and offset; y may point up, as
// in the print mapping modes). Output is vector and antialiased; lines of
// width 0 or 1 are hairlines of one device dot.
//
// Differences from the raster surface, by nature of a page:
// - pixel() gives no value and flood_fill() fills nothing and returns false;
//   print figures build their areas from regions instead.
// - OR copies draw the bitmap with its black pixels left out (the look of
//   OR on black); inverted copies draw the inverted bitmap; AND and XOR
//   copies draw the bitmap as it is.
// - Text stays upright whatever the direction of y; font heights are in
//   logical units, sizes in points follow the device resolution.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <map>
#include <optional>

#include "chart/surface/zeichenflaeche.h"

class QPaintDevice;

namespace sdro {

class PaintDeviceSurface final : public Zeichenflaeche {
 public:
  /// Starts painting on the device; the painting ends with the surface.
  explicit PaintDeviceSurface(QPaintDevice& device, const QTransform& logical_to_device = {});
  ~PaintDeviceSurface() override;

  /// The mapping of `units_per_mm` logical units per millimetre of the device,
  /// with y pointing up when `y_up` (a page then runs from y = 0 at its top
  /// edge to negative y at the bottom).
  static QTransform page_mapping(const QPaintDevice& device, double units_per_mm, bool y_up);

  Extent size() const override;
  std::optional<tfarbe> pixel(int, int) const override { return std::nullopt; }
  Extent text_extent(std::string_view text) const override;
  FontMetrics font_metrics() const override;

  /// The painter, for device matters such as starting a new printer page.
  QPainter& painter() { return painter_; }

 protected:
  void do_line(PixelPoint from, PixelPoint to, int& pattern_phase) override;
  void do_polyline(std::span<const PixelPoint> points) override;
  void do_rectangle(const PixelRect& box) override;
  void do_ellipse(const PixelRect& box) override;
  void do_polygon(std::span<const PixelPoint> points, FillMode mode) override;
  void do_fill_rect(const PixelRect& box, const Brush& brush) override;
  void do_fill_region(const Region& region, const Brush& brush) override;
  void do_set_pixel(int x, int y, tfarbe colour) override;
  bool do_flood_fill(int, int, tfarbe, FloodMode) override { return false; }
  void do_bit_blt(int x, int y, int w, int h, const QImage& source, int sx, int sy,
                  RasterOp op) override;
  void do_text(int x, int y, std::string_view text) override;

 private:
  void apply_common();
  void apply_pen();
  void outlined(const PixelRect& box, bool ellipse);
  const QImage& prepared(const QImage& source, RasterOp op);
  QFont device_font() const;

  QPaintDevice& device_;
  QTransform transform_;
  QPainter painter_;
  std::map<std::pair<qint64, int>, QImage> prepared_;
  std::optional<Region> clip_for_;  // the region clip_path_ was made from
  QPainterPath clip_path_;
};

}  // namespace sdro
