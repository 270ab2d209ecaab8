// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/theory_commands.h"

#include <QLabel>

#include "app/clickable_panel.h"
#include "app/main_window.h"
#include "ephem/theory_selection.h"

namespace sdro {
namespace {

// The menu texts of the selection, taken once in each language. They are
// string literals, so the pair may outlive this call.
template <class Text>
tbitext in_both_languages(Text text) {
  std::string_view de;
  std::string_view en;
  {
    const LanguageScope scope(german);
    de = text();
  }
  {
    const LanguageScope scope(english);
    en = text();
  }
  return {de, en};
}

// Stores a requested selection by the acceptance rules; a changed theory or
// lunar flag recomputes the chart, which also refreshes ticks and panels.
void select(TKyr5Main& w, const ttheoriewahl& requested) {
  tengine& e = w.engine();
  if (set_theory(e.konfig().theorie, requested, e.library_usability())) {
    e.flags().positionenneu = true;
    w.run_cycle();
  } else {
    w.commands().refresh();  // a refused item loses the tick its click gave it
  }
}

}  // namespace

void add_theory_commands(TKyr5Main& w) {
  tcommand_table& t = w.commands();
  tengine& e = w.engine();

  bool first = true;
  for (const tplanettheorie item : {theorie_eigen, theorie_vsop87d, theorie_vsop87c}) {
    tcommand c{in_both_languages([item] { return theory_menu_text(item); }),
               {},
               [&w, &e, item] {
                 select(w, theory_menu_click(e.konfig().theorie, item, e.library_usability()));
               },
               {},
               [&e, item] { return theory_menu_checked(e.konfig().theorie, item); }};
    c.separator_before = first;
    first = false;
    t.add(tmenu::einstellungen, std::move(c));
  }
  const auto lunar_click = [&w, &e] {
    select(w, lunar_theory_click(e.konfig().theorie, e.library_usability()));
  };
  t.add(tmenu::einstellungen, {in_both_languages(lunar_menu_text), {}, lunar_click, {}, [&e] {
                                 return lunar_library_in_effect(e.konfig().theorie,
                                                                e.library_usability());
                               }});

  on_click(w.planet_theory_panel(), [&w, &e] {
    select(w, next_theory_on_click(e.konfig().theorie, e.library_usability()));
  });
  on_click(w.lunar_theory_panel(), lunar_click);
}

}  // namespace sdro
