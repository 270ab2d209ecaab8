// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/bodies/orbit_track.h"

#include <QString>

#include <cmath>
#include <optional>

#include "astro/calendar.h"
#include "astro/precession.h"
#include "astro/vector.h"
#include "astro/zeitort.h"
#include "chart/bodies/body_style.h"
#include "chart/object_labels.h"
#include "chart/sky_scene.h"
#include "chart/surface/zeichenflaeche.h"

namespace sdro {
namespace {

constexpr int kLabelDx = 7;

/// "9h05m": whole hours and minutes of the local time, rounded to the minute.
std::string clock_text(int minutes_of_day) {
  const int h = minutes_of_day / 60;
  const int m = minutes_of_day % 60;
  std::string s = h < 10 ? " " : "";
  s += std::to_string(h) + "h" + (m < 10 ? "0" : "") + std::to_string(m) + "m";
  return s;
}

std::string upper(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUpper().toStdString();
}

/// Re-precesses track places to the equinox of the chart, keeping the
/// matrix while the pair of years does not change.
class tprecession_cache {
 public:
  explicit tprecession_cache(const tzeitort& z) : z_(z) {}
  void place_of(const tplanetenbahnsatz& p, double& ra, double& dec) {
    ra = p.ra;
    dec = p.dec;
    if (p.year == z_.year) return;
    if (!year_ || *year_ != p.year) {
      matrix_ = precession_matrix_equatorial(z_.t, (p.year - 2000) / 100.0);
      year_ = p.year;
    }
    const tspherical s = cartesian_to_polar(transformed(matrix_, polar_to_cartesian(ra, dec, 1.0)));
    ra = s.l;
    dec = s.b;
  }

 private:
  const tzeitort& z_;
  std::optional<std::int32_t> year_;
  tdrehmatrix matrix_;
};

std::optional<PixelPoint> track_pixel(const tsky_scene& scene, double ra, double dec) {
  const tprojektion& p = scene.projection;
  if (p.kind() == tsky_chart::overview) return p.overview_pixel(ra, dec);
  const tchart_place place = p.place(ra, dec);
  if (p.kind() != tsky_chart::zoom && !p.shows(place)) return std::nullopt;
  return p.pixel(place);
}

}  // namespace

std::string_view trimmed_right(std::string_view name) {
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return name;
}

void add_track_point(tbahnliste& track, tplanetenbahnsatz point) {
  std::string name = point.name;
  track.add(std::move(name), std::make_unique<tplanetenbahnsatz>(std::move(point)));
}

std::string track_label(std::string_view name, bool first_instant, const tbahndatei& o, double jd,
                        double zone_offset) {
  std::string label;
  if (o.name_immer) label += std::string(trimmed_right(name)) + " ";
  // Local date and time, rounded to the whole minute first so that the
  // minutes never read 60 and the date follows a time rounded past midnight.
  const double minutes = std::round((mjd_from_jd(jd) + zone_offset / 24.0) * 1440.0);
  const double day_start = std::floor(minutes / 1440.0);
  const tcalendar_date date = mjd_to_calendar(day_start);
  const int minute_of_day = static_cast<int>(minutes - day_start * 1440.0);
  if (o.datum) {
    label += std::to_string(date.day) + "." + std::to_string(date.month) + ".";
    if (o.jahr) {
      const bool full = o.jahr_vierstellig || date.year <= 0;
      label += std::to_string(full ? date.year : date.year % 100);
    }
    if (o.uhrzeit) label += " " + clock_text(minute_of_day);
  }
  if (o.name_einmal && first_instant) label += " " + upper(trimmed_right(name));
  return label;
}

void draw_track_points(Zeichenflaeche& s, const tsky_scene& scene, const tbahnliste& track,
                       const tzeitort& z, bool pluto_shown) {
  if (track.empty()) return;
  const tkonfiguration& k = scene.k();
  const int interval = std::max(1, k.bahndatei.intervall);
  StateGuard guard(s);
  select_object_label_font(s, k);
  tprecession_cache precession(z);
  long instant = -1;
  std::optional<double> previous_jd;
  for (const auto& entry : track) {
    const tplanetenbahnsatz& p = *entry.second;
    const std::string_view name = trimmed_right(p.name);
    if (!pluto_shown && name == "Pluto") continue;
    if (!previous_jd || p.jd != *previous_jd) ++instant;
    previous_jd = p.jd;
    double ra = 0.0, dec = 0.0;
    precession.place_of(p, ra, dec);
    const auto px = track_pixel(scene, ra, dec);
    if (!px) continue;
    const Brush brush = Brush::solid(scene.t().colour(track_colour_index(name)));
    s.fill_rect(px->x - 1, px->y - 1, px->x + 1, px->y + 1, brush);
    if (instant % interval == 0) {
      s.text_out(px->x + kLabelDx, px->y, track_label(p.name, instant == 0, k.bahndatei, p.jd, zone_offset(z)));
    }
  }
}

}  // namespace sdro
