// One row of the command-line ephemeris: a body's apparent place at an
// instant, computed as the chart computes it (body_apparent, the Sun by
// sun_apparent, the topocentric place and the horizontal coordinates by
// astro's routines), and its CSV text.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "ephem/theory_selection.h"

namespace sdro {

/// An observing place in the program's convention.
struct tephemerisplace {
  double latitude = 0.0;        ///< degrees, north positive
  double west_longitude = 0.0;  ///< degrees, WEST positive (the program's convention)
  double height = 0.0;          ///< metres above sea level
  double temperature = 10.0;    ///< °C, for the refraction
  double pressure = 1010.0;     ///< hPa, for the refraction
};

enum class tephemerisstatus {
  ok,
  body_unknown,         ///< not a tkoerper index 0..9
  pluto_out_of_range,   ///< Pluto is computed for −1.1 < T < 1 only (as on the chart)
};

/// The numbers of one row. Angles in degrees; α, δ of the true equator and
/// equinox of date, λ, β of the true ecliptic of date (both apparent:
/// light time, aberration and nutation as the chart applies them).
struct tephemerisrow {
  tephemerisstatus status = tephemerisstatus::ok;
  int body = 0;                ///< tkoerper (−1: a star or deep-sky object)
  double jd_ut = 0.0;
  double jd_tt = 0.0;
  double ra = 0.0, dec = 0.0;  ///< geocentric apparent
  double distance_au = 0.0;    ///< geocentric, light-time corrected
  double distance_km = 0.0;    ///< the Moon only (0 for the others)
  /// False for stars and deep-sky objects: both distance columns stay empty.
  bool has_distance = true;
  double lon = 0.0, lat = 0.0; ///< geocentric apparent ecliptic
  bool has_place = false;
  double ra_topo = 0.0, dec_topo = 0.0;  ///< topocentric apparent
  double altitude = 0.0;                 ///< topocentric, without refraction
  double altitude_refracted = 0.0;       ///< with refraction (place's air)
  double azimuth_north = 0.0;            ///< from north through east, [0, 360)
};

/// The row of body (tkoerper 0 Sun … 8 Pluto, 9 Moon) at jd_ut (Julian Date
/// of UT) with ΔT (seconds; TT = UT + ΔT) by the selected theories, with the
/// topocentric and horizontal columns when a place is given. Never throws;
/// a row with a status other than ok carries no numbers.
tephemerisrow ephemeris_row(int body, const ttheoriewahl& selection, double jd_ut,
                            double delta_t_seconds, const std::optional<tephemerisplace>& place);

/// α, δ of the true equator of date → λ, β of the true ecliptic of date
/// (mean obliquity plus the nutation in obliquity), degrees; T in Julian
/// centuries of dynamical time from J2000.0.
void true_ecliptic(double ra, double dec, double t, double& lon, double& lat);

/// CSV header: ut_iso,jd_ut,tt_iso,jd_tt,ra_deg,dec_deg,dist_au,dist_km,
/// lon_deg,lat_deg and, with a place, ra_topo_deg,dec_topo_deg,alt_deg,
/// alt_refr_deg,az_north_deg.
std::string ephemeris_csv_header(bool with_place);
/// One CSV line (no line end): ISO 8601 instants to the millisecond, angles
/// with 7 decimals, the distance in AU with 10, in km with 3 (empty but for
/// the Moon; both empty for a row without distance).
std::string ephemeris_csv_line(const tephemerisrow& row);
/// ISO 8601 calendar date and time of a Julian Date, to the millisecond
/// (YYYY-MM-DDTHH:MM:SS.sss; years before 1 and after 9999 with a sign).
std::string iso_from_jd(double jd);

}  // namespace sdro
