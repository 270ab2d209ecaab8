// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ephemeris_mode.h"

#include <cmath>
#include <memory>
#include <ostream>
#include <string>

#include "app/catalogue_ephemeris.h"
#include "astro/bodies.h"
#include "astro/calendar.h"
#include "astro/delta_t.h"
#include "astro/language.h"
#include "astro/text_format.h"
#include "ephem/ephemeris_row.h"
#include "ephem/theory_libraries.h"
#include "ephem/theory_selection.h"

namespace sdro {
namespace {

/// More rows than this are refused (a mistyped step would run for hours).
constexpr double kMaxRows = 1000000.0;
/// --to counts as reached within this many days (1 ms; a JD holds 40 µs).
constexpr double kInstantTolerance = 1e-8;

/// Rows from --from to --to every step days, --to included.
double row_count(double jd_from, double jd_to, double step) {
  return std::floor((jd_to - jd_from + kInstantTolerance) / step) + 1.0;
}

struct tephemerisrequest {
  tephemeristarget target;
  double jd_from = 0.0, jd_to = 0.0, step = 1.0;  ///< JD of UT, days
  std::optional<tephemerisplace> place;
  ttheoriewahl selection;
};

/// YYYY-MM-DD (0h UT) or an instant as for --date → JD of UT.
std::optional<double> jd_of(const std::string& text) {
  const auto d = parse_command_date(text.size() == 10 ? text + "T00:00" : text);
  if (!d) return std::nullopt;
  const double zone = d->zone_hours + d->zone_minutes / 60.0;
  return calendar_to_jd(d->day, d->month, d->year, ut_from_local(zone, d->hours));
}

/// The theory selection the options ask for, or a message.
std::string choose_theories(const tcommand_line& cl, ttheoriewahl& sel) {
  const tlibraryusability usable = identify_theory_libraries();
  ttheoriewahl request = startup_theory(usable);
  if (!cl.theory.empty()) {
    if (cl.theory == "own") request.planet_theory = theorie_eigen;
    else if (cl.theory == "vsop87d") request.planet_theory = theorie_vsop87d;
    else if (cl.theory == "vsop87c") request.planet_theory = theorie_vsop87c;
    else return "--theory " + cl.theory + std::string(tr(": erwartet own, vsop87d oder vsop87c", ": expected own, vsop87d or vsop87c"));
  }
  if (!cl.moon.empty()) {
    if (cl.moon == "brown") request.lunar_library = 0;
    else if (cl.moon == "elp") request.lunar_library = 1;
    else return "--moon " + cl.moon + std::string(tr(": erwartet brown oder elp", ": expected brown or elp"));
  }
  sel = accepted_theory(request, usable);
  if (sel.planet_theory != request.planet_theory) {
    const bool d = request.planet_theory == theorie_vsop87d;
    return "--theory " + cl.theory +
           std::string(d ? tr(": die Bibliothek VSOP87 D (plantheod) ist in dieser Installation nicht nutzbar",
                              ": the VSOP87 D library (plantheod) is not usable in this installation")
                         : tr(": die Bibliothek VSOP87 C (plantheoc) ist in dieser Installation nicht nutzbar",
                              ": the VSOP87 C library (plantheoc) is not usable in this installation"));
  }
  if (sel.lunar_library != request.lunar_library) {
    return std::string(tr("--moon elp: die Mondbibliothek (lunatheo) ist in dieser Installation nicht nutzbar",
                          "--moon elp: the lunar library (lunatheo) is not usable in this installation"));
  }
  return {};
}

std::string bad_date(const char* flag, const std::string& text) {
  return std::string(flag) + " " + text +
         std::string(tr(": erwartet YYYY-MM-DD oder YYYY-MM-DDTHH:MM[:SS], wahlweise mit einer Zone Z oder "
                        "±HH:MM (ohne Zone: UT)",
                        ": expected YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS] with an optional zone Z or ±HH:MM "
                        "(no zone: UT)"));
}

std::string unknown_target(const std::string& name, const std::string& why) {
  return "--ephemeris " + name +
         std::string(tr(": unbekannter Körper oder unbekanntes Himmelsobjekt; erwartet Sonne, Mond, Merkur, "
                        "Venus, Mars, Jupiter, Saturn, Uranus, Neptun oder Pluto (deutsche oder englische "
                        "Namen), den Namen eines Sterns der Sterndatei (Sirius), einen Stern der "
                        "Zonenkataloge (SAO 151881, HIP 32349, PPM HIP32349) oder ein Deep-Sky-Objekt "
                        "(M 42, NGC 7000, IC 434)",
                        ": unknown body or sky object; expected Sun, Moon, Mercury, Venus, Mars, Jupiter, "
                        "Saturn, Uranus, Neptune or Pluto (English or German names), a star's name in the "
                        "star file (Sirius), a zone-catalogue star (SAO 151881, HIP 32349, PPM HIP32349) "
                        "or a deep-sky object (M 42, NGC 7000, IC 434)")) +
         (why.empty() ? std::string() : "; " + why);
}

/// Checks every option and fills the request; returns a message for the
/// first bad one. A name that is none of the ten bodies is looked up in the
/// catalogues afterwards.
std::string read_request(const tcommand_line& cl, tephemerisrequest& r) {
  r.target = find_ephemeris_target(cl.ephemeris).value_or(tephemeristarget{});
  if (cl.from.empty() || cl.to.empty()) {
    return std::string(tr("--ephemeris braucht --from DATE und --to DATE", "--ephemeris needs --from DATE and --to DATE"));
  }
  const auto from = jd_of(cl.from);
  if (!from) return bad_date("--from", cl.from);
  const auto to = jd_of(cl.to);
  if (!to) return bad_date("--to", cl.to);
  if (*to < *from) return "--to " + cl.to + std::string(tr(" liegt vor --from ", " lies before --from ")) + cl.from;
  r.jd_from = *from;
  r.jd_to = *to;
  if (!cl.step.empty()) {
    const treal_text step = parse_real(cl.step);
    if (!step.ok || !std::isfinite(step.value) || step.value <= 0.0)
      return "--step " + cl.step + std::string(tr(": erwartet eine positive Zahl von Tagen", ": expected a positive number of days"));
    r.step = step.value;
  }
  if (row_count(r.jd_from, r.jd_to, r.step) > kMaxRows)
    return "--step " + (cl.step.empty() ? std::string("1") : cl.step) +
           std::string(tr(": mehr als 1000000 Zeilen; wählen Sie einen größeren Schritt oder einen kürzeren Zeitraum",
                          ": more than 1000000 rows; choose a larger step or a shorter interval"));
  if (!cl.place.empty()) {
    const auto p = parse_command_place(cl.place);
    if (!p) return command_place_error(cl.place);
    tephemerisplace place;
    place.latitude = p->latitude;
    place.west_longitude = -p->east_longitude;  // the program counts longitudes west positive
    place.height = p->height;
    r.place = place;
  }
  if (const std::string bad = choose_theories(cl, r.selection); !bad.empty()) return bad;
  if (r.target.body == pluto) {
    for (double jd : {r.jd_from, r.jd_to}) {
      if (ephemeris_row(pluto, r.selection, jd, delta_t(jd), std::nullopt).status !=
          tephemerisstatus::ok)
        return std::string(tr("--ephemeris Pluto: Pluto wird nur für die Jahre 1890 bis 2100 berechnet",
                              "--ephemeris Pluto: Pluto is computed only for the years 1890 to 2100"));
    }
  }
  return {};
}

}  // namespace

std::optional<tephemeristarget> find_ephemeris_target(std::string_view name) {
  const int body = find_body_by_name(name);
  if (body < 0) return std::nullopt;
  return tephemeristarget{body};
}

int run_ephemeris(const tcommand_line& cl, std::ostream& out, std::ostream& err) {
  tephemerisrequest r;
  if (const std::string bad = read_request(cl, r); !bad.empty()) {
    err << "sdro: " << bad << '\n';
    return 2;
  }
  // Not one of the ten bodies: the catalogues are loaded (only now, so the
  // bodies' tables need no data directory and start at once).
  std::unique_ptr<tcatalogue_ephemeris> catalogue;
  if (r.target.body < 0) {
    catalogue = std::make_unique<tcatalogue_ephemeris>();
    if (const std::string failed = catalogue->start(cl); !failed.empty()) {
      err << "sdro: --ephemeris " << cl.ephemeris << ": " << failed << '\n';
      return 1;
    }
    std::string why;
    if (!catalogue->find(cl.ephemeris, r.jd_from, why)) {
      err << "sdro: " << unknown_target(cl.ephemeris, why) << '\n';
      return 2;
    }
  }
  out << ephemeris_csv_header(r.place.has_value()) << '\n';
  const auto rows = static_cast<long long>(row_count(r.jd_from, r.jd_to, r.step));
  for (long long k = 0; k < rows; ++k) {
    const double jd = r.jd_from + static_cast<double>(k) * r.step;
    if (!catalogue) {
      out << ephemeris_csv_line(ephemeris_row(r.target.body, r.selection, jd, delta_t(jd), r.place))
          << '\n';
      continue;
    }
    const auto row = catalogue->row(jd, r.place);
    if (!row) {
      out.flush();
      err << "sdro: --ephemeris " << cl.ephemeris << tr(": die Zonendatei von ", ": the zone file of ")
          << catalogue->object().name << tr(" kann nicht mehr gelesen werden\n", " can no longer be read\n");
      return 1;
    }
    out << ephemeris_csv_line(*row) << '\n';
  }
  out.flush();
  return out ? 0 : 1;
}

}  // namespace sdro
