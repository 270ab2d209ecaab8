// The zone catalogues (SAO, PPM) on the zoom chart: choosing the zones a map
// touches, reading their stars down to the map's limit, and finding a star
// by its designation.
//
// Zone files have no header; 28-byte little-endian records, brightest first:
//   0 f32 α at the catalogue epoch, degrees   4 f32 μα, degrees of α per year
//   8 f32 δ, degrees                         12 f32 μδ, degrees per year
//  16 i16 magnitude in tenths                18 designation, 10 bytes, NUL-terminated
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/zeitort.h"
#include "catalog/sky_places.h"
#include "catalog/zone_table.h"

namespace sdro {

inline constexpr std::size_t kZoneRecordSize = 28;
inline constexpr std::size_t kZoneDesignationLength = 9;

/// A zone star of the current zoom map: the zone record with its place
/// replaced by the apparent place of date, and the pixel position the chart
/// drew it at (for hit-testing; −10, −10 when it fell outside the bitmap).
struct tsaoobjekt {
  float ra = 0.0f;             ///< apparent α of date, degrees
  float pm_ra = 0.0f;          ///< degrees of α per year
  float dec = 0.0f;            ///< apparent δ of date, degrees
  float pm_dec = 0.0f;         ///< degrees per year
  std::int16_t magnitude = 0;  ///< tenths of a magnitude
  std::string designation;     ///< UTF-8, at most 9 characters
  std::int32_t x = -10;
  std::int32_t y = -10;
};

/// Decodes a 28-byte zone record; false when a field is not finite or out of
/// range. The designation ends at its NUL and is cut to 9 characters.
bool decode_zone_record(std::string_view record, tsaoobjekt& star);

/// The zone stars of the current zoom map. Objects beyond count() stay
/// allocated for the next map.
class TSAOList {
 public:
  std::size_t count() const { return count_; }
  tsaoobjekt& operator[](std::size_t i) { return objects_[i]; }
  const tsaoobjekt& operator[](std::size_t i) const { return objects_[i]; }
  auto begin() { return objects_.begin(); }
  auto end() { return objects_.begin() + static_cast<std::ptrdiff_t>(count_); }
  auto begin() const { return objects_.begin(); }
  auto end() const { return objects_.begin() + static_cast<std::ptrdiff_t>(count_); }

  /// Starts a new map: no stars, room for 60000.
  void start_map();
  /// The next stored star: reuses the next object or appends one.
  tsaoobjekt& store();

 private:
  std::vector<tsaoobjekt> objects_;
  std::size_t count_ = 0;
};

/// A zoom map: centre of date and radius, degrees.
struct tzoom_map {
  double ra0 = 0.0;
  double dec0 = 0.0;
  double radius = 15.0;
};

/// The zones (1..362, ascending) a map touches: a zone is read when one of
/// its nine sample points (centre α ± 0.5 h, δ ± 5°), precessed from the
/// catalogue epoch to T, lies closer than radius + 11° to the centre.
std::vector<int> zones_for_map(const tzoom_map& map, tzone_catalogue catalogue, double t);

/// What reading the zone stars of a map needs.
struct tzone_request {
  std::filesystem::path data_directory;
  tzone_catalogue catalogue = tzone_catalogue::sao;
  tzoom_map map;
  std::int32_t limit = 1000;  ///< faintest magnitude read, hundredths
  bool useaberrat = false;    ///< apparent places with nutation and aberration
};

/// Called for every zone star inside the map's elevation limit with its
/// place in the map's own frame (altitude e, sine and cosine of the position
/// angle); it draws the star and may set its pixel position.
using tzone_star_draw = std::function<void(tsaoobjekt&, const thorizontal_place&)>;
/// Progress of the zone reading, 0..100.
using tzone_progress = std::function<void(int)>;

struct tzone_read_result {
  std::size_t stars = 0;   ///< zone stars of the map
  int zones_read = 0;
  int zones_missing = 0;   ///< zone files that could not be read (skipped)
};

/// Fills `list` with the zone stars of the map for the instant of `z` (an
/// up-to-date record). A missing or unreadable zone file is skipped.
tzone_read_result ReadZoneStars(TSAOList& list, const tzone_request& request, const tzeitort& z,
                                const tzone_star_draw& draw = {}, const tzone_progress& progress = {});

/// The result of a designation search.
struct tzone_star_found {
  bool found = false;
  bool cancelled = false;
  std::string designation;  ///< as read, at most 9 characters
  int zone = 0;
  std::int16_t magnitude = 0;  ///< tenths
  double ra = 0.0;          ///< apparent α of date, degrees
  double dec = 0.0;         ///< apparent δ of date, degrees
};

/// Called once per zone before it is searched (zone 1..362); false cancels.
using tzone_search_step = std::function<bool(int)>;

/// Searches the zones in order for a designation (compared without
/// surrounding blanks, case-insensitive) and gives the apparent place of the
/// first match for the instant of `z`. Missing zone files are skipped.
tzone_star_found FindZoneStar(const std::filesystem::path& data_directory, tzone_catalogue catalogue,
                              const tzeitort& z, bool useaberrat, std::string_view designation,
                              const tzone_search_step& step = {});

/// The dialog's result line: "SAO 123" / "PPM 123" for a numeric designation,
/// " " and the designation otherwise; "  nicht gefunden" / "  not found".
std::string zone_search_text(tzone_catalogue catalogue, const tzone_star_found& result);

/// The map diameter offered by the search dialog for a zoom chart on the
/// found star: degrees with a decimal comma or point, 0.5 to 60. Nothing for
/// any other text.
std::optional<double> parse_map_diameter(std::string_view text);
/// The message for a rejected diameter, in the current language.
std::string map_diameter_message();

/// Whether the zoom chart takes its stars from the zone catalogues: the zoom
/// chart is shown, a catalogue is present, the zoom size is at most the
/// threshold ("UseCompleteSAO", tenths of a degree) and no animation runs.
/// With only the PPM catalogue present, `ppm` is switched on.
bool UseZoneCatalogue(bool zoom_chart, bool sao_present, bool ppm_present, double zoom_size,
                      int threshold_tenths, bool animation_running, bool& ppm);

/// The catalogue chosen by `ppm`, falling back to the one that is present.
tzone_catalogue chosen_zone_catalogue(bool ppm, bool sao_present, bool ppm_present);

}  // namespace sdro
