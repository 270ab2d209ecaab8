// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/stars.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <system_error>

#include "astro/angles.h"
#include "astro/file_io.h"
#include "astro/horizontal.h"
#include "astro/language.h"
#include "astro/light_time.h"
#include "catalog/list_search.h"

namespace sdro {
namespace {

constexpr int kProgressStep = 6000;

/// The place of date of a line point or deep-sky object from its 1950 vector.
template <class Record>
void precess_to_date(Record& r, const tdrehmatrix& precession_j1950) {
  const tequatorial date = place_of(transformed(precession_j1950, {r.x1950, r.y1950, r.z1950}));
  r.ra_date = float_ra(date.ra);
  r.dec_date = static_cast<float>(date.dec);
}

/// The horizontal fields of a star, line point, deep-sky object or label.
template <class Record>
void store_horizontal(Record& r, const thorizontal_place& h) {
  r.altitude = h.altitude;
  r.sin_azimuth = h.sin_azimuth;
  r.cos_azimuth = h.cos_azimuth;
}
/// The largest data file read whole (the star file holds some 10 MB).
constexpr std::size_t kLargestDataFile = std::size_t(256) << 20;

/// Whole degrees toward zero.
template <class T>
T truncated_degrees(double x) {
  return static_cast<T>(std::trunc(x));
}

}  // namespace

tfatal_message catalogue_fatal_message(tstars_status status) {
  tfatal_message m;
  m.caption = std::string(tr("Schwerer Fehler", "Fatal Error"));
  switch (status) {
    case tstars_status::star_file:
      m.text = std::string(tr("Die Datei sterne.dat fehlt oder ist beschädigt. Sidaro 3.0 wird beendet.",
                              "File sterne.dat not found or corrupt. Sidaro 3.0 halted."));
      break;
    case tstars_status::line_file:
      m.text = std::string(tr("Die Datei linien.dat fehlt oder ist beschädigt. Sidaro 3.0 wird beendet.",
                              "File linien.dat not found or corrupt. Sidaro 3.0 halted."));
      break;
    case tstars_status::nebula_file:
      m.text = std::string(
          tr("Die Datei nebel_ext.dat fehlt oder ist beschädigt. Sidaro 3.0 wird beendet.",
             "File nebel_ext.dat not found or corrupted. Sidaro 3.0 halted."));
      break;
    case tstars_status::ok:
      m.caption.clear();
      break;
  }
  return m;
}

std::string refresh_notice_text() {
  return std::string(tr("Bitte warten, jährliche Neuberech- nung der Datenbanken erfolgt.",
                        "Please wait while recalculating databases (only one time every year)."));
}

std::filesystem::path catalogue_file(const std::filesystem::path& data_directory,
                                     const std::string& name) {
  std::error_code ec;
  const std::filesystem::path exact = data_directory / name;
  if (std::filesystem::exists(exact, ec)) return exact;
  const std::u32string wanted = lower_case_for_search(name);
  for (const auto& entry : std::filesystem::directory_iterator(data_directory, ec)) {
    if (lower_case_for_search(entry.path().filename().string()) == wanted) return entry.path();
  }
  return exact;
}

bool precession_due(int praezession, const tzeitort& previous, const tzeitort& current) {
  const double days = std::fabs(current.mjd - previous.mjd);
  switch (praezession) {
    case 1:
      return days > 182.0;
    case 2:
      return days > 120.0;
    case 3:
      return days > 30.0;
    case 4:
      return true;
    default:
      return current.year != previous.year;
  }
}

tstars::tstars() : satellites_(kSatelliteSlotCount) {}

tstars::~tstars() = default;

std::unique_ptr<tstars> tstars::create(const tstars_setup& setup, const tzeitort& z,
                                       tstars_status& status) {
  auto stars = std::make_unique<tstars>();
  status = stars->reload(setup, z);
  if (status != tstars_status::ok) stars.reset();
  return stars;
}

void tstars::start(const tstars_setup& setup, const tzeitort& z) {
  loaded_ = false;
  dir_ = setup.data_directory;
  z_ = z;
  useaberrat_ = setup.useaberrat;
  azimuth_offset_ = azimuth_offset(setup.azimut);
  frame_ = observer_frame(z, azimuth_offset_);
  positions_changed_ = true;
  first_pass_ = true;
  reprecess_ = false;
  on_refresh_ = setup.on_refresh;
  folder_writable_ = setup.folder_writable;
  refresh_notice_given_ = false;
  tsterne_list().swap(stars_);
  std::vector<tlinienpunkt>().swap(lines_);
  std::vector<std::uint32_t>().swap(line_frames_);
  tnebel_list().swap(nebulae_);
  labels_ = {};
  bodies_ = {};
  asteroids_.clear();
  comets_.clear();
  satellites_.assign(kSatelliteSlotCount, tsatellitenposition{});
}

tstars_status tstars::reload(const tstars_setup& setup, const tzeitort& z) {
  start(setup, z);
  const tstars_status status = load(setup);
  if (status == tstars_status::ok) {
    loaded_ = true;
  } else {
    start(setup, z);  // nothing of a partial load is kept
  }
  return status;
}

tstars_status tstars::load(const tstars_setup& setup) {
  const std::filesystem::path path = catalogue_file(dir_, kStarFileName);
  tstar_file file = open_star_file(path, setup.level);
  if (file.status != tstar_file_status::ok) return tstars_status::star_file;
  levels_ = file.levels;
  level_ = file.level;
  if (setup.check_year && file.cached_year_byte != year_byte(z_.year)) {
    RefreshStarFile(z_);
    reprecess_ = true;
  }
  load_star_tail(path, file, refreshed_star_image_.empty() ? nullptr : &refreshed_star_image_);
  std::string().swap(refreshed_star_image_);
  if (file.status != tstar_file_status::ok) return tstars_status::star_file;
  stars_ = std::move(file.stars);
  if (!load_lines()) return tstars_status::line_file;
  if (!load_nebulae()) return tstars_status::nebula_file;
  reprecess_ = false;
  fill_constellation_labels(labels_, setup.latin);
  return tstars_status::ok;
}

bool tstars::load_lines() {
  const std::filesystem::path path = catalogue_file(dir_, kLineFileName);
  auto image = read_whole_file(path, kLargestDataFile);
  if (!image || image->size() < kLineRecordSize) return false;
  const std::size_t n = std::min(image->size() / kLineRecordSize, kLineCapacity);
  lines_.assign(n, tlinienpunkt{});
  line_frames_.assign(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    if (!decode_line_record(std::string_view(*image).substr(i * kLineRecordSize, kLineRecordSize), lines_[i])) {
      lines_.clear();
      line_frames_.clear();
      return false;
    }
  }
  reprecess_ = line_record_year(*image) != z_.year;
  if (reprecess_) {
    refresh_line_image(*image, z_, n);
    write_refreshed(path, *image);
  }
  return true;
}

bool tstars::load_nebulae() {
  const std::filesystem::path path = catalogue_file(dir_, kNebulaFileName);
  auto image = read_whole_file(path, kLargestDataFile);
  if (!image || image->size() < kNebulaRecordSize) return false;
  const std::size_t n = image->size() / kNebulaRecordSize;
  nebulae_.assign(n, tnebelrecord{});
  for (std::size_t i = 0; i < n; ++i) {
    if (!decode_nebula_record(std::string_view(*image).substr(i * kNebulaRecordSize, kNebulaRecordSize),
                              nebulae_[i])) {
      nebulae_.clear();
      return false;
    }
  }
  reprecess_ = nebula_year_byte(*image) != year_byte(z_.year);
  if (reprecess_) {
    refresh_nebula_image(*image, z_);
    write_refreshed(path, *image);
  }
  return true;
}

void tstars::SetPositionsChanged(bool changed) { positions_changed_ = changed; }

void tstars::SetDateAndPlace(const tzeitort& z, bool useaberrat, bool changed) {
  z_ = z;
  useaberrat_ = useaberrat;
  frame_ = observer_frame(z_, azimuth_offset_);
  lines_out_of_date();
  positions_changed_ = changed;
}

void tstars::set_azimuth_origin(tazimutzaehlung origin) {
  azimuth_offset_ = azimuth_offset(origin);
  frame_ = observer_frame(z_, azimuth_offset_);
  lines_out_of_date();
}

void tstars::RecomputePositions(const trecompute_request& request) {
  if (!positions_changed_) return;
  milky_way_ = request.milky_way;
  outlines_ = request.outlines;
  const bool precess = first_pass_ || reprecess_;
  if (precess) precess_stars();
  position_stars(request);
  if (precess) precess_lines();
  if (request.figures || request.boundaries || request.milky_way > 0 || request.outlines) {
    ComputeLineHorizon(request.animation_running, request.figures, request.boundaries);
  }
  if (precess) {
    precess_nebulae();
    precess_labels();
  }
  reprecess_ = false;
  position_nebulae(request);
  position_labels();
  first_pass_ = false;
}

void tstars::precess_stars() {
  const double years = years_since(kCatalogueEpoch1950, z_.t);
  for (tsternrecord& s : stars_) {
    const tvektor mean = moved_and_precessed(s.ra_1950, s.dec_1950, s.pm_ra, s.pm_dec, years, z_.precession_j1950);
    const tequatorial date = place_of(mean);
    s.ra_date = float_ra(date.ra);
    s.dec_date = static_cast<float>(date.dec);
    s.mean_x = static_cast<float>(mean.x);
    s.mean_y = static_cast<float>(mean.y);
    s.mean_z = static_cast<float>(mean.z);
  }
}

void tstars::position_stars(const trecompute_request& request) {
  if (!first_pass_ && request.zone_catalogue_in_use) return;
  const int lower = first_pass_ ? INT_MIN : request.previous_star_limit;
  const bool report = request.progress && !request.animation_running;
  const tapparent_transform apparent = apparent_transform(z_, useaberrat_);
  const std::size_t n = stars_.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (report && i % kProgressStep == 0) request.progress(static_cast<int>(i * 100 / n));
    tsternrecord& s = stars_[i];
    if (s.magnitude <= lower || s.magnitude > request.star_limit) continue;
    const tvektor direction = apparent_direction({s.mean_x, s.mean_y, s.mean_z}, apparent);
    if (apparent.active) {
      const tequatorial place = place_of(direction);
      s.ra_apparent = float_ra(place.ra);
      s.dec_apparent = static_cast<float>(place.dec);
    } else {
      s.ra_apparent = s.ra_date;
      s.dec_apparent = s.dec_date;
    }
    store_horizontal(s, horizontal_place(direction, frame_));
  }
}

void tstars::precess_lines() {
  for (tlinienpunkt& p : lines_) precess_to_date(p, z_.precession_j1950);
  lines_out_of_date();
}

void tstars::lines_out_of_date() {
  if (++line_frame_ == 0) {  // after 2^32 changes: no point may look current by chance
    std::fill(line_frames_.begin(), line_frames_.end(), 0);
    line_frame_ = 1;
  }
}

void tstars::position_line_point(std::size_t index) {
  tlinienpunkt& p = lines_[index];
  store_horizontal(p, horizontal_place(tequatorial{p.ra_date, p.dec_date}, frame_));
  line_frames_[index] = line_frame_;
}

void tstars::ComputeLineHorizon(bool /*animation_running*/, bool figures, bool boundaries) {
  const tline_range range = line_horizon_range(figures, boundaries, milky_way_, outlines_, lines_.size());
  for (std::size_t number = range.first; number <= range.last; ++number) position_line_point(number - 1);
}

const tlinienpunkt& tstars::line_point_horizontal(std::size_t number) {
  if (line_frames_[number - 1] != line_frame_) position_line_point(number - 1);
  return lines_[number - 1];
}

void tstars::precess_nebulae() {
  for (tnebelrecord& o : nebulae_) precess_to_date(o, z_.precession_j1950);
}

void tstars::precess_labels() {
  for (tsternbildlabel& l : labels_) {
    const tequatorial date = place_of(transformed(z_.precession_j1950, polar_to_cartesian(l.ra_1950, l.dec_1950, 1.0)));
    l.ra_date = truncated_degrees<std::uint16_t>(date.ra);
    l.dec_date = truncated_degrees<std::int8_t>(date.dec);
  }
}

void tstars::position_nebulae(const trecompute_request& request) {
  for (tnebelrecord& o : nebulae_) {
    if (o.magnitude <= request.previous_nebula_limit || o.magnitude > request.nebula_limit) continue;
    store_horizontal(o, horizontal_place(tequatorial{o.ra_date, o.dec_date}, frame_));
  }
}

void tstars::position_labels() {
  for (tsternbildlabel& l : labels_) {
    store_horizontal(l, horizontal_place(tequatorial{double(l.ra_date), double(l.dec_date)}, frame_));
  }
}

void tstars::ComputeAsteroid(std::size_t index) {
  if (index >= asteroids_.size()) return;
  tkoerperposition& slot = asteroids_[index];
  slot.valid = compute_asteroid_ ? compute_asteroid_(z_, index, slot) : false;
}

void tstars::ComputeComet(std::size_t index) {
  if (index >= comets_.size()) return;
  tkoerperposition& slot = comets_[index];
  slot.valid = compute_comet_ ? compute_comet_(z_, index, slot) : false;
}

tvektor tstars::HelioToGeo(const tvektor& heliocentric, const tvektor& sun_geocentric) const {
  return heliocentric + sun_geocentric;
}

void tstars::AddEarthVector(tvektor& geocentric) const {
  if (!useaberrat_) return;
  geocentric = geocentric - light_time_aberration(length(geocentric), z_.sun_distance, z_.sun_latitude,
                                                  z_.sun_longitude, z_.t);
}

void tstars::CorrectLightTime(tvektor& geocentric, const tvektor& heliocentric_velocity) const {
  geocentric = geocentric - (kLightTimePerAu * length(geocentric)) * heliocentric_velocity;
}

std::filesystem::path tstars::real_file(const std::filesystem::path& path) {
  // A link is followed, so the file it names is replaced and the link stays.
  std::error_code ec;
  const std::filesystem::path target = std::filesystem::weakly_canonical(path, ec);
  return ec ? path : target;
}

bool tstars::may_write(const std::filesystem::path& path) const {
  // The folder the file really lives in decides, not the folder of a link.
  const std::filesystem::path folder = real_file(path).parent_path();
  return folder_writable_ ? folder_writable_(folder) : folder_is_writable(folder);
}

bool tstars::write_refreshed(const std::filesystem::path& path, const std::string& image) {
  if (!may_write(path)) return false;
  if (!refresh_notice_given_ && on_refresh_) on_refresh_();
  refresh_notice_given_ = true;
  return write_file_atomically(real_file(path), image);
}

bool tstars::RefreshStarFile(const tzeitort& z) {
  const std::filesystem::path path = catalogue_file(dir_, kStarFileName);
  if (!may_write(path)) return false;
  auto image = read_whole_file(path, kLargestDataFile);
  if (!image || image->size() < kStarRecordSize) return false;
  refresh_star_image(*image, z);
  const bool written = write_refreshed(path, *image);
  refreshed_star_image_ = std::move(*image);
  return written;
}

}  // namespace sdro
