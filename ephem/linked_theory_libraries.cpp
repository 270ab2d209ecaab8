// The entry points of the theory libraries the program is linked with
// (load-time binding through libs/theory_libraries.h).
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/theory_libraries.h"
#include "libs/theory_libraries.h"

namespace sdro {

const ttheorylibraries& linked_theory_libraries() {
  static const ttheorylibraries linked = [] {
    ttheorylibraries l;
    l.ping_d = &ping;
    l.ping_c = &ping_c;
    l.ping_elp = &ping_elp;
    l.vsop_d = {&vsopmerkur_hel, &vsopvenus_hel, &vsopsun_l, &vsopmars_hel, &vsopjupiter_hel,
                &vsopsaturn_hel, &vsopuranus_hel, &vsopneptun_hel, nullptr};
    l.vsop_c = {&vsop_c_mer, &vsop_c_ven, &vsopcsun, &vsop_c_mar, &vsop_c_jup,
                &vsop_c_sat, &vsop_c_ura, &vsop_c_nep, nullptr};
    l.elp82b = &ELP82B;
    return l;
  }();
  return linked;
}

}  // namespace sdro
