// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/theory_libraries.h"

namespace sdro {
namespace {

struct tlibrarystate {
  ttheorylibraries libraries = linked_theory_libraries();
  tlibraryusability usability;
};

tlibrarystate& state() {
  static tlibrarystate s;
  return s;
}

bool answers(tping_function ping, std::int32_t code) { return ping != nullptr && ping() == code; }

/// Slot of a planet number for the library tables; −1 when none.
int library_slot(int n) { return n >= 1 && n <= 8 ? n - 1 : -1; }

}  // namespace

tlibraryusability identify_theory_libraries() {
  tlibrarystate& s = state();
  s.usability.plantheod = answers(s.libraries.ping_d, kPlantheodCode);
  s.usability.plantheoc = answers(s.libraries.ping_c, kPlantheocCode);
  s.usability.lunatheo = answers(s.libraries.ping_elp, kLunatheoCode) && s.libraries.elp82b;
  return s.usability;
}

const tlibraryusability& library_usability() { return state().usability; }

bool library_planet_d(int n, double t, int precision, double& l, double& b, double& r) {
  const tlibrarystate& s = state();
  const int slot = library_slot(n);
  if (!s.usability.plantheod || slot < 0 || s.libraries.vsop_d[slot] == nullptr) return false;
  s.libraries.vsop_d[slot](t, &l, &b, &r, static_cast<double>(precision));
  return true;
}

bool library_planet_c(int n, double t, int precision, tvektor& p, tvektor& v) {
  const tlibrarystate& s = state();
  const int slot = library_slot(n);
  if (!s.usability.plantheoc || slot < 0 || s.libraries.vsop_c[slot] == nullptr) return false;
  p = {};
  v = {};
  s.libraries.vsop_c[slot](t, &p.x, &p.y, &p.z, &v.x, &v.y, &v.z, static_cast<double>(precision));
  return true;
}

bool library_moon(double jd, int precision, tvektor& km) {
  const tlibrarystate& s = state();
  if (!s.usability.lunatheo) return false;
  s.libraries.elp82b(jd, &km.x, &km.y, &km.z, static_cast<double>(precision));
  return true;
}

tscopedtheorylibraries::tscopedtheorylibraries(const ttheorylibraries& replacement)
    : saved_libraries_(state().libraries), saved_usability_(state().usability) {
  state().libraries = replacement;
  identify_theory_libraries();
}

tscopedtheorylibraries::~tscopedtheorylibraries() {
  state().libraries = saved_libraries_;
  state().usability = saved_usability_;
}

}  // namespace sdro
