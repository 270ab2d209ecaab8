// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the comma-separated reference files of libs/tests/data: one record a
// line, '#' starts a comment line; fields are numbers except a leading name.
#pragma once

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace sdro::test {

struct CsvRecord {
  std::string name;             // first field when it is not a number, else empty
  std::vector<double> numbers;  // the remaining fields
};

inline std::vector<CsvRecord> read_fixture(const std::string& file) {
  std::vector<CsvRecord> records;
  std::ifstream in(std::string(SDRO_TEST_DATA) + "/" + file);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::stringstream fields(line);
    std::string field;
    CsvRecord r;
    bool first = true;
    while (std::getline(fields, field, ',')) {
      if (first && !field.empty() && (std::isalpha(static_cast<unsigned char>(field[0])) != 0)) {
        r.name = field;
      } else {
        r.numbers.push_back(std::stod(field));
      }
      first = false;
    }
    records.push_back(r);
  }
  return records;
}

}  // namespace sdro::test
