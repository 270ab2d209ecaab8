// The list search that every chooser dialog uses to find an entry by typed
// text (asteroids, comets, satellites, meteor showers, user labels,
// constellations, lunar formations, deep-sky objects, stars, the bodies of
// the event and conjunction searches).
//
// The rule: an empty query finds nothing. Otherwise query and entries are
// compared in lower case; an entry matches when it contains the query. With p
// the 1-based position (in characters) of the first occurrence and L the
// entry's length in characters, a match becomes the best when p is smaller
// than the best position so far or L is smaller than the best length so far
// (start values 1000000 and 100000), so the last such match wins.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sdro {

/// Outcome of one search.
enum class tlist_search_status { empty_query, found, not_found };

struct tlist_search_result {
  tlist_search_status status = tlist_search_status::empty_query;
  long index = -1;  ///< the best entry (0-based), −1 unless found
  /// The status label after the search: empty for an empty query, the best
  /// entry's text when found, "Nicht gefunden" / "Not found" otherwise
  /// (built in the current language).
  std::string label;
};

/// Entry i of the list (UTF-8).
using tlist_entry = std::function<std::string_view(std::size_t)>;
/// Called with the running index every 100 entries (0, 100, 200, …).
using tlist_progress = std::function<void(std::size_t)>;

/// Searches `count` entries for the query by the rule above.
tlist_search_result list_search(std::size_t count, const tlist_entry& entry, std::string_view query,
                                const tlist_progress& progress = {});
/// The same over a vector of texts.
tlist_search_result list_search(const std::vector<std::string>& entries, std::string_view query,
                                const tlist_progress& progress = {});

/// Lower case of a UTF-8 text for the comparison (Latin, Latin-1, Latin
/// Extended-A, Greek and Cyrillic capitals); malformed bytes become U+FFFD.
std::u32string lower_case_for_search(std::string_view utf8);

}  // namespace sdro
