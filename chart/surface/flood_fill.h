// The area a flood fill covers, found without recursion: a scan-line walk
// with an explicit stack over one mark byte per pixel, so a fill of the
// whole image costs one pass and bounded memory. The marks are left cleared
// after each walk (only the rows it touched), so small fills stay cheap on a
// large image.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "chart/surface/geometry.h"
#include "chart/surface/span_set.h"

namespace sdro {

template <class Fillable>
class FloodWalk {
 public:
  /// `marks` must hold w · h zero bytes (it is resized when smaller).
  FloodWalk(int w, int h, const Fillable& fillable, std::vector<std::uint8_t>& marks)
      : w_(w), h_(h), fillable_(fillable), marks_(marks) {
    const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    if (marks_.size() < n) marks_.assign(n, 0);
  }

  /// The 4-connected area of fillable pixels around (x, y); empty when the
  /// seed is outside or not fillable.
  SpanSet run(int x, int y) {
    if (!open(x, y)) return SpanSet(0);
    stack_.push_back({x, y});
    while (!stack_.empty()) {
      const PixelPoint p = stack_.back();
      stack_.pop_back();
      if (open(p.x, p.y)) fill_run(p.x, p.y);
    }
    return collect();
  }

 private:
  std::uint8_t* line(int y) const { return marks_.data() + static_cast<std::size_t>(y) * w_; }
  bool open(int x, int y) const {
    return x >= 0 && y >= 0 && x < w_ && y < h_ && line(y)[x] == 0 && fillable_(x, y);
  }

  // Marks the run through (x, y) and queues the runs above and below it.
  void fill_run(int x, int y) {
    int left = x;
    while (open(left - 1, y)) --left;
    int right = x + 1;
    while (open(right, y)) ++right;
    std::memset(line(y) + left, 1, static_cast<std::size_t>(right - left));
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

  // The marked pixels as spans; clears the marks again.
  SpanSet collect() {
    SpanSet out(top_);
    std::vector<Span> spans;
    for (int y = top_; y < bottom_; ++y) {
      spans.clear();
      std::uint8_t* m = line(y);
      for (int x = 0; x < w_;) {
        const auto* hit = static_cast<std::uint8_t*>(std::memchr(m + x, 1, static_cast<std::size_t>(w_ - x)));
        if (hit == nullptr) break;
        const int start = static_cast<int>(hit - m);
        x = start;
        while (x < w_ && m[x] != 0) ++x;
        spans.push_back({start, x});
      }
      std::memset(m, 0, static_cast<std::size_t>(w_));
      out.append_row(spans);
    }
    return out;
  }

  int w_;
  int h_;
  const Fillable& fillable_;
  std::vector<std::uint8_t>& marks_;
  std::vector<PixelPoint> stack_;
  int top_ = 0x7fffffff;
  int bottom_ = 0;
};

/// The flood area of `fillable` pixels around (x, y) in a w × h image.
template <class Fillable>
SpanSet flood_area(int w, int h, int x, int y, const Fillable& fillable,
                   std::vector<std::uint8_t>& marks) {
  return FloodWalk<Fillable>(w, h, fillable, marks).run(x, y);
}

}  // namespace sdro
