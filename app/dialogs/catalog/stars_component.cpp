// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/catalog/stars_component.h"

#include "app/engine/engine.h"
#include "app/engine/instant.h"
#include "astro/chart_kind.h"
#include "astro/file_io.h"

namespace sdro {

bool tstars_component::create(tengine& engine, bool check_year) {
  tsettings& settings = engine.settings();
  const tkonfiguration& k = engine.konfig();
  tstars_setup setup;
  setup.data_directory = engine.datenverzeichnis();
  setup.level = settings.level;
  setup.check_year = check_year;
  setup.useaberrat = k.useaberrat;
  setup.azimut = settings.azimut;
  setup.latin = k.lateinisch;
  setup.folder_writable = [&engine](const std::filesystem::path& folder) {
    std::error_code ec;
    return engine.may_rewrite_catalogues() && !std::filesystem::exists(folder / kProtectedDataMarker, ec) &&
           folder_is_writable(folder);
  };
  setup.on_refresh = [this] {
    if (on_refresh_notice) on_refresh_notice();
  };
  // The year check is that of the computer's clock: the caches are renewed
  // on the first start in a new calendar year.
  tzeitort z = engine.zeitort();
  if (check_year) {
    set_civil(z, engine.clock().now());
    complete_from_civil(z);
  }
  update_derived(z, k.uselast);
  const tstars_status status = catalogue_.reload(setup, z);
  failed_ = status != tstars_status::ok;
  if (failed_) {
    const tfatal_message m = catalogue_fatal_message(status);
    engine.messages().show(m.text, m.caption, tmessage_icon::error);
    return false;
  }
  settings.level = catalogue_.level();
  if (k.grenzgroessesterne > settings.level * 10) engine.konfig().grenzgroessesterne = settings.level * 10;
  precessed_for_ = z;
  return true;
}

void tstars_component::initialise(tengine& engine) { create(engine, true); }

void tstars_component::recreate(tengine& engine) {
  if (create(engine, false)) engine.flags().positionenneu = true;
}

void tstars_component::apply(tengine& engine, tapply_step step) {
  if (!catalogue_.loaded() || step != tapply_step::einstellungen) return;
  catalogue_.set_latin_names(engine.konfig().lateinisch);
  catalogue_.set_azimuth_origin(engine.settings().azimut);
}

void tstars_component::prepare(tengine& engine) {
  if (!catalogue_.loaded()) return;
  const tzeitort& z = engine.zeitort();
  if (precession_due(engine.konfig().praezession, precessed_for_, z)) {
    catalogue_.set_reprecess(true);
    precessed_for_ = z;
  }
  catalogue_.set_azimuth_origin(engine.settings().azimut);
  catalogue_.SetDateAndPlace(z, engine.konfig().useaberrat, true);
}

void tstars_component::compute_positions(tengine& engine) {
  if (!catalogue_.loaded() || !engine.sternauswahl().darf_neu_aufbauen) return;
  tkonfiguration& k = engine.konfig();
  const tdatenbestand& files = engine.datenbestand();
  zone_catalogue_in_use_ = UseZoneCatalogue(k.kartenart == ka_zoom, files.sao, files.ppm, k.zoomkarte[2],
                                            engine.settings().use_complete_sao,
                                            engine.flags().animationlaeuft, k.ppm);
  trecompute_request r;
  r.previous_star_limit = engine.sternauswahl().letzte_grenze_sterne;
  r.star_limit = k.grenzgroessesterne;
  r.previous_nebula_limit = engine.sternauswahl().letzte_grenze_nebel;
  r.nebula_limit = k.grenzgroessenebel;
  r.zone_catalogue_in_use = zone_catalogue_in_use_;
  r.animation_running = engine.flags().animationlaeuft;
  r.figures = k.sternbilder;
  r.boundaries = k.sternbildgrenzen;
  r.milky_way = k.milchstrasse;
  r.outlines = k.nebelumrisse;
  catalogue_.SetPositionsChanged(true);
  catalogue_.RecomputePositions(r);
}

tzone_request tstars_component::zone_request(const tengine& engine) {
  const tkonfiguration& k = engine.konfig();
  const tdatenbestand& files = engine.datenbestand();
  tzone_request r;
  r.data_directory = engine.datenverzeichnis();
  r.catalogue = chosen_zone_catalogue(k.ppm, files.sao, files.ppm);
  r.map = {k.zoomkarte[0], k.zoomkarte[1], k.zoomkarte[2]};
  r.limit = k.grenzgroessesao;
  r.useaberrat = k.useaberrat;
  return r;
}

void add_stars_component(tengine& engine) { engine.add_component(std::make_unique<tstars_component>()); }

tstars_component* stars_component(const tengine& engine) {
  return dynamic_cast<tstars_component*>(engine.component(tstars_component::kName));
}

}  // namespace sdro
