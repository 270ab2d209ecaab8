// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/ephemeris_row.h"

#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "astro/bodies.h"
#include "astro/calendar.h"
#include "astro/horizontal.h"
#include "astro/nutation.h"
#include "astro/obliquity.h"
#include "astro/refraction.h"
#include "astro/sidereal.h"
#include "astro/topocentric.h"
#include "ephem/body_positions.h"
#include "ephem/planet_theory.h"
#include "ephem/sun_moon.h"

namespace sdro {
namespace {

/// The precision the chart passes to the theories.
constexpr int kChartPrecision = -1;
constexpr double kAuKm = 149597870.7;

/// The geocentric apparent α, δ and distance as the chart has them: the Sun
/// by sun_apparent, the planets and the Moon by body_apparent (nutation and
/// aberration on). Distance in AU (the Moon's in Earth radii).
tapparentplace geocentric_place(int body, const ttheoriewahl& sel, double t) {
  if (body == sonne) return sun_apparent(sel, kChartPrecision, t);
  const tplanetposition sun = sun_geocentric(sel, kChartPrecision, t);
  const tbodyposition p = body_apparent(body, sel, kChartPrecision, t, sun, true);
  return {p.ra, p.dec, p.distance};
}

void add_place(const tephemerisplace& pl, tephemerisrow& row, double distance, double earth_radius) {
  const double mjd = mjd_from_jd(row.jd_ut);
  // Apparent sidereal time: the places are of the true equinox.
  const double lst = local_sidereal_time(true, pl.west_longitude, mjd);
  const tobserver_place o = observer_geocentric(pl.height, pl.latitude);
  const ttopocentric top = topocentric_place(row.ra, row.dec, distance, o.geocentric_latitude, lst,
                                             o.rho, earth_radius);
  row.has_place = true;
  row.ra_topo = top.ra;
  row.dec_topo = top.dec;
  double cphi;
  const double sphi = sincos_deg(pl.latitude, cphi);
  const double north = azimuth_offset(azimutNord);
  const thorizontal h = equatorial_to_horizontal(north, false, top.ra, top.dec, lst, sphi, cphi,
                                                 pl.temperature, pl.pressure);
  row.altitude = h.altitude;
  row.azimuth_north = h.azimuth;
  row.altitude_refracted = refraction(pl.temperature, pl.pressure, h.altitude);
}

}  // namespace

void true_ecliptic(double ra, double dec, double t, double& lon, double& lat) {
  const tnutation n = nutation(t);
  const double eps = mean_obliquity(t) + n.deps * kRadToDeg;
  const tvektor v = polar_to_cartesian(ra, dec, 1.0);
  double ce;
  const double se = sincos_deg(eps, ce);
  const tvektor e{v.x, ce * v.y + se * v.z, -se * v.y + ce * v.z};
  const tspherical s = cartesian_to_polar(e);
  lon = s.l;
  lat = s.b;
}

tephemerisrow ephemeris_row(int body, const ttheoriewahl& sel, double jd_ut, double delta_t_seconds,
                            const std::optional<tephemerisplace>& place) {
  tephemerisrow row;
  row.body = body;
  row.jd_ut = jd_ut;
  row.jd_tt = jd_ut + delta_t_seconds / 86400.0;
  if (body < sonne || body > mond) {
    row.status = tephemerisstatus::body_unknown;
    return row;
  }
  const double t = centuries_from_j2000(row.jd_tt);
  if (body == pluto && !(t > -1.1 && t < 1.0)) {
    row.status = tephemerisstatus::pluto_out_of_range;
    return row;
  }
  const tapparentplace p = geocentric_place(body, sel, t);
  row.ra = p.ra;
  row.dec = p.dec;
  const bool moon = body == mond;
  row.distance_km = moon ? p.distance * kEarthRadiusKm : 0.0;
  row.distance_au = moon ? row.distance_km / kAuKm : p.distance;
  true_ecliptic(p.ra, p.dec, t, row.lon, row.lat);
  if (place) add_place(*place, row, p.distance, moon ? 1.0 : kEarthRadiusAu);
  return row;
}

std::string iso_from_jd(double jd) {
  // Whole milliseconds first, so that 59.9996 s becomes the next minute.
  const double day0 = std::floor(jd - 0.5) + 0.5;
  long long ms = std::llround((jd - day0) * 86400000.0);
  double day_jd = day0;
  if (ms >= 86400000LL) {
    ms -= 86400000LL;
    day_jd += 1.0;
  }
  const tcalendar_date d = jd_to_calendar(day_jd + 1e-9);
  const long long h = ms / 3600000LL, m = ms / 60000LL % 60, s = ms / 1000LL % 60, f = ms % 1000;
  char buf[64];
  const bool plain = d.year >= 0 && d.year <= 9999;
  std::snprintf(buf, sizeof buf, plain ? "%04d-%02d-%02dT%02lld:%02lld:%02lld.%03lld"
                                       : "%+05d-%02d-%02dT%02lld:%02lld:%02lld.%03lld",
                d.year, d.month, d.day, h, m, s, f);
  return buf;
}

std::string ephemeris_csv_header(bool with_place) {
  std::string s = "ut_iso,jd_ut,tt_iso,jd_tt,ra_deg,dec_deg,dist_au,dist_km,lon_deg,lat_deg";
  if (with_place) s += ",ra_topo_deg,dec_topo_deg,alt_deg,alt_refr_deg,az_north_deg";
  return s;
}

std::string ephemeris_csv_line(const tephemerisrow& r) {
  char buf[512];
  std::string au, km;
  if (r.has_distance) {
    std::snprintf(buf, sizeof buf, "%.10f", r.distance_au);
    au = buf;
  }
  if (r.has_distance && r.body == mond) {
    std::snprintf(buf, sizeof buf, "%.3f", r.distance_km);
    km = buf;
  }
  std::snprintf(buf, sizeof buf, "%s,%.8f,%s,%.8f,%.7f,%.7f,%s,%s,%.7f,%.7f",
                iso_from_jd(r.jd_ut).c_str(), r.jd_ut, iso_from_jd(r.jd_tt).c_str(), r.jd_tt, r.ra,
                r.dec, au.c_str(), km.c_str(), r.lon, r.lat);
  std::string s = buf;
  if (r.has_place) {
    std::snprintf(buf, sizeof buf, ",%.7f,%.7f,%.7f,%.7f,%.7f", r.ra_topo, r.dec_topo, r.altitude,
                  r.altitude_refracted, r.azimuth_north);
    s += buf;
  }
  return s;
}

}  // namespace sdro
