// Used when the build has no theory libraries: nothing is bound, so no
// library identifies itself and every position comes from the own series.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/theory_libraries.h"

namespace sdro {

const ttheorylibraries& linked_theory_libraries() {
  static const ttheorylibraries none;
  return none;
}

}  // namespace sdro
