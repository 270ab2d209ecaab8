// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/region.h"

#include <algorithm>

#include "chart/surface/region_node.h"

namespace sdro {

namespace {

PixelRect united_box(const PixelRect& a, const PixelRect& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

PixelRect combined_box(RegionOp op, const PixelRect& a, const PixelRect& b) {
  switch (op) {
    case RegionOp::intersect: return a.intersected(b);
    case RegionOp::subtract: return a;
    case RegionOp::unite:
    case RegionOp::exclusive: return united_box(a, b);
  }
  return a;
}

std::shared_ptr<const Region::Node> make_node(
    std::variant<RegionRect, RegionEllipse, RegionPolygon, RegionCombination> shape,
    PixelRect box) {
  return std::make_shared<const Region::Node>(Region::Node{std::move(shape), box});
}

SpanSet node_spans(const Region::Node& node, const PixelRect& bounds);

struct SpansVisitor {
  const PixelRect& bounds;
  SpanSet operator()(const RegionRect& r) const { return rect_spans(r.box, bounds); }
  SpanSet operator()(const RegionEllipse& e) const { return ellipse_spans(e.box, bounds); }
  SpanSet operator()(const RegionPolygon& p) const {
    return polygon_spans(p.points, p.mode, bounds);
  }
  SpanSet operator()(const RegionCombination& c) const {
    return combine(node_spans(*c.a, bounds), node_spans(*c.b, bounds), c.op);
  }
};

SpanSet node_spans(const Region::Node& node, const PixelRect& bounds) {
  const PixelRect limit = node.box.intersected(bounds);
  if (limit.empty()) return SpanSet(limit.top);
  return std::visit(SpansVisitor{limit}, node.shape);
}

}  // namespace

Region::Region() : node_(make_node(RegionRect{{}}, {})) {}

Region Region::rectangle(int left, int top, int right, int bottom) {
  const PixelRect box = PixelRect{left, top, right, bottom}.normalized();
  return Region(make_node(RegionRect{box}, box));
}

Region Region::ellipse(int left, int top, int right, int bottom) {
  const PixelRect box = PixelRect{left, top, right, bottom}.normalized();
  return Region(make_node(RegionEllipse{box}, box));
}

Region Region::polygon(std::span<const PixelPoint> points, FillMode mode) {
  PixelRect box = points_bounds(points);
  if (points.size() < 3) box = {};
  return Region(make_node(RegionPolygon{{points.begin(), points.end()}, mode}, box));
}

Region Region::combined(const Region& other, RegionOp op) const {
  return Region(make_node(RegionCombination{op, node_, other.node_},
                          combined_box(op, node_->box, other.node_->box)));
}

PixelRect Region::bounding_box() const { return node_->box; }

SpanSet Region::spans(const PixelRect& bounds) const { return node_spans(*node_, bounds); }

}  // namespace sdro
