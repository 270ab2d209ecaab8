// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/bodies/component/bodies_component.h"

#include <memory>

#include "app/engine/engine.h"
#include "astro/calendar.h"
#include "catalog/stars.h"
#include "chart/component/sky_chart_component.h"

namespace sdro {
namespace {

/// The satellite views record no track.
bool records_on(int kartenart) { return kartenart != 210 && kartenart != 211; }

void record_small_bodies(tbahnliste& track, const std::vector<tkoerperposition>& list,
                         const std::function<std::string(std::size_t)>& name, const tzeitort& z) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (!list[i].valid) continue;
    add_track_point(track, {name ? name(i) : std::string(), list[i].ra, list[i].dec, z.year, jd_from_mjd(z.mjd)});
  }
}

}  // namespace

void tbodies_component::initialise(tengine& engine) {
  tsky_chart_component* chart = sky_chart(engine);
  if (!chart) return;
  chart->hooks().add(tsky_layer::bodies, "bodies", [this](Zeichenflaeche& s, const tsky_scene& scene) {
    store_body_places(scene, bodies_);
    draw_bodies(s, scene, bodies_, figures_, sources_);
  });
  chart->hooks().add(tsky_layer::after, "orbit track", [this, &engine](Zeichenflaeche& s, const tsky_scene& scene) {
    if (engine.flags().bahndateioffen) draw_track_points(s, scene, track_, engine.zeitort(), pluto_shown_);
  });
}

void tbodies_component::compute_positions(tengine& engine) {
  const tkonfiguration& k = engine.konfig();
  pluto_shown_ = pluto_in_range(k.theorie, engine.zeitort().t);
  bodies_ = compute_bodies(engine.zeitort(), k.theorie, k.useaberrat);
  const tlaufzeit& f = engine.flags();
  if (f.animationlaeuft && f.bahndateioffen && records_on(k.kartenart)) record(engine);
}

void tbodies_component::record(const tengine& engine) {
  const tzeitort& z = engine.zeitort();
  const double jd = jd_from_mjd(z.mjd);
  if (!track_.empty() && track_.object(track_.count() - 1)->jd == jd) return;
  const tbahndatei& o = engine.konfig().bahndatei;
  for (int body = sonne; body <= mond; ++body) {
    const tkoerperdaten& d = bodies_[body];
    if (!o.objekte[body] || !d.valid) continue;
    add_track_point(track_, {std::string(body_name(body)), d.ra, d.dec, z.year, jd});
  }
  tstars* stars = tsky_chart_component::catalogue(engine);
  if (!stars) return;
  if (o.objekte[kAsteroidSlot]) record_small_bodies(track_, stars->asteroids(), sources_.asteroid_name, z);
  if (o.objekte[kCometSlot]) record_small_bodies(track_, stars->comets(), sources_.comet_name, z);
}

void add_bodies_component(tengine& engine) { engine.add_component(std::make_unique<tbodies_component>()); }

tbodies_component* bodies_component(const tengine& engine) {
  return dynamic_cast<tbodies_component*>(engine.component(tbodies_component::kName));
}

}  // namespace sdro
