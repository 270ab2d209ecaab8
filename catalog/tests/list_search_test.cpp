// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/list_search.h"

#include <gtest/gtest.h>

#include "astro/language.h"

namespace sdro {
namespace {

TEST(ListSearch, EmptyQueryFindsNothingAndClearsTheLabel) {
  const auto r = list_search({"Sirius", "Wega"}, "");
  EXPECT_EQ(r.status, tlist_search_status::empty_query);
  EXPECT_EQ(r.index, -1);
  EXPECT_TRUE(r.label.empty());
}

TEST(ListSearch, BestMatchByPositionOrLengthLastQualifyingWins) {
  struct Case {
    std::vector<std::string> entries;
    std::string query;
    long best;
  };
  const Case cases[] = {
      // Earlier position beats a later one.
      {{"Alpha Centauri", "Centaurus"}, "cen", 1},
      // A shorter entry with a later position still becomes the best (the
      // rule is "position smaller OR length smaller").
      {{"Centaurus A", "M 83 Cen"}, "cen", 1},
      // Neither earlier nor shorter: the first stays.
      {{"Cen", "Centaurus"}, "cen", 0},
      // Case-insensitive, also for letters outside ASCII.
      {{"Kleiner Bär", "BÄRENHÜTER"}, "bärenh", 1},
      {{"Großer Hund", "Löwe"}, "LÖWE", 1},
      // No match.
      {{"Sirius", "Wega"}, "xyz", -1},
  };
  for (const Case& c : cases) {
    const auto r = list_search(c.entries, c.query);
    EXPECT_EQ(r.index, c.best) << c.query;
  }
}

TEST(ListSearch, LabelShowsTheBestEntryOrNotFoundInTheLanguage) {
  EXPECT_EQ(list_search({"Orion", "Orionnebel"}, "orio").label, "Orion");
  {
    LanguageScope de(german);
    EXPECT_EQ(list_search({"Orion"}, "wega").label, "Nicht gefunden");
  }
  {
    LanguageScope en(english);
    EXPECT_EQ(list_search({"Orion"}, "wega").label, "Not found");
  }
}

TEST(ListSearch, PositionsCountCharactersNotBytes) {
  // Both entries hold "x" at character 3 and are 3 characters long, so the
  // first stays the best. Counted in bytes, "ä" (two bytes) would put the
  // first at position 4 and let the second win.
  EXPECT_EQ(list_search({"ä x", "abx"}, "x").index, 0);
}

TEST(ListSearch, ProgressEveryHundredEntries) {
  std::vector<std::string> entries(250, "x");
  std::vector<std::size_t> seen;
  list_search(entries, "y", [&seen](std::size_t i) { seen.push_back(i); });
  EXPECT_EQ(seen, (std::vector<std::size_t>{0, 100, 200}));
}

}  // namespace
}  // namespace sdro
