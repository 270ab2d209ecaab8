// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tip_list.h"

#include <gtest/gtest.h>

#include <set>

namespace sdro {
namespace {

TEST(TipList, LastLineComesOnlyWhenAloneAndNoTipRepeats) {
  ttip_list tips;
  tips.set_lines({"a", "b", "c"});
  // The random source always asks for the highest index it may.
  const auto highest = [](std::size_t n) { return n - 1; };
  EXPECT_EQ(tips.next(highest), "b");
  EXPECT_EQ(tips.next(highest), "a");
  EXPECT_EQ(tips.next(highest), "c");
  EXPECT_FALSE(tips.next(highest));
  EXPECT_TRUE(tips.empty());

  ttip_list many;
  many.set_lines({"1", "2", "3", "4", "5"});
  std::set<std::string> seen;
  std::size_t state = 7;
  while (auto t = many.next([&](std::size_t n) { return (state = state * 31 + 11) % n; })) {
    EXPECT_TRUE(seen.insert(*t).second) << *t;
  }
  EXPECT_EQ(seen.size(), 5u);
}

}  // namespace
}  // namespace sdro
