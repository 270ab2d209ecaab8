// The three lists of the deep-sky chooser: Messier, IC and NGC objects, each
// entry keeping the index of its object in the deep-sky list.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/deep_sky.h"

namespace sdro {

struct tdeep_sky_entry {
  std::string text;       ///< as listed ("M 42", "IC 434", "NGC 7000")
  std::size_t index = 0;  ///< index in the deep-sky list
};

enum class tdeep_sky_list { messier, ic, ngc };

struct tdeep_sky_lists {
  std::vector<tdeep_sky_entry> messier;
  std::vector<tdeep_sky_entry> ic;
  std::vector<tdeep_sky_entry> ngc;
  std::vector<tdeep_sky_entry>& of(tdeep_sky_list list);
  const std::vector<tdeep_sky_entry>& of(tdeep_sky_list list) const;
};

/// Distributes the objects in list order: a designation containing "M" goes
/// to the Messier list, else one containing "IC" to the IC list, all others to
/// the NGC list (a bare number with the prefix "NGC ").
tdeep_sky_lists build_deep_sky_lists(const tnebel_list& objects);

/// The list whose selection a query chooses: the Messier list when the query
/// holds an "M", the IC list when it holds an "I", the NGC list otherwise
/// (letters in either case).
tdeep_sky_list deep_sky_list_for_query(std::string_view query);

}  // namespace sdro
