// drawSky: the drawing pass of a sky chart in the chart's order. The parts
// of the chart that other drawing code owns (grids and the horizon, user
// labels, the meteor radiant, the solar-system bodies, the local horizon,
// orbit-track points) plug in as hooks at their place in the order:
//
//   horizon chart, southern sky
//     background, labelling, [frame], [grids], Milky Way, outlines, figures,
//     boundaries, [user labels], names, deep-sky, stars, [meteor radiant],
//     [bodies], [local horizon], Telrad, [after]
//   northern sky   figures and boundaries before the Milky Way
//   overview       background, [frame], [grids], Milky Way, outlines, figures,
//                  boundaries, [user labels], names, deep-sky, stars, [bodies],
//                  Telrad, [after]
//   zoom chart     background, labelling, [frame], [grids], [user labels],
//                  Milky Way, outlines, figures, boundaries, names, stars,
//                  deep-sky, [meteor radiant], [bodies], scale bar, Telrad, [after]
//
// [frame] is the horizon grid (horizon chart), the polar grid, the overview's
// frame and grid; [grids] the ecliptic and the equatorial grid with labels;
// [after] what follows the chart (orbit-track points). A hook is called on
// every sky chart at its place and decides itself what it draws there.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace sdro {

class Zeichenflaeche;
struct tsky_scene;

/// The places in the drawing order where other drawing code plugs in.
enum class tsky_layer { frame, grids, user_labels, meteor_radiant, bodies, local_horizon, after };

/// The steps of the drawing order.
enum class tsky_step {
  background, labelling, milky_way, outlines, figures, boundaries, names, deep_sky, stars,
  scale_bar, telrad,
  hook_frame, hook_grids, hook_user_labels, hook_meteor_radiant, hook_bodies, hook_local_horizon,
  hook_after,
};

using tsky_hook = std::function<void(Zeichenflaeche&, const tsky_scene&)>;

/// The hooks of a drawing, called in the order they were added per layer.
class tsky_hooks {
 public:
  void add(tsky_layer layer, std::string name, tsky_hook hook);
  void run(tsky_layer layer, Zeichenflaeche& surface, const tsky_scene& scene) const;
  bool has(tsky_layer layer) const;

 private:
  struct tentry {
    tsky_layer layer;
    std::string name;
    tsky_hook hook;
  };
  std::vector<tentry> entries_;
};

/// The drawing order of the scene's chart.
std::span<const tsky_step> drawing_order(const tsky_scene& scene);

/// drawSky: draws the scene's chart onto the surface in its drawing order.
void draw_sky(Zeichenflaeche& surface, const tsky_scene& scene, const tsky_hooks& hooks);

}  // namespace sdro
