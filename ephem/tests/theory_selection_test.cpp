// Acceptance rules of the theory selection, the panel and menu rules, and
// the identification of the theory libraries.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ephem/theory_libraries.h"
#include "ephem/theory_selection.h"

namespace sdro {
namespace {

constexpr tlibraryusability kNone{false, false, false};
constexpr tlibraryusability kOnlyD{true, false, false};
constexpr tlibraryusability kOnlyC{false, true, false};
constexpr tlibraryusability kAll{true, true, true};

ttheoriewahl with(int theory, int lunar = 0) {
  ttheoriewahl s;
  s.planet_theory = static_cast<std::uint8_t>(theory);
  s.lunar_library = static_cast<std::uint8_t>(lunar);
  return s;
}

TEST(TheorySelection, RequestsAreStoredOnlyForUsableLibraries) {
  const struct {
    tlibraryusability usable;
    int requested, lunar, stored, stored_lunar;
  } cases[] = {
      {kNone, 1, 1, 0, 0}, {kNone, 2, 0, 0, 0}, {kOnlyD, 1, 1, 1, 0}, {kOnlyD, 2, 0, 0, 0},
      {kOnlyC, 2, 0, 2, 0}, {kOnlyC, 1, 0, 0, 0}, {kAll, 2, 1, 2, 1},  {kAll, 0, 1, 0, 1},
  };
  for (const auto& c : cases) {
    ttheoriewahl stored;
    ttheoriewahl req = with(c.requested, c.lunar);
    req.reserved = 7;
    req.perturbers[4] = 0;
    set_theory(stored, req, c.usable);
    EXPECT_EQ(stored.planet_theory, c.stored) << c.requested;
    EXPECT_EQ(stored.lunar_library, c.stored_lunar) << c.requested;
    EXPECT_EQ(stored.reserved, 7);     // carried along
    EXPECT_EQ(stored.perturbers[4], 0);
  }
}

TEST(TheorySelection, ChangeIsReportedOnlyForTheoryOrLunarFlag) {
  ttheoriewahl stored;
  EXPECT_FALSE(set_theory(stored, with(1), kNone));  // refused: stays 0
  EXPECT_TRUE(set_theory(stored, with(1), kOnlyD));
  EXPECT_FALSE(set_theory(stored, with(1), kOnlyD));
  ttheoriewahl other = with(1);
  other.perturbers[0] = 0;
  EXPECT_FALSE(set_theory(stored, other, kOnlyD));  // planet bytes only: no recompute
  EXPECT_TRUE(set_theory(stored, with(1, 1), kAll));
}

TEST(TheorySelection, PanelClickCyclesThroughUsableTheories) {
  const struct {
    tlibraryusability usable;
    int from, to;
  } cases[] = {{kNone, 0, 0}, {kOnlyD, 0, 1}, {kOnlyD, 1, 0}, {kOnlyC, 0, 2},
               {kOnlyC, 2, 0}, {kAll, 0, 1},  {kAll, 1, 2},   {kAll, 2, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(next_theory_on_click(with(c.from), c.usable).planet_theory, c.to) << c.from;
}

TEST(TheorySelection, MenusPanelsAndStartUp) {
  EXPECT_EQ(theory_menu_click(with(0), theorie_vsop87d, kNone).planet_theory, 0);
  EXPECT_EQ(theory_menu_click(with(0), theorie_vsop87d, kOnlyD).planet_theory, 1);
  EXPECT_EQ(theory_menu_click(with(1), theorie_vsop87d, kOnlyD).planet_theory, 0);
  EXPECT_EQ(theory_menu_click(with(1), theorie_vsop87c, kAll).planet_theory, 2);
  EXPECT_TRUE(theory_menu_checked(with(2), theorie_vsop87c));
  EXPECT_EQ(lunar_theory_click(with(0), kNone).lunar_library, 0);
  EXPECT_EQ(lunar_theory_click(with(0), kAll).lunar_library, 1);
  EXPECT_EQ(lunar_theory_click(with(0, 1), kAll).lunar_library, 0);

  EXPECT_EQ(theory_panel_text(with(0)), "Newcomb");
  EXPECT_EQ(theory_panel_text(with(1)), "VSOP87 D");
  EXPECT_EQ(theory_panel_text(with(2)), "VSOP87 C");
  EXPECT_EQ(lunar_panel_text(with(0, 1), kNone), "Brown");
  EXPECT_EQ(lunar_panel_text(with(0, 1), kAll), "ELP-2000/82");
  {
    LanguageScope de(german);
    EXPECT_EQ(theory_menu_text(theorie_eigen), "Newcombsche Theorien verwenden");
    EXPECT_EQ(lunar_menu_text(), "ELP2000-Mondtheorie verwenden");
  }
  {
    LanguageScope en(english);
    EXPECT_EQ(theory_menu_text(theorie_vsop87c), "Use VSOP87 C");
    EXPECT_EQ(lunar_menu_text(), "Use ELP2000-Moon Theory");
  }
  EXPECT_EQ(startup_theory(kNone).planet_theory, 0);
  EXPECT_EQ(startup_theory(kOnlyD).planet_theory, 1);
  for (std::uint8_t b : startup_theory(kAll).perturbers) EXPECT_EQ(b, 1);
}

// Fake libraries that count their calls.
int g_pings = 0;
int g_calls = 0;
std::int32_t ping_wrong() { ++g_pings; return 3; }
std::int32_t ping_d_ok() { ++g_pings; return 112; }
std::int32_t ping_c_ok() { ++g_pings; return 113; }
std::int32_t ping_elp_ok() { ++g_pings; return 17; }
void fake_d(double, double* l, double* b, double* r, double) { ++g_calls; *l = 10; *b = 1; *r = 2; }
void fake_elp(double, double*, double*, double*, double) { ++g_calls; }

TEST(TheoryLibraries, IdentifiedOnceAndCalledOnlyWhenUsable) {
  ttheorylibraries wrong;
  wrong.ping_d = wrong.ping_c = wrong.ping_elp = &ping_wrong;
  wrong.vsop_d.fill(&fake_d);
  wrong.elp82b = &fake_elp;
  g_pings = g_calls = 0;
  {
    tscopedtheorylibraries scope(wrong);
    EXPECT_EQ(g_pings, 3);
    EXPECT_FALSE(library_usability().plantheod);
    EXPECT_FALSE(library_usability().lunatheo);
    double l = -1, b = -1, r = -1;
    EXPECT_FALSE(library_planet_d(1, 0.0, -1, l, b, r));
    tvektor km;
    EXPECT_FALSE(library_moon(2451545.0, -1, km));
    EXPECT_EQ(g_calls, 0);
    EXPECT_EQ(l, -1);
  }
  ttheorylibraries right = wrong;
  right.ping_d = &ping_d_ok;
  right.ping_c = &ping_c_ok;
  right.ping_elp = &ping_elp_ok;
  g_pings = 0;
  tscopedtheorylibraries scope(right);
  EXPECT_EQ(g_pings, 3);
  EXPECT_TRUE(library_usability().plantheod);
  EXPECT_TRUE(library_usability().plantheoc);
  EXPECT_TRUE(library_usability().lunatheo);
  double l = 0, b = 0, r = 0;
  EXPECT_TRUE(library_planet_d(4, 0.0, -1, l, b, r));
  EXPECT_EQ(l, 10);
  EXPECT_FALSE(library_planet_d(9, 0.0, -1, l, b, r));  // no library has Pluto
  tvektor p, v;
  EXPECT_FALSE(library_planet_c(1, 0.0, -1, p, v));     // entry point missing
  EXPECT_EQ(g_pings, 3);  // nothing asks again
}

}  // namespace
}  // namespace sdro
