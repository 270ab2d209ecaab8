// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/theory_selection.h"

namespace sdro {

bool operator==(const ttheoriewahl& a, const ttheoriewahl& b) {
  return a.planet_theory == b.planet_theory && a.lunar_library == b.lunar_library &&
         a.reserved == b.reserved && a.perturbers == b.perturbers;
}

namespace {

bool theory_usable(int theory, const tlibraryusability& u) {
  switch (theory) {
    case theorie_vsop87d: return u.plantheod;
    case theorie_vsop87c: return u.plantheoc;
    default: return false;
  }
}

ttheoriewahl with_theory(ttheoriewahl s, int theory) {
  s.planet_theory = static_cast<std::uint8_t>(theory);
  return s;
}

}  // namespace

ttheoriewahl accepted_theory(const ttheoriewahl& requested, const tlibraryusability& u) {
  ttheoriewahl s = requested;
  if (!theory_usable(s.planet_theory, u)) s.planet_theory = theorie_eigen;
  s.lunar_library = (u.lunatheo && requested.lunar_library != 0) ? 1 : 0;
  return s;
}

bool set_theory(ttheoriewahl& stored, const ttheoriewahl& requested,
                const tlibraryusability& u) {
  const ttheoriewahl next = accepted_theory(requested, u);
  const bool changed =
      next.planet_theory != stored.planet_theory || next.lunar_library != stored.lunar_library;
  stored = next;
  return changed;
}

ttheoriewahl startup_theory(const tlibraryusability& u) {
  ttheoriewahl s;
  if (u.plantheod) s.planet_theory = theorie_vsop87d;
  return s;
}

bool lunar_library_in_effect(const ttheoriewahl& s, const tlibraryusability& u) {
  return s.lunar_library != 0 && u.lunatheo;
}

ttheoriewahl next_theory_on_click(const ttheoriewahl& current, const tlibraryusability& u) {
  if (current.planet_theory == theorie_eigen || current.planet_theory == theorie_vsop87d) {
    for (int t = current.planet_theory + 1; t <= theorie_vsop87c; ++t)
      if (theory_usable(t, u)) return with_theory(current, t);
  }
  return with_theory(current, theorie_eigen);
}

bool theory_menu_checked(const ttheoriewahl& current, tplanettheorie item) {
  return current.planet_theory == item;
}

ttheoriewahl theory_menu_click(const ttheoriewahl& current, tplanettheorie item,
                               const tlibraryusability& u) {
  if (theory_menu_checked(current, item)) return with_theory(current, theorie_eigen);
  return accepted_theory(with_theory(current, item), u);
}

ttheoriewahl lunar_theory_click(const ttheoriewahl& current, const tlibraryusability& u) {
  ttheoriewahl s = current;
  s.lunar_library = current.lunar_library != 0 ? 0 : 1;
  return accepted_theory(s, u);
}

std::string_view theory_panel_text(const ttheoriewahl& s) {
  switch (s.planet_theory) {
    case theorie_vsop87d: return "VSOP87 D";
    case theorie_vsop87c: return "VSOP87 C";
    default: return "Newcomb";
  }
}

std::string_view lunar_panel_text(const ttheoriewahl& s, const tlibraryusability& u) {
  return lunar_library_in_effect(s, u) ? "ELP-2000/82" : "Brown";
}

std::string_view theory_menu_text(tplanettheorie item) {
  switch (item) {
    case theorie_vsop87d: return tr("VSOP87 D verwenden", "Use VSOP87 D");
    case theorie_vsop87c: return tr("VSOP87 C verwenden", "Use VSOP87 C");
    default: return tr("Newcombsche Theorien verwenden", "Use Newcomb Theories");
  }
}

std::string_view lunar_menu_text() {
  return tr("ELP2000-Mondtheorie verwenden", "Use ELP2000-Moon Theory");
}

}  // namespace sdro
