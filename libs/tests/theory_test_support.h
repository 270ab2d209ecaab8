// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the theory library tests: time arguments, angle
// differences and the library entry points by body.
#pragma once

#include <cmath>
#include <numbers>
#include <string>

#include "libs/theory_libraries.h"

namespace sdro::test {

inline constexpr double arcsec_per_rad = 648000.0 / std::numbers::pi;
inline constexpr double deg_per_rad = 180.0 / std::numbers::pi;

/// Julian centuries of TDB from J2000.0.
inline double centuries(double jd) { return (jd - 2451545.0) / 36525.0; }

/// a - b reduced to (-180, 180] degrees.
inline double angle_difference_deg(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180.0) d -= 360.0;
  if (d <= -180.0) d += 360.0;
  return d;
}

using SphericalFunction = void (*)(double, double*, double*, double*, double);
using RectangularFunction = void (*)(double, double*, double*, double*, double*, double*, double*, double);

/// One body of the theory libraries: its plantheod function (heliocentric;
/// nullptr for the Earth, which plantheod gives only as the Sun) and its
/// plantheoc function.
struct TheoryBody {
  std::string name;
  SphericalFunction spherical;
  RectangularFunction rectangular;
};

inline const TheoryBody theory_bodies[] = {
    {"mercury", vsopmerkur_hel, vsop_c_mer}, {"venus", vsopvenus_hel, vsop_c_ven},
    {"earth", nullptr, vsopcsun},             {"mars", vsopmars_hel, vsop_c_mar},
    {"jupiter", vsopjupiter_hel, vsop_c_jup}, {"saturn", vsopsaturn_hel, vsop_c_sat},
    {"uranus", vsopuranus_hel, vsop_c_ura},   {"neptune", vsopneptun_hel, vsop_c_nep},
};

inline const TheoryBody& theory_body(const std::string& name) {
  for (const TheoryBody& b : theory_bodies) {
    if (b.name == name) return b;
  }
  return theory_bodies[0];
}

struct Vec3 {
  double x, y, z;
};

inline double norm(const Vec3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }
inline Vec3 minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

/// Angle between two vectors, arcseconds.
inline double separation_arcsec(const Vec3& a, const Vec3& b) {
  const Vec3 c{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  return std::atan2(norm(c), a.x * b.x + a.y * b.y + a.z * b.z) * arcsec_per_rad;
}

/// Heliocentric position of a body (AU) from plantheoc.
inline Vec3 rectangular_position(const TheoryBody& b, double T, double precision) {
  Vec3 p{};
  double vx = 0.0, vy = 0.0, vz = 0.0;
  b.rectangular(T, &p.x, &p.y, &p.z, &vx, &vy, &vz, precision);
  return p;
}

}  // namespace sdro::test
