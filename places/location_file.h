// Location files: one place per line, "name;longitude;latitude;zone".
//
// A line that is empty or begins with ":" is skipped (the first line of a
// location file is the kind line ":ORTDATEI KYREL!…"). Longitude and latitude
// are decimal degrees with a decimal comma or point, the longitude counted
// positive WEST (east negative); the zone is a whole number of hours, east
// positive. Lines whose numbers do not parse or lie outside their ranges are
// skipped. Lines may end in LF or CR LF; names are UTF-8, or Windows-1252
// where a line is not valid UTF-8.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sdro {

/// The coordinates carried by one location entry.
struct TOrtdatens {
  double latitude = 0.0;   ///< degrees, north positive
  double longitude = 0.0;  ///< degrees, WEST positive (east negative)
  int zone = 0;            ///< hours, east positive (Central European time = +1), −12..12
};

/// One entry of a location file.
struct tlocation {
  std::string name;  ///< UTF-8
  TOrtdatens data;
};

/// At most this many entries are read from one file.
inline constexpr std::size_t kMaxLocations = 32000;

/// One line (without its line end) → an entry, or nothing for a skipped line.
std::optional<tlocation> parse_location_line(std::string_view line);

/// Every entry of a file's bytes, in file order, at most kMaxLocations.
std::vector<tlocation> parse_location_file(std::string_view bytes);

}  // namespace sdro
