// Regions as vector paths for pages and other scalable devices.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainterPath>
#include <QPolygonF>

#include "chart/surface/region.h"
#include "chart/surface/region_node.h"

namespace sdro {

namespace {

QRectF to_rectf(const PixelRect& r) { return QRectF(r.left, r.top, r.width(), r.height()); }

QPainterPath node_path(const Region::Node& node);

struct PathVisitor {
  QPainterPath operator()(const RegionRect& r) const {
    QPainterPath p;
    if (!r.box.empty()) p.addRect(to_rectf(r.box));
    return p;
  }
  QPainterPath operator()(const RegionEllipse& e) const {
    QPainterPath p;
    if (!e.box.empty()) p.addEllipse(to_rectf(e.box));
    return p;
  }
  QPainterPath operator()(const RegionPolygon& poly) const {
    QPainterPath p;
    if (poly.points.size() < 3) return p;
    QPolygonF q;
    for (const PixelPoint& pt : poly.points) q << QPointF(pt.x, pt.y);
    q << q.front();
    p.addPolygon(q);
    p.setFillRule(poly.mode == FillMode::winding ? Qt::WindingFill : Qt::OddEvenFill);
    return p;
  }
  QPainterPath operator()(const RegionCombination& c) const {
    const QPainterPath a = node_path(*c.a);
    const QPainterPath b = node_path(*c.b);
    switch (c.op) {
      case RegionOp::unite: return a.united(b);
      case RegionOp::intersect: return a.intersected(b);
      case RegionOp::subtract: return a.subtracted(b);
      case RegionOp::exclusive: return a.subtracted(b).united(b.subtracted(a));
    }
    return a;
  }
};

QPainterPath node_path(const Region::Node& node) { return std::visit(PathVisitor{}, node.shape); }

}  // namespace

QPainterPath Region::path() const { return node_path(*node_); }

}  // namespace sdro
