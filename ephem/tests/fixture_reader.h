// Reads the reference fixtures of ephem/tests/data: CSV with '#' comment
// lines, one header line, then rows. Numeric cells are parsed as doubles;
// text cells stay available by column name.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

namespace sdro::testing {

class Fixture {
 public:
  /// Loads SDRO_TEST_DATA/name; a missing or empty file fails the test that reads it.
  explicit Fixture(const std::string& name);
  std::size_t size() const { return rows_.size(); }
  bool has(const std::string& column) const { return index_.count(column) > 0; }
  double num(std::size_t row, const std::string& column) const;
  const std::string& text(std::size_t row, const std::string& column) const;

 private:
  std::map<std::string, std::size_t> index_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace sdro::testing
