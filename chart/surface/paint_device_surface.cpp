// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/paint_device_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPolygonF>

#include <cmath>

#include "chart/surface/qt_convert.h"
#include "chart/surface/rnd.h"
#include "chart/surface/text_layout.h"

namespace sdro {

namespace {

QRectF to_rectf(const PixelRect& r) { return QRectF(r.left, r.top, r.width(), r.height()); }

QPolygonF to_polygon(std::span<const PixelPoint> points) {
  QPolygonF q;
  q.reserve(static_cast<qsizetype>(points.size()));
  for (const PixelPoint& p : points) q << QPointF(p.x, p.y);
  return q;
}

QBrush to_qbrush(const Brush& b) {
  switch (b.style) {
    case BrushStyle::solid: return QBrush(to_qcolor(b.colour));
    case BrushStyle::hatched: return QBrush(to_qcolor(b.colour), to_qt_hatch(b.hatch));
    case BrushStyle::none: return Qt::NoBrush;
  }
  return Qt::NoBrush;
}

}  // namespace

PaintDeviceSurface::PaintDeviceSurface(QPaintDevice& device, const QTransform& logical_to_device)
    : device_(device), transform_(logical_to_device) {
  painter_.begin(&device_);
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

PaintDeviceSurface::~PaintDeviceSurface() {
  if (painter_.isActive()) painter_.end();
}

QTransform PaintDeviceSurface::page_mapping(const QPaintDevice& device, double units_per_mm,
                                            bool y_up) {
  const double sx = device.logicalDpiX() / 25.4 / units_per_mm;
  const double sy = device.logicalDpiY() / 25.4 / units_per_mm;
  return QTransform(sx, 0, 0, y_up ? -sy : sy, 0, 0);
}

Extent PaintDeviceSurface::size() const {
  const QRectF r = transform_.inverted().mapRect(QRectF(0, 0, device_.width(), device_.height()));
  return {rnd(r.width()), rnd(r.height())};
}

void PaintDeviceSurface::apply_common() {
  painter_.setWorldTransform(transform_);
  const DrawState& s = state();
  painter_.setBackgroundMode(s.background_mode == BackgroundMode::opaque ? Qt::OpaqueMode
                                                                        : Qt::TransparentMode);
  painter_.setBackground(to_qcolor(s.background_colour));
  if (s.clip) {
    if (!clip_for_ || !clip_for_->same_shape(*s.clip)) {
      clip_path_ = s.clip->path();
      clip_for_ = *s.clip;
    }
    painter_.setClipPath(clip_path_);
  } else {
    painter_.setClipping(false);
  }
}

void PaintDeviceSurface::apply_pen() {
  const Pen& p = state().pen;
  if (!p.draws()) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  const bool hairline = p.width <= 1;
  QPen pen(to_qcolor(p.colour), hairline ? 0 : p.width);
  pen.setCosmetic(hairline);
  pen.setStyle(p.style == PenStyle::dotted && hairline ? Qt::DotLine : Qt::SolidLine);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(pen);
}

void PaintDeviceSurface::do_line(PixelPoint from, PixelPoint to, int&) {
  apply_common();
  apply_pen();
  painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

void PaintDeviceSurface::do_polyline(std::span<const PixelPoint> points) {
  apply_common();
  apply_pen();
  painter_.drawPolyline(to_polygon(points));
}

void PaintDeviceSurface::outlined(const PixelRect& box, bool ellipse) {
  apply_common();
  const QRectF full = to_rectf(box);
  const auto draw = [&](const QRectF& r) {
    if (ellipse) {
      painter_.drawEllipse(r);
    } else {
      painter_.drawRect(r);
    }
  };
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(to_qbrush(state().brush));
  draw(full);
  if (!state().pen.draws()) return;
  // The outline lies inside the box, as on the raster surface.
  const double inset = std::max(state().pen.width, 1) / 2.0;
  apply_pen();
  painter_.setBrush(Qt::NoBrush);
  draw(full.adjusted(inset, inset, -inset, -inset));
}

void PaintDeviceSurface::do_rectangle(const PixelRect& box) { outlined(box, false); }

void PaintDeviceSurface::do_ellipse(const PixelRect& box) { outlined(box, true); }

void PaintDeviceSurface::do_polygon(std::span<const PixelPoint> points, FillMode mode) {
  apply_common();
  apply_pen();
  painter_.setBrush(to_qbrush(state().brush));
  painter_.drawPolygon(to_polygon(points),
                       mode == FillMode::winding ? Qt::WindingFill : Qt::OddEvenFill);
}

void PaintDeviceSurface::do_fill_rect(const PixelRect& box, const Brush& brush) {
  apply_common();
  painter_.fillRect(to_rectf(box), to_qbrush(brush));
}

void PaintDeviceSurface::do_fill_region(const Region& region, const Brush& brush) {
  apply_common();
  painter_.fillPath(region.path(), to_qbrush(brush));
}

void PaintDeviceSurface::do_set_pixel(int x, int y, tfarbe colour) {
  apply_common();
  painter_.fillRect(QRectF(x, y, 1, 1), to_qcolor(colour));
}

const QImage& PaintDeviceSurface::prepared(const QImage& source, RasterOp op) {
  if (op != RasterOp::bit_or && op != RasterOp::inverted_copy) return source;
  const auto key = std::make_pair(source.cacheKey(), static_cast<int>(op));
  auto it = prepared_.find(key);
  if (it != prepared_.end()) return it->second;
  QImage img = source.convertToFormat(QImage::Format_ARGB32);
  if (op == RasterOp::inverted_copy) img.invertPixels(QImage::InvertRgb);
  if (op == RasterOp::bit_or) {
    for (int y = 0; y < img.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
      for (int x = 0; x < img.width(); ++x) {
        if ((line[x] & 0x00ffffffu) == 0) line[x] = 0;
      }
    }
  }
  return prepared_.emplace(key, std::move(img)).first->second;
}

void PaintDeviceSurface::do_bit_blt(int x, int y, int w, int h, const QImage& source, int sx,
                                    int sy, RasterOp op) {
  apply_common();
  painter_.drawImage(QRectF(x, y, w, h), prepared(source, op), QRectF(sx, sy, w, h));
}

QFont PaintDeviceSurface::device_font() const {
  // Font sizes are logical units; the device gets them scaled.
  const double scale = std::abs(transform_.m22());
  const double logical_dpi = device_.logicalDpiY() / scale;
  return make_qfont(state().font, font_pixel_size(state().font, logical_dpi) * scale, false);
}

Extent PaintDeviceSurface::text_extent(std::string_view text) const {
  const QFontMetricsF m(device_font(), &device_);
  return {rnd(m.horizontalAdvance(to_qstring(text)) / std::abs(transform_.m11())),
          rnd((m.ascent() + m.descent()) / std::abs(transform_.m22()))};
}

FontMetrics PaintDeviceSurface::font_metrics() const {
  const QFontMetricsF m(device_font(), &device_);
  const double scale = std::abs(transform_.m22());
  return {rnd(m.ascent() / scale), rnd(m.descent() / scale)};
}

void PaintDeviceSurface::do_text(int x, int y, std::string_view text) {
  // Placed and drawn in device coordinates, where y always points down, so
  // that "top" means the top of the glyphs and they stay upright.
  const QString s = to_qstring(text);
  const QFont font = device_font();
  const QFontMetricsF m(font, &device_);
  const QPointF anchor = transform_.map(QPointF(x, y));
  const TextPlacement at =
      place_text(rnd(anchor.x()), rnd(anchor.y()), state().text_align,
                 rnd(m.horizontalAdvance(s)), {rnd(m.ascent()), rnd(m.descent())});
  apply_common();
  painter_.setWorldTransform(QTransform());
  if (state().background_mode == BackgroundMode::opaque) {
    const PixelRect& c = at.cell;
    painter_.fillRect(QRectF(c.left, c.top, c.width(), c.height()),
                      to_qcolor(state().background_colour));
  }
  painter_.setFont(font);
  painter_.setPen(to_qcolor(state().text_colour));
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.drawText(QPointF(at.left, at.baseline), s);
}

}  // namespace sdro
