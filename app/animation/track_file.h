// The two file forms of an orbit track.
//
// Text (".orb"): one point per line, "α;δ;name;year;JD" with α and δ in
// degrees to 6 decimals, the equinox year in a field of 6 and the Julian date
// to 4 decimals. Reading skips empty lines, lines beginning with ":" and lines
// whose numbers do not convert or lie outside their ranges.
//
// Binary (".sor"), little-endian: the 33-byte identification header and the
// 10920-byte configuration record of a configuration file, then 104 bytes
// per point: float α, float δ (degrees), the name as a length byte and up to
// 80 Windows-1252 characters, 3 reserved bytes, float equinox year, double
// Julian date. The number of points is (size − 10953) / 104, rounded down.
// Everything is checked before anything is taken.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/state/konfiguration.h"
#include "chart/bodies/orbit_track.h"

namespace sdro {

inline constexpr std::size_t kSorPointSize = 104;
inline constexpr std::size_t kSorNameCapacity = 80;

/// The kind of a track file by its extension (any case, with or without the dot).
enum class ttrack_format { none, text, binary };
ttrack_format track_format_of(std::string_view file_name);

/// The text file of a track.
std::string orb_text(const tbahnliste& track);
/// The points of a text file; false when no line is a valid point (`track`
/// is then left as it was).
bool read_orb(std::string_view text, tbahnliste& track);

/// The binary file of a track with a configuration record.
std::string sor_bytes(const std::string& record, const tbahnliste& track);

enum class tsor_status { ok, foreign, damaged_record, damaged_point };
struct tsor_contents {
  tsor_status status = tsor_status::foreign;
  tkonfiguration konfiguration;  ///< the checked record (status ok)
  tbahnliste track;              ///< the checked points (status ok)
  std::string field;             ///< the record's field or the point out of range
};
/// Checks and reads a binary file over the current configuration members.
tsor_contents read_sor(std::string_view bytes, const tkonfiguration& current);

/// A point whose numbers are finite and within range: α 0..360, δ −90..90,
/// year −4712..9999, Julian date 0..5373485.
bool track_point_valid(const tplanetenbahnsatz& p);

}  // namespace sdro
