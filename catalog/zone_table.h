// The 362 zones of the SAO and PPM zone catalogues: one file per zone, named
// after the zone (start and end hour of the right-ascension strip, two
// digits each, then the declination band as two signed digits of tens of
// degrees) with ".dat" for SAO and ".ppm" for PPM.
//
//   zones   1..168  +0°..+70° in seven 10° bands of 24 one-hour strips
//   zones 169..336  0°..−70° likewise ("-1+0", "-2-1", …; the band −70°..−60°
//                   is "-7-6" in the PPM table but "-6-7" in the SAO table)
//   zones 337..348  +70°..+80° in twelve two-hour strips
//   zones 349..360  −70°..−80° likewise
//   zone  361       "0024+8+9" (+80°..+90°),  zone 362 "0024-8-9"
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace sdro {

enum class tzone_catalogue { sao, ppm };

inline constexpr int kZoneCount = 362;

struct tzone {
  std::string name;       ///< e.g. "0001+0+1"
  double ra_hours = 0.0;  ///< centre right ascension, hours
  double dec = 0.0;       ///< centre declination, degrees
};

/// Zone `number` (1..362) of a catalogue's table; numbers outside give zone 1.
const tzone& zone_of_table(int number, tzone_catalogue catalogue);

/// The file of a zone in the data directory.
std::filesystem::path zone_file(const std::filesystem::path& data_directory, int number,
                                tzone_catalogue catalogue);

/// A catalogue is present when the file of zone 1 exists.
bool zone_catalogue_present(const std::filesystem::path& data_directory, tzone_catalogue catalogue);

/// Epoch and equinox of a catalogue, Julian centuries from J2000.0:
/// −0.5 (1950.0) for SAO, 0 (2000.0) for PPM.
double zone_catalogue_epoch(tzone_catalogue catalogue);

}  // namespace sdro
