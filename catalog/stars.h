// The catalogue container: the loaded stars, the line table, the deep-sky
// objects and the constellation labels, the result slots of the bodies, and
// the recompute pass that positions all of them for an instant and place.
//
// The container is created over the data directory (it reads "sterne.dat",
// "linien.dat" and "nebel_ext.dat") and recreated when the memory settings
// change. Every operation runs on the caller's thread and returns within
// milliseconds; none of them processes pending user-interface events, so no
// command can run (and destroy the container) while a loop is under way.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "astro/enums.h"
#include "astro/vector.h"
#include "astro/zeitort.h"
#include "catalog/body_records.h"
#include "catalog/constellations.h"
#include "catalog/deep_sky.h"
#include "catalog/line_file.h"
#include "catalog/sky_places.h"
#include "catalog/star_file.h"
#include "catalog/star_record.h"

namespace sdro {

/// What creating the container needs besides the instant.
struct tstars_setup {
  std::filesystem::path data_directory;
  int level = kDefaultLevel;  ///< "Level": loading level, tenths of a magnitude
  /// Only the first creation in a program run compares the star file's
  /// cached year with the year of the instant (and refreshes the files).
  bool check_year = true;
  bool useaberrat = false;    ///< apparent star places with nutation and aberration
  tazimutzaehlung azimut = azimutSued;
  bool latin = true;          ///< constellation names in Latin ("Sternbildnamen lateinisch")
  /// Called once before the yearly refresh rewrites the data files (the
  /// start-up window shows its "Please wait" text); never when the data
  /// folder cannot be written.
  std::function<void()> on_refresh;
  /// Whether the data folder may be written (empty: tried by creating a file).
  std::function<bool(const std::filesystem::path&)> folder_writable;
};

/// Why the container could not be created.
enum class tstars_status { ok, star_file, line_file, nebula_file };

/// The fatal message of a failed creation (text and caption in the current
/// language; the main window shows it with the error icon and closes).
struct tfatal_message {
  std::string text;
  std::string caption;
};
tfatal_message catalogue_fatal_message(tstars_status status);

/// The text of the start-up window while the data files are refreshed.
std::string refresh_notice_text();

/// Inputs of one recompute pass.
struct trecompute_request {
  int previous_star_limit = -400;    ///< hundredths; −400 after a change of date, place or view
  int star_limit = 500;              ///< hundredths
  int previous_nebula_limit = -400;  ///< hundredths
  int nebula_limit = 500;            ///< hundredths
  bool zone_catalogue_in_use = false;  ///< the zoom chart takes its stars from the zone files
  bool animation_running = false;
  // Which line points the chart draws (ComputeLineHorizon).
  bool figures = true;
  bool boundaries = false;
  int milky_way = 0;                 ///< 0..4
  bool outlines = false;
  /// Progress 0..100 of the star loop, reported every 6000 stars when no
  /// animation runs. It may repaint a gauge but must not process events.
  std::function<void(int)> progress;
};

/// Computes a small body's position for the instant into its slot; false
/// when it cannot be computed. Installed by the element tables.
using tsmall_body_computation =
    std::function<bool(const tzeitort&, std::size_t index, tkoerperposition&)>;

class tstars {
 public:
  /// An empty container (nothing loaded).
  tstars();
  /// Loads the three files. On failure the result is empty and `status`
  /// names the file; nothing is kept.
  static std::unique_ptr<tstars> create(const tstars_setup& setup, const tzeitort& z,
                                        tstars_status& status);
  /// Frees everything and loads the files again in this same object (its
  /// address stays, so holders of a pointer keep a valid one). On failure the
  /// container is left empty.
  tstars_status reload(const tstars_setup& setup, const tzeitort& z);
  /// The files were loaded.
  bool loaded() const { return loaded_; }
  virtual ~tstars();
  tstars(const tstars&) = delete;
  tstars& operator=(const tstars&) = delete;

  // --- operations, in slot order -------------------------------------------
  /// 1. Sets the positions-changed flag.
  virtual void SetPositionsChanged(bool changed);
  /// 2. Takes the instant and place (with up-to-date derived fields), the
  /// useaberrat option and the positions-changed flag.
  virtual void SetDateAndPlace(const tzeitort& z, bool useaberrat, bool changed);
  /// 3. The recompute pass (when the positions-changed flag is set): stars,
  /// line points, deep-sky objects and constellation labels.
  virtual void RecomputePositions(const trecompute_request& request);
  /// 4. and 5. Small bodies of the displayed lists, through the installed computations.
  virtual void ComputeAsteroid(std::size_t index);
  virtual void ComputeComet(std::size_t index);
  /// 6. Geocentric vector of a body from its heliocentric one and the Sun's
  /// geocentric vector (AU, ecliptic of date).
  virtual tvektor HelioToGeo(const tvektor& heliocentric, const tvektor& sun_geocentric) const;
  /// 7. With useaberrat: subtracts the observer's motion during the light time
  /// from a geocentric vector (AU, ecliptic of date).
  virtual void AddEarthVector(tvektor& geocentric) const;
  /// 8. Subtracts the body's motion during the light time (heliocentric
  /// velocity in AU per day) from a geocentric vector.
  virtual void CorrectLightTime(tvektor& geocentric, const tvektor& heliocentric_velocity) const;
  /// 9. The yearly rewrite of "sterne.dat" for the year of `z`: true when the
  /// file was rewritten; skipped (false, no message) when the data folder
  /// cannot be written. The rewrite is atomic.
  virtual bool RefreshStarFile(const tzeitort& z);
  /// 10. Horizontal coordinates of the line points the chart draws.
  virtual void ComputeLineHorizon(bool animation_running, bool figures, bool boundaries);

  // --- what the chart reads --------------------------------------------------
  tsterne_list& stars() { return stars_; }
  const tsterne_list& stars() const { return stars_; }
  tnebel_list& nebulae() { return nebulae_; }
  const tnebel_list& nebulae() const { return nebulae_; }
  /// Line points 1..line_count().
  std::size_t line_count() const { return lines_.size(); }
  /// A point handed out for change gets its horizontal fields anew when
  /// line_point_horizontal next asks for it.
  tlinienpunkt& line_point(std::size_t number) {
    line_frames_[number - 1] = 0;
    return lines_[number - 1];
  }
  const tlinienpunkt& line_point(std::size_t number) const { return lines_[number - 1]; }
  /// Line point `number` with its horizontal fields for the current instant,
  /// place and azimuth origin: those of the recompute pass (ComputeLineHorizon),
  /// or computed now for a point it left out (a layer switched on after it,
  /// or a new instant before the next pass). The horizon chart draws with it.
  const tlinienpunkt& line_point_horizontal(std::size_t number);
  /// The points of a block, limited to the points present.
  tline_range line_block(tline_block block) const { return line_block_range(block, lines_.size()); }
  tsternbildtabelle& constellations() { return labels_; }
  const tsternbildtabelle& constellations() const { return labels_; }
  /// Renames the labels (Latin or German) when the options change.
  void set_latin_names(bool latin) { fill_constellation_labels(labels_, latin); }

  tkoerperslots& bodies() { return bodies_; }
  std::vector<tkoerperposition>& asteroids() { return asteroids_; }
  std::vector<tkoerperposition>& comets() { return comets_; }
  std::vector<tsatellitenposition>& satellites() { return satellites_; }
  void set_asteroid_computation(tsmall_body_computation f) { compute_asteroid_ = std::move(f); }
  void set_comet_computation(tsmall_body_computation f) { compute_comet_ = std::move(f); }

  // --- state -------------------------------------------------------------------
  const tzeitort& zeitort() const { return z_; }
  bool useaberrat() const { return useaberrat_; }
  void set_azimuth_origin(tazimutzaehlung origin);
  /// The observer's horizontal frame of the current instant.
  const thorizon_frame& horizon() const { return frame_; }
  /// The loading level in use and the level table of the star file.
  int level() const { return level_; }
  const tstar_levels& levels() const { return levels_; }
  /// The shell's re-precess signal (a large change of date, by the option
  /// "Präzession berechnen"): places of date are recomputed at the next pass.
  void set_reprecess(bool on) { reprecess_ = on; }
  bool reprecess() const { return reprecess_; }
  bool first_pass() const { return first_pass_; }
  bool positions_changed() const { return positions_changed_; }
  const std::filesystem::path& data_directory() const { return dir_; }

 private:
  void start(const tstars_setup& setup, const tzeitort& z);
  tstars_status load(const tstars_setup& setup);
  bool load_lines();
  bool load_nebulae();
  void precess_stars();
  void position_stars(const trecompute_request& request);
  void precess_lines();
  void precess_nebulae();
  void precess_labels();
  void position_nebulae(const trecompute_request& request);
  void position_line_point(std::size_t index);
  /// The horizontal frame or the places of date changed: every line point's
  /// horizontal fields are out of date.
  void lines_out_of_date();
  void position_labels();

  bool loaded_ = false;
  std::filesystem::path dir_;
  tzeitort z_;
  bool useaberrat_ = false;
  double azimuth_offset_ = 0.0;
  thorizon_frame frame_;
  bool positions_changed_ = true;
  bool first_pass_ = true;
  bool reprecess_ = false;
  int level_ = kDefaultLevel;
  tstar_levels levels_;
  bool write_refreshed(const std::filesystem::path& path, const std::string& image);
  static std::filesystem::path real_file(const std::filesystem::path& path);
  bool may_write(const std::filesystem::path& path) const;

  std::function<void()> on_refresh_;
  std::function<bool(const std::filesystem::path&)> folder_writable_;
  bool refresh_notice_given_ = false;
  std::string refreshed_star_image_;

  tsterne_list stars_;
  std::vector<tlinienpunkt> lines_;
  /// Per line point: the frame number its horizontal fields were computed
  /// for; they hold while it equals line_frame_.
  std::vector<std::uint32_t> line_frames_;
  std::uint32_t line_frame_ = 1;
  tnebel_list nebulae_;
  tsternbildtabelle labels_{};
  // ComputeLineHorizon also needs these chart flags of the last request.
  int milky_way_ = 0;
  bool outlines_ = false;

  tkoerperslots bodies_{};
  std::vector<tkoerperposition> asteroids_;
  std::vector<tkoerperposition> comets_;
  std::vector<tsatellitenposition> satellites_;
  tsmall_body_computation compute_asteroid_;
  tsmall_body_computation compute_comet_;
};

/// Whether the places of date must be renewed for a move of the instant from
/// `previous` to `current`, by the option "Präzession berechnen" (0 yearly:
/// the year changed; 1 half-yearly: more than 182 days; 2 quarterly: more
/// than 120 days; 3 monthly: more than 30 days; 4 always).
bool precession_due(int praezession, const tzeitort& previous, const tzeitort& current);

/// A catalogue file of the data directory: the name as given, or the same
/// name in another letter case when only that exists ("Sterne.dat").
std::filesystem::path catalogue_file(const std::filesystem::path& data_directory,
                                     const std::string& name);

}  // namespace sdro
