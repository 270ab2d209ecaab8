// What the date, time and place dialogs share for the whole run: the engine
// (messages, settings, the computer's clock), the location list loaded once
// from the remembered location file, the Earth map read on first use, and
// the home place.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "astro/instant.h"
#include "places/earth_map.h"
#include "places/location_table.h"

namespace sdro {

class tengine;
class tmessage_service;
struct tzeitort;

class tplaces_session {
 public:
  explicit tplaces_session(tengine& engine) : engine_(engine) {}

  tengine& engine() { return engine_; }
  tmessage_service& messages();
  /// The computer's date and time (the engine's clock).
  tclock_reading today() const;

  /// The location list. The first use in a run loads the remembered location
  /// file (the configuration's, else "Orte.csv" of the data directory)
  /// without messages; so does the first use after a configuration that
  /// names another file was applied.
  Orttabelle& locations();
  /// The location file in use ("" when the list is empty).
  std::string location_file() const;
  /// Loads another location file with messages; it is remembered only when it loaded.
  bool load_locations(const std::string& file);

  /// The Earth map; nullptr (after a message) when its files cannot be read.
  const tearth_map* earth_map();

  /// "Als Heimatort definieren": asks, and on Yes makes the place of `z` the
  /// home place in the settings and the settings file. True when it did.
  bool set_home(const tzeitort& z);
  /// "&Zurück zu Heimatort": the home place becomes the place of `z`.
  void return_home(tzeitort& z) const;

 private:
  tengine& engine_;
  Orttabelle locations_;
  bool locations_tried_ = false;
  std::string remembered_;  // the configuration's location file the list was loaded for
  std::unique_ptr<tearth_map> map_;
  bool map_tried_ = false;
};

}  // namespace sdro
