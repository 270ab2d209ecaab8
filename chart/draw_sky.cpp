// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/draw_sky.h"

#include "chart/chart_frame.h"
#include "chart/deep_sky_layer.h"
#include "chart/line_layers.h"
#include "chart/sky_scene.h"
#include "chart/star_layer.h"
#include "chart/surface/zeichenflaeche.h"

namespace sdro {
namespace {

using S = tsky_step;

constexpr tsky_step kHorizonOrder[] = {
    S::background, S::labelling, S::hook_frame, S::hook_grids, S::milky_way, S::outlines,
    S::figures, S::boundaries, S::hook_user_labels, S::names, S::deep_sky, S::stars,
    S::hook_meteor_radiant, S::hook_bodies, S::hook_local_horizon, S::telrad, S::hook_after,
};

constexpr tsky_step kNorthOrder[] = {
    S::background, S::labelling, S::hook_frame, S::hook_grids, S::figures, S::boundaries,
    S::milky_way, S::outlines, S::hook_user_labels, S::names, S::deep_sky, S::stars,
    S::hook_meteor_radiant, S::hook_bodies, S::hook_local_horizon, S::telrad, S::hook_after,
};

constexpr tsky_step kOverviewOrder[] = {
    S::background, S::hook_frame, S::hook_grids, S::milky_way, S::outlines, S::figures,
    S::boundaries, S::hook_user_labels, S::names, S::deep_sky, S::stars, S::hook_bodies,
    S::telrad, S::hook_after,
};

constexpr tsky_step kZoomOrder[] = {
    S::background, S::labelling, S::hook_frame, S::hook_grids, S::hook_user_labels,
    S::milky_way, S::outlines, S::figures, S::boundaries, S::names, S::stars, S::deep_sky,
    S::hook_meteor_radiant, S::hook_bodies, S::scale_bar, S::telrad, S::hook_after,
};

void run_step(tsky_step step, Zeichenflaeche& surface, const tsky_scene& scene, const tsky_hooks& hooks) {
  switch (step) {
    case S::background: draw_background(surface, scene); break;
    case S::labelling: draw_chart_labelling(surface, scene); break;
    case S::milky_way: draw_milky_way(surface, scene); break;
    case S::outlines: draw_outline_lines(surface, scene); break;
    case S::figures: draw_figures(surface, scene); break;
    case S::boundaries: draw_boundaries(surface, scene); break;
    case S::names: draw_constellation_names(surface, scene); break;
    case S::deep_sky: draw_deep_sky(surface, scene); break;
    case S::stars: draw_stars(surface, scene); break;
    case S::scale_bar: draw_scale_bar(surface, scene); break;
    case S::telrad: draw_telrad(surface, scene); break;
    case S::hook_frame: hooks.run(tsky_layer::frame, surface, scene); break;
    case S::hook_grids: hooks.run(tsky_layer::grids, surface, scene); break;
    case S::hook_user_labels: hooks.run(tsky_layer::user_labels, surface, scene); break;
    case S::hook_meteor_radiant: hooks.run(tsky_layer::meteor_radiant, surface, scene); break;
    case S::hook_bodies: hooks.run(tsky_layer::bodies, surface, scene); break;
    case S::hook_local_horizon: hooks.run(tsky_layer::local_horizon, surface, scene); break;
    case S::hook_after: hooks.run(tsky_layer::after, surface, scene); break;
  }
}

}  // namespace

void tsky_hooks::add(tsky_layer layer, std::string name, tsky_hook hook) {
  entries_.push_back({layer, std::move(name), std::move(hook)});
}

void tsky_hooks::run(tsky_layer layer, Zeichenflaeche& surface, const tsky_scene& scene) const {
  for (const tentry& e : entries_) {
    if (e.layer != layer || !e.hook) continue;
    StateGuard guard(surface);
    e.hook(surface, scene);
  }
}

bool tsky_hooks::has(tsky_layer layer) const {
  for (const tentry& e : entries_) {
    if (e.layer == layer) return true;
  }
  return false;
}

std::span<const tsky_step> drawing_order(const tsky_scene& scene) {
  switch (scene.chart()) {
    case tsky_chart::north: return kNorthOrder;
    case tsky_chart::overview: return kOverviewOrder;
    case tsky_chart::zoom: return kZoomOrder;
    case tsky_chart::horizon:
    case tsky_chart::south: break;
  }
  return kHorizonOrder;
}

void draw_sky(Zeichenflaeche& surface, const tsky_scene& scene, const tsky_hooks& hooks) {
  StateGuard guard(surface);
  for (const tsky_step step : drawing_order(scene)) run_step(step, surface, scene, hooks);
}

}  // namespace sdro
