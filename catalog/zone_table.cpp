// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/zone_table.h"

#include <array>
#include <cstdio>
#include <system_error>
#include <vector>

namespace sdro {
namespace {

std::string two_digits(int v) {
  char b[8];
  std::snprintf(b, sizeof b, "%02d", v);
  return b;
}

std::string southern_band(int band, tzone_catalogue catalogue) {
  if (band == 0) return "-1+0";
  if (band == 6 && catalogue == tzone_catalogue::sao) return "-6-7";
  return "-" + std::to_string(band + 1) + "-" + std::to_string(band);
}

std::vector<tzone> build_table(tzone_catalogue catalogue) {
  std::vector<tzone> t;
  t.reserve(kZoneCount);
  for (int hemisphere = 0; hemisphere < 2; ++hemisphere) {
    for (int band = 0; band < 7; ++band) {
      const std::string suffix = hemisphere == 0
                                     ? "+" + std::to_string(band) + "+" + std::to_string(band + 1)
                                     : southern_band(band, catalogue);
      const double dec = (5.0 + 10.0 * band) * (hemisphere == 0 ? 1.0 : -1.0);
      for (int hour = 0; hour < 24; ++hour) {
        t.push_back({two_digits(hour) + two_digits(hour + 1) + suffix, hour + 0.5, dec});
      }
    }
  }
  for (int hemisphere = 0; hemisphere < 2; ++hemisphere) {
    const std::string suffix = hemisphere == 0 ? "+7+8" : "-7-8";
    for (int strip = 0; strip < 12; ++strip) {
      t.push_back({two_digits(2 * strip + 1) + two_digits(2 * strip + 2) + suffix, 2.0 * strip + 1.0,
                   hemisphere == 0 ? 75.0 : -75.0});
    }
  }
  t.push_back({"0024+8+9", 0.0, 90.0});
  t.push_back({"0024-8-9", 0.0, -90.0});
  return t;
}

}  // namespace

const tzone& zone_of_table(int number, tzone_catalogue catalogue) {
  static const std::vector<tzone> sao = build_table(tzone_catalogue::sao);
  static const std::vector<tzone> ppm = build_table(tzone_catalogue::ppm);
  const std::vector<tzone>& t = catalogue == tzone_catalogue::sao ? sao : ppm;
  const int i = number >= 1 && number <= kZoneCount ? number - 1 : 0;
  return t[static_cast<std::size_t>(i)];
}

std::filesystem::path zone_file(const std::filesystem::path& data_directory, int number,
                                tzone_catalogue catalogue) {
  const char* extension = catalogue == tzone_catalogue::sao ? ".dat" : ".ppm";
  return data_directory / (zone_of_table(number, catalogue).name + extension);
}

bool zone_catalogue_present(const std::filesystem::path& data_directory, tzone_catalogue catalogue) {
  std::error_code ec;
  return std::filesystem::is_regular_file(zone_file(data_directory, 1, catalogue), ec);
}

double zone_catalogue_epoch(tzone_catalogue catalogue) {
  return catalogue == tzone_catalogue::sao ? -0.5 : 0.0;
}

}  // namespace sdro
