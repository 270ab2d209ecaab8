// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/sky_scene.h"

#include <utility>

#include "catalog/constellations.h"
#include "catalog/deep_sky.h"
#include "catalog/line_file.h"
#include "catalog/star_record.h"
#include "catalog/stars.h"

namespace sdro {
namespace {

/// The limiting magnitude of the Sun's altitude is "no limit" at 26.
constexpr double kNoSunLimit = 26.0;

template <class Record>
tchart_place stored_or_projected(const tprojektion& p, const Record& r, double ra, double dec) {
  if (p.kind() == tsky_chart::horizon) return p.place_from_horizontal(r.altitude, r.sin_azimuth, r.cos_azimuth);
  return p.place(ra, dec);
}

}  // namespace

bool tsky_scene::faint_light_visible() const {
  return chart() == tsky_chart::zoom || !sun_limit || m_lim >= kNoSunLimit;
}

bool tsky_scene::star_bright_enough(int magnitude) const {
  return magnitude <= k().grenzgroessesterne && (!sun_limit || magnitude <= m_lim * 100.0);
}

bool tsky_scene::nebula_bright_enough(int magnitude) const {
  return magnitude <= k().grenzgroessenebel && (!sun_limit || magnitude <= m_lim * 100.0);
}

tchart_place tsky_scene::place_of(const tsternrecord& s) const {
  return stored_or_projected(projection, s, s.ra_apparent, s.dec_apparent);
}

tchart_place tsky_scene::place_of(const tnebelrecord& o) const {
  return stored_or_projected(projection, o, o.ra_date, o.dec_date);
}

tchart_place tsky_scene::line_place(std::size_t number) const {
  if (projection.kind() == tsky_chart::horizon) {
    const tlinienpunkt& p = stars->line_point_horizontal(number);
    return projection.place_from_horizontal(p.altitude, p.sin_azimuth, p.cos_azimuth);
  }
  const tlinienpunkt& p = std::as_const(*stars).line_point(number);
  return projection.place(p.ra_date, p.dec_date);
}

tchart_place tsky_scene::place_of(const tsternbildlabel& l) const { return projection.place(l.ra_date, l.dec_date); }

FontSpec chart_font(const tkonfiguration& k, int schrift) {
  const tschrift& f = k.schriften[static_cast<std::size_t>(schrift)];
  return FontSpec::from_block(f.name, f.groesse, f.hoehe, f.stil);
}

tfarbe chart_font_colour(const tkonfiguration& k, int schrift) {
  return tfarbe::from_value(static_cast<std::uint32_t>(k.schriften[static_cast<std::size_t>(schrift)].farbe));
}

}  // namespace sdro
