// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/rise_set.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/interpolation.h"
#include "astro/language.h"
#include "astro/sidereal.h"
#include "astro/zeitort.h"
#include "ephem/body_positions.h"
#include "ephem/sun_moon.h"

namespace sdro {
namespace {

/// Hours per sample and the number of samples of a local day (0 h … 24 h).
constexpr int kSamples = 25;
/// Hour-angle rate of a fixed place: sidereal hours per solar hour.
constexpr double kSiderealRate = 1.0027379;
/// A crossing or transit is refined until it is known to this (hours, 0.036 s) …
constexpr double kTimeTolerance = 1e-5;
/// … or for at most this many steps.
constexpr int kMaxRefinements = 40;
/// The Moon's semidiameter in degrees times its distance in Earth radii.
constexpr double kMoonSemidiameterFactor = 15.61247778;
/// Within this of a pole the hour angle has no meaning (degrees).
constexpr double kPoleMargin = 89.0 + 58.0 / 60.0;

/// An apparent place: right ascension and declination in degrees, the
/// distance (Earth radii for the Moon, else unused).
struct tplace {
  double ra = 0.0;
  double dec = 0.0;
  double distance = 0.0;
};
/// The body's place at a local clock time t (hours after local midnight).
using tplace_at = std::function<tplace(double t)>;

/// Angle reduced into (−180°, 180°].
double signed_degrees(double x) {
  const double r = normalize_degrees(x);
  return r > 180.0 ? r - 360.0 : r;
}

/// One body over one local day: its places at the whole hours, computed
/// once, and at any other moment on demand.
class tday {
 public:
  tday(const triseset_context& c, tplace_at place, bool moon)
      : c_(c), jd0_(local_day_start(c)), place_(std::move(place)), moon_(moon),
        sin_phi_(sin_deg(c.latitude)), cos_phi_(cos_deg(c.latitude)) {
    for (int i = 0; i < kSamples; ++i) samples_[i] = place_(i);
  }

  tplace place(double t) const {
    const double whole = std::round(t);
    if (t == whole && whole >= 0 && whole < kSamples) return samples_[static_cast<int>(whole)];
    return place_(t);
  }
  /// Hour angle at t, degrees in (−180°, 180°].
  double hour_angle(double t, const tplace& p) const {
    const double lmst = local_sidereal_time(false, c_.longitude, mjd_from_jd(jd0_ + t / 24.0));
    return signed_degrees(15.0 * lmst - p.ra);
  }
  double hour_angle(double t) const { return hour_angle(t, place(t)); }
  /// Altitude at t, degrees; the Moon's is topocentric and of its upper limb.
  double altitude(double t) const {
    const tplace p = place(t);
    const double sin_h = sin_phi_ * sin_deg(p.dec) + cos_phi_ * cos_deg(p.dec) * cos_deg(hour_angle(t, p));
    double h = asin_deg(sin_h);
    if (moon_ && p.distance > 1.0) h += -asin_deg(1.0 / p.distance) + kMoonSemidiameterFactor / p.distance;
    return h;
  }
  double latitude() const { return c_.latitude; }
  bool at_pole() const { return std::abs(c_.latitude) > kPoleMargin; }

 private:
  triseset_context c_;
  double jd0_;
  tplace_at place_;
  bool moon_;
  double sin_phi_, cos_phi_;
  std::array<tplace, kSamples> samples_{};
};

/// The zero of g between a and b (g(a), g(b) of opposite signs), by false
/// position with the Illinois step.
double refine_zero(const std::function<double(double)>& g, double a, double b, double ga, double gb) {
  int side = 0;
  double x = a;
  for (int i = 0; i < kMaxRefinements && std::abs(b - a) > kTimeTolerance; ++i) {
    x = (a * gb - b * ga) / (gb - ga);
    const double gx = g(x);
    if (gx == 0.0) return x;
    if ((gx < 0) == (gb < 0)) {
      b = x;
      gb = gx;
      if (side == -1) ga /= 2;
      side = -1;
    } else {
      a = x;
      ga = gx;
      if (side == 1) gb /= 2;
      side = 1;
    }
  }
  return std::isfinite(x) ? x : a;
}

/// The zero of the hour angle next to `estimate` (the transit), by secant
/// steps; nothing when it does not settle.
std::optional<double> refine_transit(const tday& day, double estimate, double rate) {
  double x0 = estimate, g0 = day.hour_angle(x0);
  double x1 = estimate - g0 / rate, g1 = day.hour_angle(x1);
  for (int i = 0; i < kMaxRefinements && std::abs(x1 - x0) > kTimeTolerance; ++i) {
    if (g1 == g0) break;
    const double x2 = x1 - g1 * (x1 - x0) / (g1 - g0);
    if (!std::isfinite(x2) || std::abs(x2 - estimate) > 3.0) return std::nullopt;
    x0 = x1;
    g0 = g1;
    x1 = x2;
    g1 = day.hour_angle(x1);
  }
  if (std::abs(g1) > 0.01) return std::nullopt;  // more than 2.4 s of time from the meridian
  return x1;
}

/// What a scan is after.
struct tscan_kind {
  double threshold = 0.0;  ///< h0, degrees
  bool twilight = false;   ///< state texts of a twilight; no transit
  double transit_rate = 1.0;  ///< divides the hour angle (in hours) for the first transit estimate
};

std::string no_crossing_text(bool twilight, bool above) {
  if (twilight) return std::string(above ? tr("hell    ", "bright  ") : tr("dunkel  ", "dark    "));
  return std::string(above ? tr("sichtbar", "visible") : tr("unsichtbar", "invisible"));
}

/// The scan of the local day in two-hour windows (see the header).
RiseSetResult scan(const tday& day, const tscan_kind& kind) {
  RiseSetResult r;
  const double sin_h0 = sin_deg(kind.threshold);
  const auto f = [&day, sin_h0](double t) { return sin_deg(day.altitude(t)) - sin_h0; };
  const bool want_transit = !kind.twilight && !day.at_pole();
  double y_minus = f(0.0);
  const double f0 = y_minus;
  for (int t = 1; t <= 23; t += 2) {
    const double y0 = f(t), y_plus = f(t + 1.0);
    const tparabola p = parabola_through_three(y_minus, y0, y_plus);
    const auto crossing = [&](double root, double a, double b, double ga, double gb) {
      // A sign change between a and b lets the crossing be refined on the altitude itself.
      return (ga < 0) != (gb < 0) && ga != 0 && gb != 0 ? refine_zero(f, a, b, ga, gb) : t + root;
    };
    if (p.zero_count == 1) {
      const double at = crossing(p.zero1, t - 1.0, t + 1.0, y_minus, y_plus);
      if (y_minus < 0) {
        r.rise = at;
        r.rise_found = true;
      } else {
        r.set = at;
        r.set_found = true;
      }
    } else if (p.zero_count == 2) {
      const double xe = std::clamp(p.extremum_x, -1.0, 1.0);
      const double ye = f(t + xe);
      const double first = crossing(p.zero1, t - 1.0, t + xe, y_minus, ye);
      const double second = crossing(p.zero2, t + xe, t + 1.0, ye, y_plus);
      const bool dips = p.extremum_y < 0;
      r.rise = dips ? second : first;
      r.set = dips ? first : second;
      r.rise_found = r.set_found = true;
    }
    if (want_transit && p.extremum_y > 0) {
      const double tau = day.hour_angle(t + 1.0);
      if (std::abs(tau) / 15.0 < 2.0) {
        const double estimate = t + 1.0 - tau / 15.0 / kind.transit_rate;
        const auto at = refine_transit(day, estimate, 15.0 * kind.transit_rate);
        if (at && *at >= 0.0 && *at < 24.0) {
          r.transit = *at;
          r.transit_found = true;
          r.culmination_altitude = 90.0 - std::abs(day.latitude() - day.place(*at).dec);
        }
      }
    }
    y_minus = y_plus;
    if (r.rise_found && r.set_found && r.transit_found) break;
  }
  if (r.rise_found) r.rise_text = " ";
  if (r.set_found) r.set_text = " ";
  if (!r.rise_found && !r.set_found) r.state_text = no_crossing_text(kind.twilight, f0 > 0);
  return r;
}

double dynamical_centuries_at(double jd0, double t, double delta_t) {
  return centuries_from_j2000(jd0 + t / 24.0 + delta_t / 86400.0);
}

}  // namespace

triseset_context riseset_context(const tzeitort& z) {
  return {jd_from_mjd(z.mjd), z.delta_t, z.latitude, z.longitude, zone_offset(z)};
}

double local_day_start(const triseset_context& c) {
  return std::floor(c.jd + c.zone_offset / 24.0 - 0.5) + 0.5 - c.zone_offset / 24.0;
}

std::array<RiseSetResult, 5> RiseSetSunMoon(const ttheoriewahl& selection, const treference_altitudes& reference,
                                             int first, int last, const triseset_context& c) {
  std::array<RiseSetResult, 5> out;
  first = std::max(first, 1);
  last = std::min(last, 5);
  if (first > last) return out;
  const double jd0 = local_day_start(c);
  if (first == rs_moon) {
    const tday moon(c, [&](double t) {
      const tapparentplace p = moon_apparent(selection, -1, dynamical_centuries_at(jd0, t, c.delta_t));
      return tplace{p.ra, p.dec, p.distance};
    }, true);
    out[0] = scan(moon, {kMoonRiseAltitude, false, 1.0});
  }
  if (last < rs_sun) return out;
  const tday sun(c, [&](double t) {
    const tapparentplace p = sun_apparent(selection, -1, dynamical_centuries_at(jd0, t, c.delta_t));
    return tplace{p.ra, p.dec, p.distance};
  }, false);
  for (int kind = std::max(first, 2); kind <= last; ++kind) {
    const bool twilight = kind > rs_sun;
    const double h0 = twilight ? reference[kind] : reference[2] / 60.0;
    out[kind - 1] = scan(sun, {h0, twilight, 1.0});
  }
  return out;
}

RiseSetResult RiseSetPlanet(const treference_altitudes& reference, const ttheoriewahl& selection, int planet,
                            const triseset_context& c) {
  if (planet < 1 || planet > 9 || planet == 3) return {};
  const int body = planet <= 2 ? planet : planet - 1;  // planet number → body index
  const double jd0 = local_day_start(c);
  const auto apparent = [&](double day) {
    const double t = dynamical_centuries_at(jd0, 24.0 * day, c.delta_t);
    return body_apparent(body, selection, -1, t, sun_geocentric(selection, -1, t), true);
  };
  const tbodyposition start = apparent(0.0), end = apparent(1.0);
  // The right ascension moves by less than 180° a day: a larger step is a wrap through 0h.
  const double ra_rate = signed_degrees(end.ra - start.ra) / 24.0;
  const double dec_rate = (end.dec - start.dec) / 24.0;
  const tday day(c, [&](double t) {
    return tplace{normalize_degrees(start.ra + t * ra_rate), start.dec + t * dec_rate, start.distance};
  }, false);
  return scan(day, {reference[0] / 60.0, false, kSiderealRate});
}

RiseSetResult RiseSetFixed(const treference_altitudes& reference, double ra, double dec,
                           const triseset_context& c) {
  const bool polar = std::abs(dec) >= 90.0 || std::abs(c.latitude) >= 90.0 ||
                     (std::abs(dec) > kPoleMargin && std::abs(c.latitude) > kPoleMargin);
  if (polar) {
    RiseSetResult r;
    r.rise_text = r.set_text = " --- ";
    r.polar = true;
    return r;
  }
  const tday day(c, [ra, dec](double) { return tplace{ra, dec, 0.0}; }, false);
  return scan(day, {reference[0] / 60.0, false, kSiderealRate});
}

}  // namespace sdro
