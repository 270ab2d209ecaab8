// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/tests/fixture_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace sdro::testing {
namespace {

std::vector<std::string> split(const std::string& line) {
  std::vector<std::string> cells;
  std::string cell;
  std::istringstream in(line);
  while (std::getline(in, cell, ',')) cells.push_back(cell);
  if (!line.empty() && line.back() == ',') cells.emplace_back();
  return cells;
}

}  // namespace

Fixture::Fixture(const std::string& name) {
  std::ifstream in(std::string(SDRO_TEST_DATA) + "/" + name);
  if (!in) throw std::runtime_error("fixture not found: " + name);
  std::string line;
  bool have_header = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    auto cells = split(line);
    if (!have_header) {
      for (std::size_t i = 0; i < cells.size(); ++i) index_[cells[i]] = i;
      have_header = true;
    } else {
      rows_.push_back(std::move(cells));
    }
  }
  if (rows_.empty()) throw std::runtime_error("fixture without rows: " + name);
}

const std::string& Fixture::text(std::size_t row, const std::string& column) const {
  const auto it = index_.find(column);
  if (it == index_.end()) throw std::runtime_error("no column " + column);
  return rows_.at(row).at(it->second);
}

double Fixture::num(std::size_t row, const std::string& column) const {
  return std::stod(text(row, column));
}

}  // namespace sdro::testing
