// Regions: areas built from rectangles, ellipses and polygons and combined by
// union, intersection, difference and exclusive or. A region is a small
// immutable value (copies share their shape) that every surface can use:
// the raster surface turns it into pixel spans with the coverage rules of
// scan_convert.h, a page turns it into a smooth vector path.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "chart/surface/geometry.h"
#include "chart/surface/scan_convert.h"
#include "chart/surface/span_set.h"

class QPainterPath;

namespace sdro {

class Region {
 public:
  /// The empty region.
  Region();
  static Region rectangle(int left, int top, int right, int bottom);
  /// The ellipse inscribed in the box, covering the same pixels as Ellipse().
  static Region ellipse(int left, int top, int right, int bottom);
  static Region polygon(std::span<const PixelPoint> points, FillMode mode = FillMode::alternate);

  Region combined(const Region& other, RegionOp op) const;
  friend Region operator|(const Region& a, const Region& b) { return a.combined(b, RegionOp::unite); }
  friend Region operator&(const Region& a, const Region& b) { return a.combined(b, RegionOp::intersect); }
  friend Region operator-(const Region& a, const Region& b) { return a.combined(b, RegionOp::subtract); }
  friend Region operator^(const Region& a, const Region& b) { return a.combined(b, RegionOp::exclusive); }

  /// A rectangle holding the region (the exact box for a single shape).
  PixelRect bounding_box() const;
  /// The pixels of the region inside `bounds`.
  SpanSet spans(const PixelRect& bounds) const;
  /// The region as a vector path (logical coordinates).
  QPainterPath path() const;

  /// True when both values share the same shape (cheap identity, for caches).
  bool same_shape(const Region& other) const { return node_ == other.node_; }

  struct Node;

 private:
  explicit Region(std::shared_ptr<const Node> node) : node_(std::move(node)) {}
  std::shared_ptr<const Node> node_;
};

}  // namespace sdro
