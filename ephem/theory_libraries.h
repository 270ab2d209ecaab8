// Binding of the planetary theory libraries (plantheod: VSOP87 D, plantheoc:
// VSOP87 C) and the lunar library (lunatheo: ELP-2000/82) and their
// identification at start-up. The libraries are linked at load time; this
// layer holds their entry points in one table so that the planet, Sun and
// Moon routines call a library only when it identified itself correctly.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "astro/vector.h"

namespace sdro {

/// T (Julian centuries TT from J2000.0) → L, B (degrees), R (AU), precision.
using tvsopd_function = void (*)(double, double*, double*, double*, double);
/// T → x, y, z (AU), vx, vy, vz (AU per day), precision.
using tvsopc_function = void (*)(double, double*, double*, double*, double*, double*, double*,
                                 double);
using tping_function = std::int32_t (*)();
/// JD of dynamical time → X, Y, Z (km, mean ecliptic and equinox of J2000.0), precision.
using telp_function = void (*)(double, double*, double*, double*, double);

/// Identification codes that mark a library as usable.
inline constexpr std::int32_t kPlantheodCode = 112;
inline constexpr std::int32_t kPlantheocCode = 113;
inline constexpr std::int32_t kLunatheoCode = 17;

/// Entry points of the three libraries. Arrays by planet slot (0 Mercury …
/// 7 Neptune; slot 2 is the Earth: vsopsun_l gives the geocentric Sun,
/// vsopcsun the Earth's heliocentric state). No library has Pluto (slot 8).
struct ttheorylibraries {
  tping_function ping_d = nullptr;
  tping_function ping_c = nullptr;
  tping_function ping_elp = nullptr;
  std::array<tvsopd_function, 9> vsop_d{};
  std::array<tvsopc_function, 9> vsop_c{};
  telp_function elp82b = nullptr;
};

/// Which libraries identified themselves (set once at start-up).
struct tlibraryusability {
  bool plantheod = false;
  bool plantheoc = false;
  bool lunatheo = false;
};

/// The libraries the program is linked with.
const ttheorylibraries& linked_theory_libraries();

/// Calls each identification function once and stores which libraries are
/// usable (ping 112, ping_c 113, ping_elp 17). The engine calls this once at
/// start-up, before any position is computed; the result is not queried again.
tlibraryusability identify_theory_libraries();

/// The stored usability (all false before identify_theory_libraries).
const tlibraryusability& library_usability();

/// VSOP87 D of planet number n (1, 2, 4..8; 3 = the geocentric Sun) when
/// plantheod is usable: L, B in degrees, R in AU, mean ecliptic and equinox
/// of date. False (outputs untouched) when the library is not usable or has
/// no such body.
bool library_planet_d(int planetnummer, double t, int precision, double& l, double& b, double& r);

/// VSOP87 C of planet number n (1, 2, 4..8; 3 = the Earth's heliocentric
/// state) when plantheoc is usable: position in AU and velocity in AU per day,
/// mean ecliptic and equinox of date. The outputs are cleared before the call.
bool library_planet_c(int planetnummer, double t, int precision, tvektor& position,
                      tvektor& velocity);

/// ELP-2000/82 when lunatheo is usable: geocentric Moon in km, mean ecliptic
/// and equinox of J2000.0, at the JD of dynamical time.
bool library_moon(double jd, int precision, tvektor& position_km);

/// Replaces the bound libraries for the lifetime of the object and identifies
/// the replacement (for tests); the previous binding and usability return at
/// destruction.
class tscopedtheorylibraries {
 public:
  explicit tscopedtheorylibraries(const ttheorylibraries& replacement);
  ~tscopedtheorylibraries();
  tscopedtheorylibraries(const tscopedtheorylibraries&) = delete;
  tscopedtheorylibraries& operator=(const tscopedtheorylibraries&) = delete;

 private:
  ttheorylibraries saved_libraries_;
  tlibraryusability saved_usability_;
};

}  // namespace sdro
