// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/chart_kind.h"

#include "astro/bodies.h"
#include "astro/language.h"

namespace sdro {

std::string chart_kind_caption(bool equatorial, int viewpoint, int kind) {
  switch (kind) {
    case ka_horizont:
      return std::string(equatorial ? tr("Äquatorkarte", "Equator Map") : tr("Horizontkarte", "Sky"));
    case ka_zoom: return std::string(tr("Zoomkarte", "Sky Map"));
    case ka_uebersicht: return std::string(tr("Übersicht", "Equator Map"));
    case ka_nordhimmel: return std::string(tr("Nördl. Sternhimmel", "Northern. Sternhimmel"));
    case ka_suedhimmel: return std::string(tr("Südl. Sternhimmel", "Southern. Sternhimmel"));
    case ka_jupitermonde: return std::string(tr("Jupitermonde", "Jupiters Satellites"));
    case ka_saturnmonde: return std::string(tr("Saturnmonde", "Saturns Satellites"));
    case ka_sonnensystem: return std::string(tr("Sonnensystem", "Solar System"));
    case ka_sonnenfinsternis: return std::string(tr("Sonnenfinsternis", "Solar Eclipse"));
    case ka_planetenscheibchen: return std::string(tr("Planetenscheibchen", "Planetary Disks"));
    case ka_anblick:
      return std::string(tr("Anblick auf ", "View from ")) + std::string(viewpoint_name(viewpoint));
    case ka_erdkarte: return std::string(tr("Erdkarte", "Earth Map"));
    default: return {};
  }
}

}  // namespace sdro
