// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/span_set.h"

#include <algorithm>
#include <limits>

namespace sdro {

void SpanSet::append_row(std::span<const Span> spans) {
  for (const Span& s : spans) {
    if (s.x1 > s.x0) spans_.push_back(s);
  }
  offsets_.push_back(static_cast<std::uint32_t>(spans_.size()));
}

std::span<const Span> SpanSet::row(int y) const {
  const int r = y - top_;
  if (r < 0 || r >= rows()) return {};
  const auto* first = spans_.data() + offsets_[static_cast<std::size_t>(r)];
  const auto* last = spans_.data() + offsets_[static_cast<std::size_t>(r) + 1];
  return {first, last};
}

bool SpanSet::contains(int x, int y) const {
  const auto spans = row(y);
  const auto it = std::upper_bound(spans.begin(), spans.end(), x,
                                   [](int v, const Span& s) { return v < s.x1; });
  return it != spans.end() && it->x0 <= x;
}

long long SpanSet::area() const {
  long long n = 0;
  for (const Span& s : spans_) n += s.x1 - s.x0;
  return n;
}

PixelRect SpanSet::bounds() const {
  if (spans_.empty()) return {};
  PixelRect b{std::numeric_limits<int>::max(), 0, std::numeric_limits<int>::min(), 0};
  bool first = true;
  for (int y = top_; y < bottom(); ++y) {
    const auto spans = row(y);
    if (spans.empty()) continue;
    if (first) b.top = y;
    first = false;
    b.bottom = y + 1;
    b.left = std::min(b.left, spans.front().x0);
    b.right = std::max(b.right, spans.back().x1);
  }
  return b;
}

SpanSet SpanSet::clipped(const PixelRect& box) const {
  const int y0 = std::max(top_, box.top);
  const int y1 = std::min(bottom(), box.bottom);
  SpanSet out(y0);
  std::vector<Span> row_spans;
  for (int y = y0; y < y1; ++y) {
    row_spans.clear();
    for (const Span& s : row(y)) {
      const Span c{std::max(s.x0, box.left), std::min(s.x1, box.right)};
      if (c.x1 > c.x0) row_spans.push_back(c);
    }
    out.append_row(row_spans);
  }
  return out;
}

namespace {

bool apply(RegionOp op, bool in_a, bool in_b) {
  switch (op) {
    case RegionOp::unite: return in_a || in_b;
    case RegionOp::intersect: return in_a && in_b;
    case RegionOp::subtract: return in_a && !in_b;
    case RegionOp::exclusive: return in_a != in_b;
  }
  return false;
}

// The i-th boundary of a span list: x0 of span i/2 for even i, x1 for odd i.
int boundary(std::span<const Span> s, std::size_t i) {
  return (i & 1) == 0 ? s[i / 2].x0 : s[i / 2].x1;
}

}  // namespace

void combine_row(std::span<const Span> a, std::span<const Span> b, RegionOp op,
                 std::vector<Span>& out) {
  const std::size_t na = 2 * a.size();
  const std::size_t nb = 2 * b.size();
  std::size_t ia = 0;
  std::size_t ib = 0;
  bool inside = false;
  int start = 0;
  constexpr int kEnd = std::numeric_limits<int>::max();
  while (ia < na || ib < nb) {
    const int xa = ia < na ? boundary(a, ia) : kEnd;
    const int xb = ib < nb ? boundary(b, ib) : kEnd;
    const int x = std::min(xa, xb);
    while (ia < na && boundary(a, ia) == x) ++ia;
    while (ib < nb && boundary(b, ib) == x) ++ib;
    // After passing boundary i, a point is inside when an odd number was passed.
    const bool now = apply(op, (ia & 1) != 0, (ib & 1) != 0);
    if (now == inside) continue;
    if (now) {
      start = x;
    } else {
      out.push_back({start, x});
    }
    inside = now;
  }
}

SpanSet combine(const SpanSet& a, const SpanSet& b, RegionOp op) {
  int y0 = std::min(a.top(), b.top());
  int y1 = std::max(a.bottom(), b.bottom());
  if (op == RegionOp::intersect) {
    y0 = std::max(a.top(), b.top());
    y1 = std::min(a.bottom(), b.bottom());
  } else if (op == RegionOp::subtract) {
    y0 = a.top();
    y1 = a.bottom();
  }
  SpanSet out(y0);
  std::vector<Span> row_spans;
  for (int y = y0; y < y1; ++y) {
    row_spans.clear();
    combine_row(a.row(y), b.row(y), op, row_spans);
    out.append_row(row_spans);
  }
  return out;
}

}  // namespace sdro
