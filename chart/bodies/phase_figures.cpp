// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/bodies/phase_figures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "astro/angles.h"
#include "chart/surface/region.h"
#include "chart/surface/rnd.h"
#include "chart/surface/zeichenflaeche.h"
#include "ephem/physical_ephemeris.h"

namespace sdro {
namespace {

/// The smallest radius a figure is drawn with.
constexpr double kMinFigureRadius = 5.0;
/// Below this radius a phase is not worth turning: the plain disc is drawn.
constexpr double kMinPhaseRadius = 3.0;
constexpr tfarbe kRingColour = tfarbe::rgb(92, 192, 192);
constexpr tfarbe kNightRingColour = farbe::dunkelrot;
/// The inner edge of the ring system in outer semi-axes.
constexpr double kInnerRingRatio = 0.64;

double axis_ratio_of(int body) { return body >= 0 && body <= 9 ? axis_ratio(body) : 1.0; }

Region ellipse_region(double x, double y, double a, double b) {
  return Region::ellipse(rnd(x - a), rnd(y - b), rnd(x + a), rnd(y + b));
}

/// The turned frame of the phase figure: u points to the middle of the dark
/// limb, v at right angles; the mirror applies to x.
class tlocal_frame {
 public:
  tlocal_frame(int x, int y, bool mirrored, double turn) : x_(x), y_(y), s_(mirrored ? -1 : 1) {
    sin_ = sincos_deg(turn + 180.0, cos_);
  }
  PixelPoint operator()(double u, double v) const {
    return {x_ + s_ * rnd(u * cos_ - v * sin_), y_ + rnd(u * sin_ + v * cos_)};
  }

 private:
  int x_, y_, s_;
  double sin_ = 0.0, cos_ = 1.0;
};

/// Points (a · cos t, b · sin t) for the whole degrees t from `from` to `to`.
std::vector<PixelPoint> arc(const tlocal_frame& frame, double a, double b, int from, int to) {
  std::vector<PixelPoint> points;
  points.reserve(static_cast<std::size_t>(to - from + 1));
  for (int t = from; t <= to; ++t) {
    double c = 1.0;
    const double s = sincos_deg(t, c);
    points.push_back(frame(a * c, b * s));
  }
  return points;
}

}  // namespace

double banded_ring_tilt(double tilt) {
  return (std::abs(std::trunc(tilt / 10.0)) * 10.0 + 5.0) * sign_of(tilt);
}

void tPhasen::drawDisc(Zeichenflaeche& s, const tfigur& f) const {
  StateGuard guard(s);
  const double g = std::max(f.rho, kMinFigureRadius);
  const double h = g * axis_ratio_of(f.body);
  const int left = rnd(f.x - g), top = rnd(f.y - h), right = rnd(f.x + g), bottom = rnd(f.y + h);
  s.set_pen(Pen::solid(f.colour));
  s.ellipse(left, top, right, bottom);

  const Region disc = Region::ellipse(left, top, right, bottom);
  const double c = g * std::abs(cos_deg(180.0 - f.phase_angle));
  const Region terminator = c >= 1.0 ? ellipse_region(f.x, f.y, c, h)
                                     : Region::rectangle(f.x, top, f.x, bottom);
  // The half turned away from the Sun.
  const Region away = f.elongation_direction > 180.0 ? Region::rectangle(f.x, top, right + 1, bottom + 1)
                                                     : Region::rectangle(left - 1, top, f.x, bottom + 1);
  Region lit = disc - terminator - away;
  if (f.phase_angle < 90.0 && c >= 1.0) lit = lit | terminator;  // gibbous
  s.fill_region(lit, Brush::solid(f.colour));
}

void tPhasen::drawPhase(Zeichenflaeche& s, tphasenmodus mode, bool mirrored, double turn,
                        const tfigur& f) const {
  if (f.body == 0 || f.body == kAsteroidSlot || f.body == kCometSlot || f.rho < kMinPhaseRadius) {
    drawDisc(s, f);
    return;
  }
  StateGuard guard(s);
  const bool print = mode == tphasenmodus::druck;
  const bool fill = f.body == 9 ? style_.moon_fill : print && f.rho > 10.0;
  const int r = std::max(rnd(f.rho), static_cast<int>(kMinFigureRadius));
  const Pen edge = Pen::solid(fill ? farbe::schwarz : style_.lit_edge);

  // The disc.
  if (fill) {
    s.set_pen(edge);
    s.set_brush(Brush::solid(print && !style_.night ? farbe::weiss : f.colour));
  } else {
    s.set_pen(Pen::none());
    if (print) s.set_brush(Brush::solid(farbe::weiss));
  }
  s.ellipse(f.x - r, f.y - r, f.x + r, f.y + r);

  // The terminator: half an ellipse of half-width w on the dark side
  // (gibbous) or on the lit side (crescent).
  const double p = std::abs(f.phase_angle - 180.0);
  const double w = r * std::abs(cos_deg(180.0 - p));
  const tlocal_frame frame(f.x, f.y, mirrored, turn);
  std::vector<PixelPoint> terminator;
  terminator.reserve(181);
  const int from = p >= 90.0 ? -90 : 90;
  for (int t = from; t <= from + 180; ++t) {
    double c = 1.0;
    const double sn = sincos_deg(t, c);
    double u = w * c;
    if (p > 88.0 && p < 92.0) {  // nearly straight: the ends must reach the limb
      if (t == from) u -= 1.0;
      if (t == from + 180) u += 1.0;
    }
    terminator.push_back(frame(u, r * sn));
  }
  s.set_pen(edge);
  s.polyline(terminator);

  // The dark side in grey (only a white disc is filled this way).
  if (fill) {
    s.set_brush(Brush::solid(farbe::grau));
    if (p == 0.0) {
      s.flood_fill(f.x, f.y, farbe::weiss, FloodMode::surface);
    } else {
      double q = p >= 90.0 ? (r + w) / 2.0 : r / 5.0;
      if (q > r) q = r - 1.0;
      if (p < 90.0 || q > w) {
        const PixelPoint seed = frame(q, 0.0);
        s.flood_fill(seed.x, seed.y, farbe::weiss, FloodMode::surface);
      }
    }
  }

  // The limb: dark half, then lit half.
  s.set_pen(Pen::solid(style_.dark_edge));
  s.polyline(arc(frame, r, r, -90, 90));
  s.set_pen(Pen::solid(style_.lit_edge));
  s.polyline(arc(frame, r, r, 90, 270));
}

void tringe::drawSaturn(Zeichenflaeche& s, const tfigur& f, double ring_semi_axis, double tilt,
                        bool enlarged) const {
  double a = ring_semi_axis;
  double b = tilt;
  if (enlarged) {
    a = 3.0 * f.rho;
    b = banded_ring_tilt(tilt);
  }
  drawDisc(s, f);

  const double r = std::max(f.rho, kMinFigureRadius);
  const double hv = r * axis_ratio_of(f.body);
  const int top = rnd(f.y - hv), bottom = rnd(f.y + hv);
  const Region globe = ellipse_region(f.x, f.y, r, hv);
  const Region half = b > 0.0 ? Region::rectangle(rnd(f.x - r) - 1, top - 1, rnd(f.x + r) + 1, f.y)
                              : Region::rectangle(rnd(f.x - r) - 1, f.y, rnd(f.x + r) + 1, bottom + 1);
  const Region globe_front = globe & half;

  const double sb = std::abs(sin_deg(b));
  const int outer_a = rnd(a);
  const double outer_b = a * sb;
  const int inner_a = rnd(kInnerRingRatio * a);
  double inner_b = rnd(kInnerRingRatio * a * sb);
  if (outer_b - inner_b < 1.0) inner_b = outer_b - 1.0;
  const Region outer = ellipse_region(f.x, f.y, outer_a, outer_b);
  const Region inner = ellipse_region(f.x, f.y, inner_a, inner_b);
  s.fill_region(outer - inner - globe_front, Brush::solid(style_.night ? kNightRingColour : kRingColour));
}

void terdschatten::drawEclipsedMoon(Zeichenflaeche& s, const tfigur& f, double shadow_x, double shadow_y,
                                    double penumbra, double umbra) const {
  const double r = std::max(f.rho, kMinFigureRadius);
  const Region disc = ellipse_region(f.x, f.y, r, r);
  const double rp = penumbra * f.rho;
  const double ru = umbra * f.rho;
  const Region half_shadow = ellipse_region(shadow_x, shadow_y, rp, rp);
  s.fill_region(disc & half_shadow, Brush::solid(farbe::hellgrau));
  s.fill_region(disc - half_shadow, Brush::solid(f.colour));
  if (ru > 0.0) s.fill_region(disc & ellipse_region(shadow_x, shadow_y, ru, ru), Brush::solid(farbe::dunkelrot));
}

}  // namespace sdro
