// The lines of the line table on a sky chart: Milky Way levels, deep-sky
// outline lines, constellation figures and boundaries. A vertex with the
// pen-down flag clear continues the polyline when the previous vertex was
// drawn, otherwise it only moves; what breaks a polyline depends on the chart:
//
//   horizon chart   a vertex below the horizon
//   polar charts    a vertex beyond the rim
//   zoom chart      a vertex on the far hemisphere (more than 90° from the
//                   centre, where the projection tears segments apart into
//                   lines across the chart)
//   overview        a jump of 180° or more in u (the map's edge), |δ| ≥ 75°
//   every chart     a vertex outside −99..31999 pixels, and a segment longer
//                   than 60° (a straight line cannot stand for such an arc)
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "catalog/line_file.h"
#include "chart/surface/geometry.h"

namespace sdro {

class Zeichenflaeche;
struct Pen;
struct tsky_scene;

/// Collects the runs of a polyline and draws each with the selected pen.
class tpolyline_runs {
 public:
  explicit tpolyline_runs(Zeichenflaeche& surface) : surface_(surface) {}
  ~tpolyline_runs() { end_run(); }
  tpolyline_runs(const tpolyline_runs&) = delete;
  tpolyline_runs& operator=(const tpolyline_runs&) = delete;

  /// Starts a new run at p.
  void move(PixelPoint p);
  /// Continues the run to p (starts one when there is none).
  void line(PixelPoint p);
  /// Ends the current run (draws it when it has a segment).
  void end_run();

 private:
  Zeichenflaeche& surface_;
  std::vector<PixelPoint> run_;
};

/// Draws points first..last of the line table with the pen.
void draw_line_range(Zeichenflaeche& surface, const tsky_scene& scene, tline_range range, const Pen& pen);

}  // namespace sdro
