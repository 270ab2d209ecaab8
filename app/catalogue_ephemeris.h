// --ephemeris for stars, zone-catalogue stars and deep-sky objects: the
// engine is started with its catalogue component as the headless modes start
// it, and every row comes from the catalogue container's own recompute for
// the row's instant, as the chart positions the object.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "astro/zeitort.h"
#include "catalog/sky_object_lookup.h"
#include "catalog/zone_table.h"
#include "ephem/ephemeris_row.h"

class QGuiApplication;

namespace sdro {

class tengine;
class tscripted_messages;
class tstars;

/// The instant record of a row: UT given as a Julian Date, ΔT from the date,
/// the place (or 0°, 0° without one) with its air, the apparent sidereal time
/// (the places are apparent ones) and the derived fields up to date. The
/// refraction flag is off, so the horizontal places are geometric.
tzeitort ephemeris_instant(double jd_ut, const std::optional<tephemerisplace>& place);

class tcatalogue_ephemeris {
 public:
  tcatalogue_ephemeris();
  ~tcatalogue_ephemeris();
  tcatalogue_ephemeris(const tcatalogue_ephemeris&) = delete;
  tcatalogue_ephemeris& operator=(const tcatalogue_ephemeris&) = delete;

  /// Starts the engine with the settings file and data directory of the
  /// command line (--ini, --datadir) as --render does; without a window, on
  /// Qt's offscreen platform. Empty on success, else the message.
  std::string start(const tcommand_line& cl);

  /// Looks a star name, "SAO n", "PPM HIPn", "HIP n", "M n", "NGC n" or
  /// "IC n" up at the instant (stars fainter than the loading level of the
  /// settings make the catalogue load the whole star file). False when the
  /// designation names nothing; `why` then tells what is missing when the
  /// zone catalogue asked for is not installed.
  bool find(std::string_view designation, double jd_ut, std::string& why);
  /// The object found.
  const tsky_object& object() const { return object_; }

  /// The row of the found object at jd_ut: α, δ the apparent place of date
  /// (nutation and aberration on), λ, β of the true ecliptic of date, no
  /// distance; with a place the horizontal coordinates from the container's
  /// horizontal frame (azimuth from north), the topocentric place equal to
  /// the geocentric one (the catalogue has no parallaxes). Nothing when the
  /// zone file of a zone star can no longer be read.
  std::optional<tephemerisrow> row(double jd_ut, const std::optional<tephemerisplace>& place);

 private:
  tstars& stars();
  bool zone_search(tzone_catalogue catalogue, const std::string& designation, const tzeitort& z);

  // The application object, when this mode has to create it, with the
  // arguments it keeps a reference to. Declared first, so the engine (which
  // holds Qt objects) goes before it.
  int argc_ = 1;
  char name_[5] = {'s', 'd', 'r', 'o', '\0'};
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
  std::unique_ptr<tscripted_messages> messages_;
  std::unique_ptr<tengine> engine_;

  tsky_object object_;
  tzone_catalogue zone_catalogue_ = tzone_catalogue::sao;
  std::string zone_designation_;  ///< as the zone files carry it ("151881", "HIP32349")
};

}  // namespace sdro
