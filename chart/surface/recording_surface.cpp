// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/recording_surface.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "chart/surface/rnd.h"
#include "chart/surface/text_layout.h"

namespace sdro {

namespace {

const char* op_name(DrawOp op) {
  switch (op) {
    case DrawOp::line: return "line";
    case DrawOp::polyline: return "polyline";
    case DrawOp::rectangle: return "rectangle";
    case DrawOp::ellipse: return "ellipse";
    case DrawOp::polygon: return "polygon";
    case DrawOp::fill_rect: return "fill_rect";
    case DrawOp::fill_region: return "fill_region";
    case DrawOp::set_pixel: return "set_pixel";
    case DrawOp::flood_fill: return "flood_fill";
    case DrawOp::bit_blt: return "bit_blt";
    case DrawOp::text: return "text";
  }
  return "?";
}

std::size_t utf8_chars(std::string_view s) {
  return static_cast<std::size_t>(
      std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string describe(const DrawCall& call) {
  std::ostringstream out;
  out << op_name(call.op);
  for (const PixelPoint& p : call.points) out << ' ' << p.x << ' ' << p.y;
  if (call.op == DrawOp::text) out << " \"" << call.text << '"';
  if (call.op == DrawOp::fill_region && call.region) {
    const PixelRect b = call.region->bounding_box();
    out << " box " << b.left << ' ' << b.top << ' ' << b.right << ' ' << b.bottom;
  }
  return out.str();
}

std::vector<const DrawCall*> RecordingSurface::calls_of(DrawOp op) const {
  std::vector<const DrawCall*> out;
  for (const DrawCall& c : calls_) {
    if (c.op == op) out.push_back(&c);
  }
  return out;
}

DrawCall& RecordingSurface::record(DrawOp op, std::vector<PixelPoint> points) {
  DrawCall& c = calls_.emplace_back();
  c.op = op;
  c.points = std::move(points);
  c.brush = state().brush;
  c.state = state();
  return c;
}

int RecordingSurface::pixel_size() const {
  const FontSpec& f = state().font;
  if (f.height != 0) return std::abs(f.height);
  return std::max(1, rnd(f.size_points * 96.0 / 72.0));
}

Extent RecordingSurface::text_extent(std::string_view text) const {
  const int p = pixel_size();
  return {static_cast<int>(utf8_chars(text)) * std::max(1, p / 2), p};
}

FontMetrics RecordingSurface::font_metrics() const {
  const int p = pixel_size();
  return {p * 4 / 5, p - p * 4 / 5};
}

void RecordingSurface::do_line(PixelPoint from, PixelPoint to, int&) {
  record(DrawOp::line, {from, to});
}

void RecordingSurface::do_polyline(std::span<const PixelPoint> points) {
  record(DrawOp::polyline, {points.begin(), points.end()});
}

void RecordingSurface::do_rectangle(const PixelRect& b) {
  record(DrawOp::rectangle, {{b.left, b.top}, {b.right, b.bottom}});
}

void RecordingSurface::do_ellipse(const PixelRect& b) {
  record(DrawOp::ellipse, {{b.left, b.top}, {b.right, b.bottom}});
}

void RecordingSurface::do_polygon(std::span<const PixelPoint> points, FillMode mode) {
  record(DrawOp::polygon, {points.begin(), points.end()}).fill_mode = mode;
}

void RecordingSurface::do_fill_rect(const PixelRect& b, const Brush& brush) {
  record(DrawOp::fill_rect, {{b.left, b.top}, {b.right, b.bottom}}).brush = brush;
}

void RecordingSurface::do_fill_region(const Region& region, const Brush& brush) {
  DrawCall& c = record(DrawOp::fill_region, {});
  c.brush = brush;
  c.region = region;
}

void RecordingSurface::do_set_pixel(int x, int y, tfarbe colour) {
  record(DrawOp::set_pixel, {{x, y}}).colour = colour;
}

bool RecordingSurface::do_flood_fill(int x, int y, tfarbe colour, FloodMode mode) {
  DrawCall& c = record(DrawOp::flood_fill, {{x, y}});
  c.colour = colour;
  c.flood_mode = mode;
  return true;
}

void RecordingSurface::do_bit_blt(int x, int y, int w, int h, const QImage& source, int sx,
                                  int sy, RasterOp op) {
  DrawCall& c = record(DrawOp::bit_blt, {{x, y}, {w, h}, {sx, sy}});
  c.image = source;
  c.raster_op = op;
}

void RecordingSurface::do_text(int x, int y, std::string_view text) {
  DrawCall& c = record(DrawOp::text, {{x, y}});
  c.text = std::string(text);
  c.colour = state().text_colour;
  c.text_cell = place_text(x, y, state().text_align, text_extent(text).cx, font_metrics()).cell;
}

}  // namespace sdro
