// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/catalogue_ephemeris.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "app/dialogs/catalog/stars_component.h"
#include "app/engine/engine.h"
#include "app/engine/instant.h"
#include "app/start_options.h"
#include "app/state/messages.h"
#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/enums.h"
#include "astro/language.h"
#include "astro/instant.h"  // civil_from_instant
#include "astro/refraction.h"
#include "catalog/designations.h"
#include "catalog/sky_places.h"
#include "catalog/stars.h"
#include "catalog/zone_catalogue.h"

namespace sdro {
namespace {

/// A magnitude band no object of the catalogue lies in (hundredths).
constexpr int kNoMagnitude = -400;

/// Upper case without blanks: "sao 151 881" and "SAO151881" are one designation.
std::string compact(std::string_view text) {
  std::string out;
  for (const char c : upper_ascii(text)) {
    if (c != ' ') out += c;
  }
  return out;
}

bool all_digits(std::string_view s) {
  if (s.empty()) return false;
  for (const char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

/// A recompute pass that positions only the objects of one magnitude band
/// (the places of date of everything are renewed all the same).
trecompute_request band_request(int star_magnitude, int nebula_magnitude) {
  trecompute_request r;
  r.previous_star_limit = star_magnitude - 1;
  r.star_limit = star_magnitude;
  r.previous_nebula_limit = nebula_magnitude - 1;
  r.nebula_limit = nebula_magnitude;
  r.figures = false;
  r.boundaries = false;
  r.milky_way = 0;
  r.outlines = false;
  return r;
}

double azimuth_of(float sin_azimuth, float cos_azimuth) {
  const double a = normalize_degrees(atan2_deg(cos_azimuth, sin_azimuth));
  return a >= 360.0 ? 0.0 : a;
}

}  // namespace

tzeitort ephemeris_instant(double jd_ut, const std::optional<tephemerisplace>& place) {
  tzeitort z;
  z.zone = 0;
  z.additional_minutes = 0;
  z.daylight_saving = 0;
  z.automatic_delta_t = true;
  z.use_refraction = false;
  z.mjd = mjd_from_jd(jd_ut);
  z.latitude = place ? place->latitude : 0.0;
  z.longitude = place ? place->west_longitude : 0.0;
  z.height = place ? static_cast<std::int32_t>(std::lround(place->height)) : 0;
  if (place) {
    z.temperature = place->temperature;
    z.pressure = place->pressure;
  }
  z.place_name.clear();
  civil_from_instant(z);
  update_derived(z, true);
  return z;
}

tcatalogue_ephemeris::tcatalogue_ephemeris() = default;

tcatalogue_ephemeris::~tcatalogue_ephemeris() = default;

std::string tcatalogue_ephemeris::start(const tcommand_line& cl) {
  if (!QCoreApplication::instance()) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  messages_ = std::make_unique<tscripted_messages>(&std::cerr);
  engine_ = std::make_unique<tengine>(*messages_);
  add_stars_component(*engine_);
  if (!engine_->initialisieren(start_options(cl, false)) || !stars_component(*engine_)->stars())
    return std::string(tr("die Kataloge konnten nicht geladen werden (siehe die Meldung oben; --datadir nennt das "
                          "Datenverzeichnis)",
                          "the catalogues could not be loaded (see the message above; --datadir names the data "
                          "directory)"));
  stars().set_azimuth_origin(azimutNord);
  return {};
}

tstars& tcatalogue_ephemeris::stars() { return *stars_component(*engine_)->stars(); }

bool tcatalogue_ephemeris::find(std::string_view designation, double jd_ut, std::string& why) {
  why.clear();
  const std::string query = compact(designation);
  // The zone files carry Hipparcos stars as "HIPn": the PPM files every
  // one, the SAO files those without an SAO number.
  std::vector<std::string> queries;
  if (query.size() > 3 && query.rfind("HIP", 0) == 0 && all_digits(query.substr(3))) {
    queries = {"PPM" + query, "SAO" + query};
  } else {
    queries = {query};
  }
  const tdatenbestand& files = engine_->datenbestand();
  const tzeitort z = ephemeris_instant(jd_ut, std::nullopt);
  for (const std::string& q : queries) {
    const bool sao = q.rfind("SAO", 0) == 0, ppm = q.rfind("PPM", 0) == 0;
    if ((sao && !files.sao) || (ppm && !files.ppm)) {
      if (why.empty()) {
        why = std::string(sao ? tr("der SAO-Zonenkatalog ist nicht installiert in ",
                                   "the SAO zone catalogue is not installed in ")
                              : tr("der PPM-Zonenkatalog ist nicht installiert in ",
                                   "the PPM zone catalogue is not installed in ")) +
              engine_->datenverzeichnis().string();
      }
      continue;
    }
    stars().set_reprecess(true);
    object_ = find_sky_object(stars(), q, z, true);
    // A star of the file fainter than the loading level of the settings:
    // the whole file is loaded, as the memory settings would load it.
    if (!object_.found() && !sao && !ppm && stars().level() < stars().levels().max_level) {
      engine_->settings().level = stars().levels().max_level;
      stars_component(*engine_)->recreate(*engine_);
      if (!stars_component(*engine_)->stars()) return false;
      stars().set_azimuth_origin(azimutNord);
      stars().set_reprecess(true);
      object_ = find_sky_object(stars(), q, z, true);
    }
    if (object_.found()) {
      if (object_.kind == tsky_object_kind::zone_star) {
        zone_catalogue_ = sao ? tzone_catalogue::sao : tzone_catalogue::ppm;
        zone_designation_ = q.substr(3);
      }
      why.clear();
      return true;
    }
  }
  return false;
}

bool tcatalogue_ephemeris::zone_search(tzone_catalogue catalogue, const std::string& designation,
                                       const tzeitort& z) {
  const tzone_star_found f = FindZoneStar(stars().data_directory(), catalogue, z, true, designation);
  if (!f.found) return false;
  object_.apparent = {f.ra, f.dec};
  object_.mean = object_.apparent;
  return true;
}

std::optional<tephemerisrow> tcatalogue_ephemeris::row(double jd_ut,
                                                       const std::optional<tephemerisplace>& place) {
  const tzeitort z = ephemeris_instant(jd_ut, place);
  tstars& s = stars();
  tephemerisrow row;
  row.body = -1;
  row.has_distance = false;
  row.jd_ut = jd_ut;
  row.jd_tt = jd_ut + z.delta_t / 86400.0;
  thorizontal_place h;
  switch (object_.kind) {
    case tsky_object_kind::star: {
      // The recompute of the chart: mean place of date, then nutation,
      // aberration and the horizontal place of the container's frame.
      const tsternrecord& star = s.stars()[object_.index];
      s.SetDateAndPlace(z, true, true);
      s.set_reprecess(true);
      s.RecomputePositions(band_request(star.magnitude, kNoMagnitude));
      row.ra = star.ra_apparent;
      row.dec = star.dec_apparent;
      h = {star.altitude, star.sin_azimuth, star.cos_azimuth};
      break;
    }
    case tsky_object_kind::deep_sky: {
      // The chart draws deep-sky objects at their mean place of date; the
      // table gives the apparent place by the stars' transform.
      const tnebelrecord& nebula = s.nebulae()[object_.index];
      s.SetDateAndPlace(z, true, true);
      s.set_reprecess(true);
      s.RecomputePositions(band_request(kNoMagnitude, nebula.magnitude));
      const tequatorial apparent =
          apparent_place({nebula.ra_date, nebula.dec_date}, apparent_transform(z, true));
      row.ra = apparent.ra;
      row.dec = apparent.dec;
      h = horizontal_place(apparent, s.horizon());
      break;
    }
    case tsky_object_kind::zone_star: {
      s.SetDateAndPlace(z, true, false);
      if (!zone_search(zone_catalogue_, zone_designation_, z)) return std::nullopt;
      row.ra = object_.apparent.ra;
      row.dec = object_.apparent.dec;
      h = horizontal_place(object_.apparent, s.horizon());
      break;
    }
    case tsky_object_kind::none:
      return std::nullopt;
  }
  true_ecliptic(row.ra, row.dec, z.t, row.lon, row.lat);
  if (place) {
    row.has_place = true;
    row.ra_topo = row.ra;
    row.dec_topo = row.dec;
    row.altitude = h.altitude;
    row.altitude_refracted = refraction(z.temperature, z.pressure, row.altitude);
    row.azimuth_north = azimuth_of(h.sin_azimuth, h.cos_azimuth);
  }
  return row;
}

}  // namespace sdro
