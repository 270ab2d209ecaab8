// The shape tree behind Region (shared by the raster and the path evaluation).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <variant>
#include <vector>

#include "chart/surface/region.h"

namespace sdro {

struct RegionRect {
  PixelRect box;
};
struct RegionEllipse {
  PixelRect box;
};
struct RegionPolygon {
  std::vector<PixelPoint> points;
  FillMode mode;
};
struct RegionCombination {
  RegionOp op;
  std::shared_ptr<const Region::Node> a;
  std::shared_ptr<const Region::Node> b;
};

struct Region::Node {
  std::variant<RegionRect, RegionEllipse, RegionPolygon, RegionCombination> shape;
  PixelRect box;  ///< bounding box
};

}  // namespace sdro
