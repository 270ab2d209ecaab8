// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/scan_convert.h"

#include <algorithm>
#include <cmath>

namespace sdro {

Span ellipse_row(const PixelRect& box, int r) {
  const int h = box.height();
  if (box.empty() || r < 0 || r >= h) return {};
  // The upper half is computed; a lower row mirrors its upper partner and the
  // right end mirrors the left one, so the figure is exactly symmetric.
  r = std::min(r, h - 1 - r);
  const double a = box.width() / 2.0;
  const double b = h / 2.0;
  const double cx = (box.left + box.right) / 2.0;
  const double dy = (r + 0.5 - b) / b;
  const double q = 1.0 - dy * dy;
  if (q <= 0) return {};
  const double half = a * std::sqrt(q);
  const int x0 = static_cast<int>(std::floor(cx - half - 0.5)) + 1;
  const int x1 = box.left + box.right - x0;
  return x1 > x0 ? Span{x0, x1} : Span{};
}

void ellipse_rows(const PixelRect& box_in, std::vector<Span>& out) {
  const PixelRect box = box_in.normalized();
  out.resize(static_cast<std::size_t>(std::max(box.height(), 0)));
  for (int r = 0; r < box.height(); ++r) out[static_cast<std::size_t>(r)] = ellipse_row(box, r);
}

SpanSet ellipse_spans(const PixelRect& box_in, const PixelRect& bounds) {
  const PixelRect box = box_in.normalized();
  const int y0 = std::max(box.top, bounds.top);
  const int y1 = std::min(box.bottom, bounds.bottom);
  SpanSet out(y0);
  for (int y = y0; y < y1; ++y) {
    const Span s = ellipse_row(box, y - box.top);
    out.append_row({Span{std::max(s.x0, bounds.left), std::min(s.x1, bounds.right)}});
  }
  return out;
}

SpanSet rect_spans(const PixelRect& box_in, const PixelRect& bounds) {
  const PixelRect box = box_in.normalized().intersected(bounds);
  SpanSet out(box.top);
  if (box.empty()) return out;
  for (int y = box.top; y < box.bottom; ++y) out.append_row({Span{box.left, box.right}});
  return out;
}

PixelRect points_bounds(std::span<const PixelPoint> points) {
  if (points.empty()) return {};
  PixelRect b{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const PixelPoint& p : points) {
    b.left = std::min(b.left, p.x);
    b.top = std::min(b.top, p.y);
    b.right = std::max(b.right, p.x);
    b.bottom = std::max(b.bottom, p.y);
  }
  return b;
}

namespace {

struct Edge {
  double x_top;  // x at y_top
  double slope;  // dx / dy
  int y_top;     // first row whose centre the edge crosses
  int y_end;     // exclusive
  int dir;       // +1 downwards, −1 upwards
};

struct Crossing {
  double x;
  int dir;
};

std::vector<Edge> build_edges(std::span<const PixelPoint> pts) {
  std::vector<Edge> edges;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    const PixelPoint p = pts[i];
    const PixelPoint q = pts[(i + 1) % pts.size()];
    if (p.y == q.y) continue;
    const PixelPoint lo = p.y < q.y ? p : q;
    const PixelPoint hi = p.y < q.y ? q : p;
    // Rows y with lo.y ≤ y + 0.5 < hi.y, i.e. lo.y ≤ y < hi.y.
    const double slope = static_cast<double>(hi.x - lo.x) / (hi.y - lo.y);
    edges.push_back({lo.x + 0.5 * slope, slope, lo.y, hi.y, q.y > p.y ? 1 : -1});
  }
  std::sort(edges.begin(), edges.end(),
            [](const Edge& a, const Edge& b) { return a.y_top < b.y_top; });
  return edges;
}

// The pixels whose centres lie in [xa, xb).
Span centre_span(double xa, double xb) {
  return {static_cast<int>(std::ceil(xa - 0.5)), static_cast<int>(std::ceil(xb - 0.5))};
}

void row_spans(std::vector<Crossing>& xs, FillMode mode, const PixelRect& bounds,
               std::vector<Span>& out) {
  std::sort(xs.begin(), xs.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
  int winding = 0;
  for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
    winding += mode == FillMode::alternate ? 1 : xs[i].dir;
    const bool inside = mode == FillMode::alternate ? (winding & 1) != 0 : winding != 0;
    if (!inside) continue;
    Span s = centre_span(xs[i].x, xs[i + 1].x);
    s = {std::max(s.x0, bounds.left), std::min(s.x1, bounds.right)};
    if (s.x1 <= s.x0) continue;
    if (!out.empty() && out.back().x1 >= s.x0) {
      out.back().x1 = std::max(out.back().x1, s.x1);
    } else {
      out.push_back(s);
    }
  }
}

}  // namespace

SpanSet polygon_spans(std::span<const PixelPoint> points, FillMode mode, const PixelRect& bounds) {
  const PixelRect box = points_bounds(points);
  const int y0 = std::max(box.top, bounds.top);
  const int y1 = std::min(box.bottom, bounds.bottom);
  SpanSet out(y0);
  if (points.size() < 3) return out;
  const std::vector<Edge> edges = build_edges(points);
  std::vector<const Edge*> active;
  std::vector<Crossing> xs;
  std::vector<Span> spans;
  std::size_t next = 0;
  for (int y = y0; y < y1; ++y) {
    while (next < edges.size() && edges[next].y_top <= y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const Edge* e) { return e->y_end <= y; });
    xs.clear();
    for (const Edge* e : active) xs.push_back({e->x_top + (y - e->y_top) * e->slope, e->dir});
    spans.clear();
    row_spans(xs, mode, bounds, spans);
    out.append_row(spans);
  }
  return out;
}

}  // namespace sdro
