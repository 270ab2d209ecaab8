// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/flood_fill.h"

#include <algorithm>

#include "chart/surface/geometry.h"

namespace sdro {

namespace {

class AreaWalk {
 public:
  AreaWalk(int w, int h, const std::function<bool(int, int)>& fillable,
           std::vector<std::uint8_t>& marks)
      : w_(w), h_(h), fillable_(fillable), marks_(marks) {
    marks_.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
  }

  void run(int x, int y) {
    stack_.push_back({x, y});
    while (!stack_.empty()) {
      const PixelPoint p = stack_.back();
      stack_.pop_back();
      if (open(p.x, p.y)) fill_run(p.x, p.y);
    }
  }

  SpanSet result() const {
    SpanSet out(top_);
    std::vector<Span> spans;
    for (int y = top_; y < bottom_; ++y) {
      spans.clear();
      const std::uint8_t* line = marks_.data() + static_cast<std::size_t>(y) * w_;
      for (int x = 0; x < w_;) {
        if (line[x] == 0) {
          ++x;
          continue;
        }
        const int start = x;
        while (x < w_ && line[x] != 0) ++x;
        spans.push_back({start, x});
      }
      out.append_row(spans);
    }
    return out;
  }

 private:
  bool open(int x, int y) const {
    return x >= 0 && y >= 0 && x < w_ && y < h_ && mark(x, y) == 0 && fillable_(x, y);
  }
  std::uint8_t& mark(int x, int y) const {
    return marks_[static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) +
                  static_cast<std::size_t>(x)];
  }

  // Marks the run through (x, y) and queues the runs above and below it.
  void fill_run(int x, int y) {
    int left = x;
    while (open(left - 1, y)) --left;
    int right = x + 1;
    while (open(right, y)) ++right;
    for (int i = left; i < right; ++i) mark(i, y) = 1;
    top_ = std::min(top_, y);
    bottom_ = std::max(bottom_, y + 1);
    queue_runs(left, right, y - 1);
    queue_runs(left, right, y + 1);
  }

  void queue_runs(int left, int right, int y) {
    if (y < 0 || y >= h_) return;
    bool in_run = false;
    for (int i = left; i < right; ++i) {
      const bool o = open(i, y);
      if (o && !in_run) stack_.push_back({i, y});
      in_run = o;
    }
  }

  int w_;
  int h_;
  const std::function<bool(int, int)>& fillable_;
  std::vector<std::uint8_t>& marks_;
  std::vector<PixelPoint> stack_;
  int top_ = 0x7fffffff;
  int bottom_ = 0;
};

}  // namespace

SpanSet flood_area(int w, int h, int x, int y, const std::function<bool(int, int)>& fillable,
                   std::vector<std::uint8_t>& marks) {
  if (x < 0 || y < 0 || x >= w || y >= h || !fillable(x, y)) return SpanSet(0);
  AreaWalk walk(w, h, fillable, marks);
  walk.run(x, y);
  return walk.result();
}

}  // namespace sdro
