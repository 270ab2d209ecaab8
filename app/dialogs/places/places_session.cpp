// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/places/places_session.h"

#include "app/engine/engine.h"
#include "astro/language.h"

namespace sdro {

tmessage_service& tplaces_session::messages() { return engine_.messages(); }

tclock_reading tplaces_session::today() const {
  const tcivil_now now = engine_.clock().now();
  return {now.day, now.month, now.year, now.hours};
}

Orttabelle& tplaces_session::locations() {
  const std::string& remembered = engine_.konfig().ort_dateiname;
  if (!locations_tried_ || remembered != remembered_) {
    locations_tried_ = true;
    remembered_ = remembered;
    locations_.Neuedateiladen(remembered.empty() ? engine_.data_file("Orte.csv").string() : remembered, 0);
  }
  return locations_;
}

std::string tplaces_session::location_file() const {
  return locations_.empty() ? std::string() : locations_.Ortdateiname();
}

bool tplaces_session::load_locations(const std::string& file) {
  locations();  // the first load stays the first
  const tlocation_load r = locations_.Neuedateiladen(file, 0);
  if (!r.ok) {
    messages().show(r.message, r.caption, tmessage_icon::error);
    return false;
  }
  engine_.konfig().ort_dateiname = remembered_ = file;
  return true;
}

const tearth_map* tplaces_session::earth_map() {
  if (!map_tried_) {
    map_tried_ = true;
    tearth_map_load r = read_earth_map(engine_.datenverzeichnis());
    if (r.ok) {
      map_ = std::make_unique<tearth_map>(std::move(r.map));
    } else {
      messages().show(r.message, kProgramCaption, tmessage_icon::error);
    }
  }
  return map_.get();
}

bool tplaces_session::set_home(const tzeitort& z) {
  const std::string caption = std::string(sdro::tr("Heimatort: ", "Home Location: ")) + engine_.settings().home.name;
  if (!messages().ask_yes_no(sdro::tr("Aktuellen Ort als Heimatort neu festlegen?",
                                "Define current settings as new Home Location?"),
                             caption, tmessage_icon::question)) {
    return false;
  }
  engine_.settings().home = home_from(z);
  write_home(engine_.ini(), engine_.settings().home);
  if (!engine_.settings_path().empty() && !engine_.ini().save(engine_.settings_path())) {
    messages().show(engine_.settings_path().string() +
                        std::string(sdro::tr(" kann nicht geschrieben werden.", " cannot be written.")),
                    kProgramCaption, tmessage_icon::warning);
  }
  return true;
}

void tplaces_session::return_home(tzeitort& z) const { set_place(z, engine_.settings().home); }

}  // namespace sdro
