// The tips of the day of one language: the lines of its tip file, each shown
// at most once per run.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sdro {

class ttip_list {
 public:
  /// Reads the non-empty lines of a tip file (missing file: no tips).
  void load(const std::filesystem::path& path);
  void set_lines(std::vector<std::string> lines) { lines_ = std::move(lines); loaded_ = true; }
  bool loaded() const { return loaded_; }
  bool empty() const { return lines_.empty(); }

  /// Takes the next tip: a line at random among the first n − 1 of the n
  /// lines left (the last one only when it is alone), removed from the list.
  /// `random(k)` returns a number in 0..k−1.
  std::optional<std::string> next(const std::function<std::size_t(std::size_t)>& random);

 private:
  std::vector<std::string> lines_;
  bool loaded_ = false;
};

}  // namespace sdro
