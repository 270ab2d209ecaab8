// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/sky_lines.h"

#include <cmath>

#include "catalog/stars.h"
#include "chart/sky_scene.h"
#include "chart/surface/zeichenflaeche.h"

namespace sdro {
namespace {

constexpr int kLowestPixel = -99;
constexpr int kHighestPixel = 31999;
/// Overview vertices nearer the poles start a new polyline.
constexpr double kOverviewPolarBreak = 75.0;

/// A straight segment stands for a short arc only: points farther apart than
/// 60° (cos 60° = 0.5) are never joined, whatever the pen flag says.
constexpr double kLongestSegmentCos = 0.5;

/// Whether point n continues from point n − 1 by its pen flag and length.
bool joins_previous(const tstars& stars, std::size_t n, std::size_t first) {
  const tlinienpunkt& v = stars.line_point(n);
  if (v.pen != 0 || n == first) return false;
  const tlinienpunkt& u = stars.line_point(n - 1);
  return u.x1950 * v.x1950 + u.y1950 * v.y1950 + u.z1950 * v.z1950 >= kLongestSegmentCos;
}

bool within_pixel_range(PixelPoint p) {
  return p.x >= kLowestPixel && p.x <= kHighestPixel && p.y >= kLowestPixel && p.y <= kHighestPixel;
}

/// Whether a vertex at this place can be part of a line on a circular chart.
bool line_vertex_shown(const tprojektion& p, const tchart_place& place) {
  if (p.kind() == tsky_chart::zoom) return place.e >= 0.0;
  return place.e >= 90.0 - p.rim();
}

void trace_circular(tpolyline_runs& runs, const tsky_scene& scene, tline_range range) {
  const tprojektion& p = scene.projection;
  for (std::size_t n = range.first; n <= range.last; ++n) {
    const tchart_place place = scene.line_place(n);
    if (!line_vertex_shown(p, place)) {
      runs.end_run();
      continue;
    }
    const PixelPoint px = p.pixel(place);
    if (!within_pixel_range(px)) {
      runs.end_run();
    } else if (joins_previous(*scene.stars, n, range.first)) {
      runs.line(px);
    } else {
      runs.move(px);
    }
  }
}

void trace_overview(tpolyline_runs& runs, const tsky_scene& scene, tline_range range) {
  const tprojektion& p = scene.projection;
  const tstars& stars = *scene.stars;
  bool previous_drawn = false;
  double previous_u = 0.0;
  for (std::size_t n = range.first; n <= range.last; ++n) {
    const tlinienpunkt& v = stars.line_point(n);
    const auto px = p.overview_object_pixel(v.ra_date, v.dec_date);
    if (!px || !within_pixel_range(*px)) {
      runs.end_run();
      previous_drawn = false;
      continue;
    }
    const double u = p.overview_u(v.ra_date);
    const bool continues = joins_previous(stars, n, range.first) && previous_drawn &&
                           std::fabs(u - previous_u) < 180.0 &&
                           std::fabs(v.dec_date) < kOverviewPolarBreak;
    if (continues) {
      runs.line(*px);
    } else {
      runs.move(*px);
    }
    previous_drawn = true;
    previous_u = u;
  }
}

}  // namespace

void tpolyline_runs::move(PixelPoint p) {
  end_run();
  run_.push_back(p);
}

void tpolyline_runs::line(PixelPoint p) {
  if (!run_.empty() && run_.back() == p) return;
  run_.push_back(p);
}

void tpolyline_runs::end_run() {
  if (run_.size() >= 2) surface_.polyline(run_);
  run_.clear();
}

void draw_line_range(Zeichenflaeche& surface, const tsky_scene& scene, tline_range range, const Pen& pen) {
  if (!scene.stars || range.empty()) return;
  range = clamped_line_range(range.first, range.last, scene.stars->line_count());
  if (range.empty()) return;
  surface.set_pen(pen);
  tpolyline_runs runs(surface);
  if (scene.chart() == tsky_chart::overview) {
    trace_overview(runs, scene, range);
  } else {
    trace_circular(runs, scene, range);
  }
}

}  // namespace sdro
