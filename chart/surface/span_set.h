// Pixel sets as rows of spans: the raster form of regions, polygons and
// clipping. A pixel (x, y) belongs to the set when x lies in one of the
// half-open spans [x0, x1) of row y. Spans in a row are sorted and disjoint.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "chart/surface/geometry.h"

namespace sdro {

struct Span {
  int x0 = 0;
  int x1 = 0;  ///< exclusive
  friend constexpr bool operator==(Span, Span) = default;
};

/// How two pixel sets combine, as regions combine.
enum class RegionOp { unite, intersect, subtract, exclusive };

class SpanSet {
 public:
  SpanSet() = default;
  /// An empty set whose rows start at `top`; fill it with append_row.
  explicit SpanSet(int top) : top_(top) {}

  /// Adds the next row (top, top + 1, …); the spans must be sorted and disjoint.
  void append_row(std::span<const Span> spans);
  void append_row(std::initializer_list<Span> spans) {
    append_row(std::span<const Span>(spans.begin(), spans.size()));
  }

  int top() const { return top_; }
  int bottom() const { return top_ + rows(); }
  int rows() const { return static_cast<int>(offsets_.size()) - 1; }
  /// The spans of row y (empty outside the rows of the set).
  std::span<const Span> row(int y) const;
  bool contains(int x, int y) const;
  bool empty() const { return spans_.empty(); }
  /// Number of pixels in the set.
  long long area() const;
  /// The smallest rectangle holding every pixel (empty for an empty set).
  PixelRect bounds() const;

  /// The part of the set inside the rectangle.
  SpanSet clipped(const PixelRect& box) const;

  friend bool operator==(const SpanSet&, const SpanSet&) = default;

 private:
  int top_ = 0;
  std::vector<std::uint32_t> offsets_{0};  ///< spans_ index of each row's start, one more than rows
  std::vector<Span> spans_;
};

/// Appends to `out` the spans of `a` op `b` for one row.
void combine_row(std::span<const Span> a, std::span<const Span> b, RegionOp op,
                 std::vector<Span>& out);

/// The set a op b.
SpanSet combine(const SpanSet& a, const SpanSet& b, RegionOp op);

}  // namespace sdro
