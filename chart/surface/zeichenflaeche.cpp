// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/zeichenflaeche.h"

#include <QImage>

namespace sdro {

void Zeichenflaeche::set_pen(const Pen& pen) {
  state_.pen = pen;
  line_phase_ = 0;
}

void Zeichenflaeche::restore_state() {
  if (saved_.empty()) return;
  state_ = std::move(saved_.back());
  saved_.pop_back();
  line_phase_ = 0;
}

void Zeichenflaeche::move_to(int x, int y) {
  state_.position = {x, y};
  line_phase_ = 0;
}

void Zeichenflaeche::line_to(int x, int y) {
  const PixelPoint from = state_.position;
  state_.position = {x, y};
  do_line(from, {x, y}, line_phase_);
}

void Zeichenflaeche::polyline(std::span<const PixelPoint> points) {
  if (points.size() >= 2) do_polyline(points);
}

void Zeichenflaeche::rectangle(int left, int top, int right, int bottom) {
  do_rectangle(PixelRect{left, top, right, bottom}.normalized());
}

void Zeichenflaeche::ellipse(int left, int top, int right, int bottom) {
  do_ellipse(PixelRect{left, top, right, bottom}.normalized());
}

void Zeichenflaeche::polygon(std::span<const PixelPoint> points, FillMode mode) {
  if (points.size() >= 2) do_polygon(points, mode);
}

void Zeichenflaeche::fill_rect(int left, int top, int right, int bottom, const Brush& brush) {
  const PixelRect box = PixelRect{left, top, right, bottom}.normalized();
  if (!box.empty() && brush.fills()) do_fill_rect(box, brush);
}

void Zeichenflaeche::fill_region(const Region& region, const Brush& brush) {
  if (brush.fills()) do_fill_region(region, brush);
}

void Zeichenflaeche::set_pixel(int x, int y, tfarbe colour) { do_set_pixel(x, y, colour); }

bool Zeichenflaeche::flood_fill(int x, int y, tfarbe colour, FloodMode mode) {
  return do_flood_fill(x, y, colour, mode);
}

void Zeichenflaeche::bit_blt(int x, int y, int w, int h, const QImage& source, int sx, int sy,
                             RasterOp op) {
  if (w > 0 && h > 0 && !source.isNull()) do_bit_blt(x, y, w, h, source, sx, sy, op);
}

void Zeichenflaeche::draw_bitmap(int x, int y, const QImage& source, RasterOp op) {
  bit_blt(x, y, source.width(), source.height(), source, 0, 0, op);
}

void Zeichenflaeche::text_out(int x, int y, std::string_view text) {
  if (!text.empty()) do_text(x, y, text);
}

}  // namespace sdro
