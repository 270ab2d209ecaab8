// Helpers shared by the tests that compare with independent references.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/vector.h"

namespace sdro::testing {

inline constexpr double kArcsec = 1.0 / 3600.0;  // degrees
inline constexpr double kArcsecRad = kDegToRad / 3600.0;
inline constexpr double kSecondOfTime = 1.0 / 3600.0;  // hours

/// Difference of two angles in degrees, reduced into (−180, 180].
inline double angle_difference(double a, double b) { return std::remainder(a - b, 360.0); }

/// Angle between two vectors in arcseconds.
inline double angle_between_arcsec(const tvektor& a, const tvektor& b) {
  return std::atan2(length(cross(a, b)), dot(a, b)) / kArcsecRad;
}

/// JD instants spread over 1800–2200, with odd fractions of the day.
inline std::vector<double> sweep_instants(int count = 400) {
  std::vector<double> jds;
  const double first = 2378496.5;  // 1800-01-01
  const double last = 2524593.5;   // 2200-01-01
  for (int k = 0; k < count; ++k) {
    jds.push_back(first + (last - first) * k / (count - 1) + 0.137 * (k % 7));
  }
  return jds;
}

/// Rows of a CSV fixture in SDRO_TEST_DATA, comment lines (#) and the header skipped.
inline std::vector<std::vector<std::string>> read_fixture(const std::string& name) {
  std::ifstream in(std::string(SDRO_TEST_DATA) + "/" + name);
  std::vector<std::vector<std::string>> rows;
  std::string line;
  bool header = true;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (header) {
      header = false;
      continue;
    }
    std::vector<std::string> cells;
    std::stringstream ss(line);
    std::string cell;
    while (std::getline(ss, cell, ',')) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

}  // namespace sdro::testing
